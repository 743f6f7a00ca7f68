#include <gtest/gtest.h>

#include <cmath>

#include "acquisition_buttons.h"
#include "command_line.h"
#include "started_kymbral.h"

// Faults that hostile use (the soak tests and fuzz targets) once found.

// pw / PW90 was finite but (Pi / 2) x pw / PW90 was not: the flip angle
// overflowed, and the pulse drew the spectrum at NaN.
TEST(Regression, AFlipAngleBeyondTheDoubleRangeIsRefused) {
    StartedKymbral app;
    app.k.form.KeyboardInput.text = "pw=1.7976931348623157e308";
    KeyboardInput_KeyUp(app.k, kEnterKey);
    Restart_Click(app.k);
    EXPECT_FALSE(app.k.form.Timer1.enabled);
    ASSERT_EQ(app.messages.shown.size(), 1u);
    EXPECT_EQ(app.messages.shown[0].text, "pw is too large for this PW90.");
    for (const Stroke& s : app.k.form.PlotPeakShape.strokes) {
        ASSERT_TRUE(std::isfinite(s.y1) && std::isfinite(s.y2));
    }
}
