#include "plot_words.h"

#include <gtest/gtest.h>

#include "eject_insert.h"
#include "knobs.h"
#include "main_form_access.h"
#include "shim_axis.h"
#include "started_kymbral.h"

namespace {

// One model shown through each test, as the window keeps it: it must follow every change.
struct PlotWordsTest : ::testing::Test, StartedKymbral {
    ShownModel shown;
    void Step(int knob, int steps) {
        for (int i = 0; i < steps; ++i) KeyIn_MouseUp(k, knob, kRightButton);
    }
};

constexpr int kZ1 = 1, kZ2 = 2;

}  // namespace

TEST_F(PlotWordsTest, TheLineShapeAndTheFieldInWordsFollowTheShims) {
    EXPECT_EQ(SpectrumFacts(k, shown).description, "No line: no signal");
    Insert_Click(k);
    EXPECT_TRUE(SpectrumFacts(k, shown).description.starts_with("One narrow line, 99 % as tall"))
        << SpectrumFacts(k, shown).description;
    EXPECT_EQ(FieldFacts(k, shown).description, "Flat along the sample");

    Step(kZ1, 20);
    EXPECT_TRUE(SpectrumFacts(k, shown).description.starts_with("One broad line, "))
        << SpectrumFacts(k, shown).description;
    EXPECT_TRUE(FieldFacts(k, shown).description.starts_with("Sloping, "))
        << FieldFacts(k, shown).description;

    for (int i = 0; i < 20; ++i) KeyIn_MouseUp(k, kZ1, kLeftButton);
    Step(kZ2, 30);
    EXPECT_EQ(FieldFacts(k, shown).description, "Curved along the sample");
}

TEST_F(PlotWordsTest, TheWordsFollowTheHiddenErrorsTheLockSettingsAndTheView) {
    Insert_Click(k);
    EXPECT_EQ(FieldFacts(k, shown).description, "Flat along the sample");
    k.state.Z1Offset = 0.2f;
    EXPECT_TRUE(FieldFacts(k, shown).description.starts_with("Sloping, "));
    std::string trace = LockGraphFacts(k, shown).description;
    k.state.LockPower = 10;
    EXPECT_NE(LockGraphFacts(k, shown).description, trace);
    ShimXLabel_Click(k);
    EXPECT_TRUE(SpectrumFacts(k, shown).description.starts_with("In the middle: "));
}

TEST_F(PlotWordsTest, LinesApartAreCountedAndTheTallestCapsTheHeight) {
    BinTable bins;
    bins[20] = 5;
    bins[21] = 4;
    bins[60] = 5;
    EXPECT_EQ(LineShapeWords(bins, 4),
              "A line split in two, 100 % as tall as the line of a perfectly shimmed sample");
    bins[23] = 5;    // two empty bins from the line: still the line
    bins[27] = 5;    // three: a line of its own
    bins[100] = -6;  // the last bin, pointing down, the tallest
    EXPECT_EQ(LineShapeWords(bins, 12),
              "A line split into 4, 50 % as tall as the line of a perfectly shimmed sample");
}

TEST_F(PlotWordsTest, AFieldSpanningABinIsNoLongerFlat) {
    PanelTrace panel;
    for (int k = 1; k <= kFieldPoints; ++k) panel.field[k] = 0.03 * k / kFieldPoints;
    EXPECT_EQ(FieldWords(panel), "Sloping, rising along the sample");  // 1.5 bins
    for (int k = 1; k <= kFieldPoints; ++k) panel.field[k] = 0.015 * k / kFieldPoints;
    EXPECT_EQ(FieldWords(panel), "Flat along the sample");  // 0.75 bins
}

TEST_F(PlotWordsTest, TheGraphSaysTheLockTraceOrHowFarTheFidHasDecayed) {
    Insert_Click(k);
    EXPECT_EQ(LockGraphFacts(k, shown).name, "Lock graph");
    EXPECT_TRUE(LockGraphFacts(k, shown).description.starts_with("The lock trace at "))
        << LockGraphFacts(k, shown).description;
    EXPECT_EQ(FidWords(0.5, 2), "The FID, 0 s so far: still strong");
    EXPECT_EQ(FidWords(3, 5), "The FID, 3 s so far: decaying");
    EXPECT_EQ(FidWords(10, 5), "The FID, 10 s so far: mostly decayed");
    EXPECT_EQ(FidWords(20, 5), "The FID, 20 s so far: decayed");
}

TEST_F(PlotWordsTest, NumbersAreReadWithWhatTheyAreAndPlaceholdersNever) {
    Label angle;
    angle.caption = "Label7";
    EXPECT_EQ(ReadingFacts(angle, "Angle of the side view", " degrees").name,
              "Angle of the side view");
    angle.caption = "79";
    EXPECT_EQ(ReadingFacts(angle, "Angle of the side view", " degrees").name,
              "Angle of the side view, 79 degrees");
    EXPECT_EQ(ViewSelectorFacts(k.form).description, "Now the line shape of the sample");
    EXPECT_EQ(KnobFacts(k.form, kZ1).maximum, 32767);
    AccessibleFacts meter = LockMeterFacts(k.form);
    EXPECT_EQ(std::tuple(meter.name, meter.minimum, meter.maximum),
              std::tuple("Lock level", 0, 100));
}
