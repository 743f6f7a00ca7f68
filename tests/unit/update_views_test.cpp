#include "update_views.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>

#include "eject_insert.h"
#include "knobs.h"
#include "started_kymbral.h"

namespace {

constexpr double kFieldStrokesPerPanel = 99, kSpectrumStrokesPerPanel = 100;

struct UpdateViewsTest : ::testing::Test, StartedKymbral {
    // The strokes that one panel of the shim map drew on a view.
    std::vector<Stroke> PanelStrokes(const PictureBox& view, int panel, std::size_t perPanel,
                                     std::size_t gridStrokes = 0) {
        auto first = view.strokes.begin() + gridStrokes + panel * perPanel;
        return {first, first + perPanel};
    }
    double DegreesFromStraightDown(const LineFigure& hand) {
        return std::atan2(-(hand.x2 - hand.x1), hand.y2 - hand.y1) * 180 / std::numbers::pi;
    }
};

}  // namespace

TEST_F(UpdateViewsTest, StartUpViewsShowAFlatFieldAndNoSignal) {
    const MainForm& f = k.form;
    EXPECT_EQ(f.PlotBField.scale, (UserScale{-5, 5, 10, -10}));
    EXPECT_EQ(f.PlotBField.strokes.size(), 9 * kFieldStrokesPerPanel);
    for (const Stroke& s : PanelStrokes(f.PlotBField, 4, 99)) {
        EXPECT_DOUBLE_EQ(s.x1, 0.5);
        EXPECT_DOUBLE_EQ(s.x2, 0.5);
        EXPECT_EQ(s.colour, colours::White);
    }
    EXPECT_EQ(f.PlotPeakShape.strokes.size(), 9 * kSpectrumStrokesPerPanel);
    for (const Stroke& s : PanelStrokes(f.PlotPeakShape, 4, 100)) {
        EXPECT_DOUBLE_EQ(s.y1, -3);
        EXPECT_DOUBLE_EQ(s.y2, -3);
    }
    EXPECT_DOUBLE_EQ(f.LockLine1.x2, 3840);
    EXPECT_DOUBLE_EQ(f.LockLine1.y2, 7968);
    EXPECT_DOUBLE_EQ(f.LockLine2.x2, 3840);
    EXPECT_DOUBLE_EQ(f.LockLine2.y2, 7968);
    EXPECT_EQ(f.Info.caption, "0");
}

TEST_F(UpdateViewsTest, InsertedSampleShowsTheSpikeTheTraceAndTheDial) {
    Insert_Click(k);
    const MainForm& f = k.form;
    std::vector<Stroke> centre = PanelStrokes(f.PlotPeakShape, 4, 100);
    const Stroke& rise = centre[49];  // segment between bins 49 and 50
    const Stroke& fall = centre[50];
    EXPECT_NEAR(rise.x2, 0, 1e-12);
    EXPECT_NEAR(rise.y2, 0.96, 1e-12);
    EXPECT_NEAR(rise.y2 - rise.y1, 3.96, 1e-12);
    EXPECT_NEAR(fall.y1, 0.96, 1e-12);
    EXPECT_DOUBLE_EQ(fall.y2, -3);

    ASSERT_EQ(f.PlotFID.strokes.size(), 27u);
    EXPECT_EQ(f.PlotFID.scale, (UserScale{0, 1000, 30, -2000}));
    EXPECT_NEAR(f.PlotFID.strokes[1].y2, 496, 1e-9);
    for (std::size_t i = 2; i < f.PlotFID.strokes.size(); ++i) {
        EXPECT_NEAR(f.PlotFID.strokes[i].y1, 496, 1e-9);
        EXPECT_NEAR(f.PlotFID.strokes[i].y2, 496, 1e-9);
    }
    EXPECT_EQ(f.PlotFID.strokes.back().x2, 30);

    EXPECT_EQ(f.Info.caption, "53.22");
    EXPECT_EQ(f.Info2.caption, "53.22");
    EXPECT_NEAR(DegreesFromStraightDown(f.LockLine1), 19.008, 1e-9);
    EXPECT_NEAR(std::hypot(f.LockLine1.x2 - 3840, f.LockLine1.y2 - 7200), 768, 1e-9);
    EXPECT_NEAR(DegreesFromStraightDown(f.LockLine2), 190.08 - 360, 1e-9);
}

// Off resonance the lock trace is a cosine: past its first rise one unbroken
// line that swings down from its height and never beyond it.
TEST_F(UpdateViewsTest, OffResonanceTheLockTraceSwingsWithinItsHeight) {
    Insert_Click(k);
    for (int step = 0; step < 10; ++step) KeyIn_MouseUp(k, 0, kRightButton);
    const std::vector<Stroke>& trace = k.form.PlotFID.strokes;
    double height = trace[2].y1, lowest = height;
    for (std::size_t i = 1; i < trace.size(); ++i) {
        EXPECT_LE(std::abs(trace[i].y2), height + 1e-9) << i;
        lowest = std::min(lowest, trace[i].y2);
    }
    for (std::size_t i = 3; i < trace.size(); ++i) EXPECT_EQ(trace[i].y1, trace[i - 1].y2) << i;
    EXPECT_LT(lowest, 0);
}
