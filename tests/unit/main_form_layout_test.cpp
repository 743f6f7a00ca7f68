#include "main_form_layout.h"
#include "main_form_controls.h"

#include <gtest/gtest.h>

#include <set>

TEST(MainFormLayout, OpensWithTheClockRunningAndTheSampleOut) {
    MainForm f = MakeMainForm();
    EXPECT_TRUE(f.Timer1.enabled);
    EXPECT_EQ(f.Timer1.intervalMs, 10);
    EXPECT_FALSE(SampleInserted(f));
    EXPECT_EQ(f.Restart.caption, "GA");
    EXPECT_EQ(f.Simulator.caption, "Non-Rotating");
    EXPECT_EQ(f.Walkup.caption, "Read Default Shims");
    EXPECT_EQ(f.SpinLabel.caption, "Regulated  20 Hz");
    EXPECT_EQ(f.PW90Value.text, "1");
    EXPECT_EQ(f.T1Value.text, "10");
    EXPECT_EQ(f.T2Value.text, "5");
    EXPECT_TRUE(f.Nucleus1N.visible);
    EXPECT_FALSE(f.Nucleus1.visible);
}

TEST(MainFormLayout, KnobsAndTheirLabelsShareIndexAndColumn) {
    MainForm f = MakeMainForm();
    const char* captions[] = {"Z0", "Z1", "Z2", "Z3", "Z4", "LockGain", "LockPower", "LockPhase"};
    std::set<std::string> names;
    for (int i = 0; i < kKnobCount; ++i) {
        EXPECT_EQ(f.KeyIn[i].caption, captions[i]);
        EXPECT_EQ(f.ShimLabel[i].rect.left, f.KeyIn[i].rect.left);
        EXPECT_EQ(f.ShimLabel[i].rect.top, f.KeyIn[i].rect.top + 240);
        EXPECT_EQ(f.ShimLabel[i].alignment, Alignment::Centre);
        names.insert(f.KeyIn[i].name);
        names.insert(f.ShimLabel[i].name);
    }
    EXPECT_EQ(names.size(), 2u * kKnobCount);
}

TEST(MainFormLayout, PictureBoxesDrawInsideTheirBorder) {
    MainForm f = MakeMainForm();
    EXPECT_EQ(f.PlotFID.scale.top, 1000);
    EXPECT_EQ(f.PlotFID.scale.height, -2000);
    EXPECT_EQ(f.PlotPeakShape.scale.width, 10575 - 60);
    EXPECT_EQ(f.PlotPeakShape.background, colours::MenuText);
    // Label9 lies in the spectrum's picture box, below what it shows.
    EXPECT_EQ(f.Label9.caption, "Label9");
    EXPECT_GE(f.Label9.rect.top, f.PlotPeakShape.rect.height);
}

// A control left out of the list never shows; one listed twice shows twice.
TEST(MainFormLayout, TheControlListHoldsEveryControlOnceByItsOwnName) {
    MainForm f = MakeMainForm();
    std::size_t bytes = 0, named = 0;
    std::set<std::string> names;
    ForEachControl(f, [&](const auto& control) {
        bytes += sizeof(control);
        if constexpr (requires { control.name; }) {
            EXPECT_FALSE(control.name.empty());
            names.insert(control.name);
            ++named;
        }
    });
    EXPECT_EQ(bytes, sizeof(MainForm));
    EXPECT_EQ(names.size(), named);
}
