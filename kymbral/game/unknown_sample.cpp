#include "unknown_sample.h"

#include <cmath>

#include "numtext.h"

namespace {

// A whole number of tenths from 0.1 up to steps/10, in single precision.
float Tenths(float u, float steps) {
    return std::floor(steps * u + 1.0f) / 10.0f;
}

}  // namespace

void SampleScramble_Click(Kymbral& k) {
    MainForm& f = k.form;
    bool hide = f.PW90Value.visible;
    for (TextBox* box : {&f.PW90Value, &f.T1Value, &f.T2Value}) box->visible = !hide;
    if (!hide) return;

    float argument = k.state.ScanElapsed;
    f.PW90Value.text = NumberText(Tenths(k.random.Rnd(argument), 50));
    f.T2Value.text = NumberText(Tenths(k.random.Rnd(argument), 100));
    // T1 always exceeds T2: it is T2 as written plus 0.1..10, in double precision.
    double t1 = std::floor(100.0 * k.random.Rnd(argument) + 1) / 10 + ReadNumber(f.T2Value.text);
    f.T1Value.text = NumberText(t1);
}
