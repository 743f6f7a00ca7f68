#include "shim_axis.h"

#include <gtest/gtest.h>

#include <utility>

#include "started_kymbral.h"

namespace {

struct ShimAxisTest : ::testing::Test, StartedKymbral {};

}  // namespace

TEST_F(ShimAxisTest, FiveClicksRunThroughTheMapAndBack) {
    const char* expected[] = {"Z1", "Z2", "Z3", "Z4", "Intensity versus Hz or ppm"};
    for (const char* caption : expected) {
        k.form.Timer1.enabled = true;
        ShimXLabel_Click(k);
        EXPECT_EQ(k.form.ShimXLabel.caption, caption);
        EXPECT_EQ(k.form.ShimYLabel.visible, std::string(caption).size() == 2) << caption;
        EXPECT_FALSE(k.form.Timer1.enabled) << caption;  // redrawn
    }
}

TEST_F(ShimAxisTest, TheMapDrawsAGridAndVariesTheShimAcrossColumns) {
    k.state.Z1 = 10;
    ShimXLabel_Click(k);
    const PictureBox& field = k.form.PlotBField;
    EXPECT_EQ(field.scale, (UserScale{-15, 15, 30, -30}));
    const double grid[] = {-15, -5, 5, 15};
    for (int i = 0; i < 4; ++i) {
        for (const PictureBox* view : {&std::as_const(k.form.PlotPeakShape), &field}) {
            const Stroke& vertical = view->strokes[2 * i];
            const Stroke& horizontal = view->strokes[2 * i + 1];
            EXPECT_EQ(vertical.colour, colours::DarkGrey);
            EXPECT_EQ(vertical.x1, grid[i]);
            EXPECT_EQ(vertical.y1, -15);
            EXPECT_EQ(vertical.y2, 15);
            EXPECT_EQ(horizontal.y1, grid[i]);
            EXPECT_EQ(horizontal.x2, 15);
        }
    }
    // The top point of each panel's field line: Z0 + (Z1 + c) shifted into its column.
    for (int panel = 0; panel < 9; ++panel) {
        int row = panel / 3 - 1, column = panel % 3 - 1;
        const Stroke& top = field.strokes[8 + panel * 99 + 98];
        EXPECT_NEAR(top.x2, 10 * column + 0.5 + (10 + column) / 100.0, 1e-12) << panel;
        EXPECT_NEAR(top.y2, 10 * row + 5, 1e-12) << panel;
    }
}

TEST_F(ShimAxisTest, ARowLabelClickOnlyRedraws) {
    ShimXLabel_Click(k);
    k.form.Timer1.enabled = true;
    ShimYLabel_Click(k);
    EXPECT_EQ(k.form.ShimXLabel.caption, "Z1");
    EXPECT_EQ(k.form.ShimYLabel.caption, "");
    EXPECT_FALSE(k.form.Timer1.enabled);
}
