#include "knob_settings.h"

#include <cmath>

#include "numtext.h"

std::int16_t CancellingSetting(float error, int centre) {
    return static_cast<std::int16_t>(std::lround(centre - 100.0 * error));
}

void CancelShimErrors(SimulatorState& s) {
    s.Z1 = CancellingSetting(s.Z1Offset);
    s.Z2 = CancellingSetting(s.Z2Offset);
    s.Z3 = CancellingSetting(s.Z3Offset);
    s.Z4 = CancellingSetting(s.Z4Offset);
}

void WriteShimLabels(Kymbral& k, int first, int last) {
    for (int i = first; i <= last; ++i) {
        k.form.ShimLabel[i].caption = IntegerText(k.state.*kKnobSettings[i]);
    }
}
