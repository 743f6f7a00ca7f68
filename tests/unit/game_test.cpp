#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "answer_check.h"
#include "command_line.h"
#include "eject_insert.h"
#include "help.h"
#include "knobs.h"
#include "numtext.h"
#include "scramble_levels.h"
#include "started_kymbral.h"
#include "unknown_sample.h"
#include "update_views.h"

namespace {

struct GameTest : ::testing::Test, StartedKymbral {
    // A game whose hidden errors are all zero, answered with the sample in.
    void PerfectGameWithPhaseError(std::int16_t phaseError) {
        ScrambleEasy_Click(k);
        k.state.Z0Offset = k.state.Z1Offset = k.state.Z2Offset = 0;
        k.state.LockPhaseOffset = phaseError;
        k.state.LockPhase = 140;
        Insert_Click(k);
    }
    const std::string& LastMessage() { return messages.shown.back().text; }
};

}  // namespace

TEST_F(GameTest, AGameEjectsTheSampleAndTurnsWalkupIntoAnswer) {
    Insert_Click(k);
    clock.Advance(12);
    Scramble_Click(k);
    EXPECT_FALSE(SampleInserted(k.form));
    EXPECT_EQ(k.form.Info.caption, "0");
    EXPECT_EQ(k.form.Walkup.caption, "Answer");
    EXPECT_EQ(k.state.ScrambleStartTime, clock.Now());
    const SimulatorState& s = k.state;
    for (float e : {s.Z0Offset, s.Z1Offset, s.Z2Offset}) {
        EXPECT_GE(e, -0.1f);
        EXPECT_LE(e, 0.09f);
        EXPECT_NEAR(e * 100, std::round(e * 100), 1e-4);  // whole hundredths
    }
    EXPECT_GE(s.LockGain, 0);
    EXPECT_LE(s.LockGain, 39);
    EXPECT_LE(s.LockPhaseOffset, 180);
    EXPECT_EQ(Labels()[5], IntegerText(s.LockGain));
    EXPECT_EQ(Labels()[6], IntegerText(s.LockPower));
    EXPECT_EQ(Labels()[7], "140");  // the phase knob itself is untouched
    EXPECT_EQ(s.Z0, 50);            // errors are hidden: the knobs stay
}

// Each level writes afresh the value labels of its table, whatever they showed.
TEST_F(GameTest, EachLevelRewritesItsOwnValueLabels) {
    const std::pair<void (*)(Kymbral&), std::string> levels[] = {{ScrambleEasy_Click, "www-----"},
                                                                 {Scramble_Click, "www--www"},
                                                                 {ScrambleHard_Click, "wwwwwwww"}};
    for (const auto& [start, rewritten] : levels) {
        for (Label& label : k.form.ShimLabel) label.caption = "-";
        start(k);
        std::string shown;
        for (const Label& label : k.form.ShimLabel) shown += label.caption == "-" ? '-' : 'w';
        EXPECT_EQ(shown, rewritten);
    }
}

TEST_F(GameTest, PhaseErrorsSpanZeroTo180Degrees) {
    int lowest = 180, highest = 0;
    for (int game = 0; game < 1000; ++game) {
        clock.Advance(1);
        ScrambleHard_Click(k);
        lowest = std::min<int>(lowest, k.state.LockPhaseOffset);
        highest = std::max<int>(highest, k.state.LockPhaseOffset);
    }
    EXPECT_EQ(lowest, 0);
    EXPECT_GE(highest, 179);
    EXPECT_LE(highest, 180);
}

TEST_F(GameTest, AZeroRandomArgumentRepeatsTheLastValue) {
    k.state.ScanStart = clock.Now();
    ScrambleEasy_Click(k);
    EXPECT_EQ(k.state.Z0Offset, k.state.Z1Offset);
    EXPECT_EQ(k.state.Z1Offset, k.state.Z2Offset);

    k.state.ScanElapsed = 0;
    SampleScramble_Click(k);
    EXPECT_DOUBLE_EQ(ReadNumber(k.form.T1Value.text), 2 * ReadNumber(k.form.T2Value.text));
}

TEST_F(GameTest, TheUnknownSampleTogglesAndT1AlwaysExceedsT2) {
    for (int i = 0; i < 300; ++i) {
        k.state.ScanElapsed = 1 + i;
        SampleScramble_Click(k);
        ASSERT_FALSE(k.form.PW90Value.visible);
        ASSERT_FALSE(k.form.T1Value.visible);
        double pw90 = ReadNumber(k.form.PW90Value.text), t1 = ReadNumber(k.form.T1Value.text),
               t2 = ReadNumber(k.form.T2Value.text);
        ASSERT_EQ(k.form.T2Value.text.front(), ' ');
        ASSERT_GE(pw90, 0.1 - 1e-6);
        ASSERT_LE(pw90, 5.0 + 1e-6);
        ASSERT_GE(t1 - t2, 0.1 - 1e-9) << k.form.T1Value.text << " " << k.form.T2Value.text;
        ASSERT_LE(t1 - t2, 10 + 1e-9);
        std::string shownT1 = k.form.T1Value.text;
        SampleScramble_Click(k);  // shows them again without drawing
        ASSERT_TRUE(k.form.T2Value.visible);
        ASSERT_EQ(k.form.T1Value.text, shownT1);
        ASSERT_LE(shownT1.size(), 6u);  // tenths, not binary residue
    }
}

TEST_F(GameTest, AnAnswerWithTheSampleOutWarnsHintsAndStillLoadsTheAnswer) {
    ScrambleHard_Click(k);
    SimulatorState s = k.state;
    Walkup_Click(k);
    ASSERT_EQ(messages.shown.size(), 2u);
    EXPECT_EQ(messages.shown[0].title, "Kymbral");
    EXPECT_EQ(messages.shown[0].text, "Something is wrong. Did you inject your sample?");
    EXPECT_EQ(messages.shown[1].text,
              "The answers will be shown when you click OK.\r"
              "Did you try adjusting Z0, Z1, Z2, lockpower, lockgain, lockphase?\r"
              "Click this button again to load default shims.");
    EXPECT_EQ(k.state.Z0, std::lround(51 - 100.0 * s.Z0Offset));
    EXPECT_EQ(k.state.Z3, std::lround(-100.0 * s.Z3Offset));
    EXPECT_EQ(k.state.LockPhase, 140 - s.LockPhaseOffset);
    EXPECT_EQ(k.state.LockGain, 20);
    EXPECT_EQ(k.state.LockPower, 20);
    EXPECT_EQ(k.form.Walkup.caption, "Read Default Shims");
    EXPECT_EQ(Labels()[5], "20");

    Insert_Click(k);  // the answer cancels the errors exactly
    EXPECT_EQ(k.form.Info.caption, "53.22");
}

TEST_F(GameTest, SuccessReportsTheTimeInTenthsOfMinutes) {
    const std::pair<float, const char*> times[] = {{150, "You got it in 2.5 minutes!!!"},
                                                   {2, "You got it in 0 minutes!!!"},
                                                   {600, "You got it in 10 minutes!!!"},
                                                   {33, "You got it in 0.6 minutes!!!"}};
    for (auto [seconds, message] : times) {
        PerfectGameWithPhaseError(0);
        clock.Advance(seconds);
        Walkup_Click(k);
        EXPECT_EQ(LastMessage(), message);
    }
}

TEST_F(GameTest, TheGoalIsALockAbove53WithGainAndPowerAt20) {
    PerfectGameWithPhaseError(5);
    EXPECT_EQ(k.form.Info.caption, "53.02");
    Walkup_Click(k);
    EXPECT_EQ(LastMessage().rfind("You got it in", 0), 0u);

    PerfectGameWithPhaseError(6);
    EXPECT_EQ(k.form.Info.caption, "52.93");
    Walkup_Click(k);
    EXPECT_EQ(LastMessage().rfind("The answers will be shown", 0), 0u);

    PerfectGameWithPhaseError(0);
    k.form.Info.caption = "53";
    Walkup_Click(k);
    EXPECT_EQ(LastMessage().rfind("The answers will be shown", 0), 0u);

    PerfectGameWithPhaseError(0);
    KeyIn_MouseUp(k, 5, kRightButton);  // gain 21: the lock is higher, but it does not count
    Walkup_Click(k);
    EXPECT_EQ(LastMessage().rfind("The answers will be shown", 0), 0u);
}

TEST_F(GameTest, EachAnsweredGameIsReportedWithItsLevelTimeAndOutcome) {
    PerfectGameWithPhaseError(0);
    clock.Advance(150);
    Walkup_Click(k);
    Walkup_Click(k);  // the defaults: no game
    const std::pair<void (*)(Kymbral&), int> lost[] = {{Scramble_Click, 2},
                                                       {ScrambleHard_Click, 3}};
    for (auto [start, level] : lost) {
        start(k);
        clock.Advance(static_cast<float>(level));
        Walkup_Click(k);  // with the sample out
    }
    EXPECT_EQ(reports.games,
              (std::vector<ScrambleAnswer>{{1, 150, true}, {2, 2, false}, {3, 3, false}}));
}

TEST_F(GameTest, ReadDefaultShimsClearsEveryError) {
    ScrambleHard_Click(k);
    Insert_Click(k);
    Walkup_Click(k);  // the answer
    std::size_t shown = messages.shown.size();
    Walkup_Click(k);  // the defaults
    EXPECT_EQ(messages.shown.size(), shown);
    const SimulatorState& s = k.state;
    EXPECT_EQ(s.Z0, 51);
    EXPECT_EQ(s.Z1 | s.Z2 | s.Z3 | s.Z4, 0);
    EXPECT_EQ(s.Z0Offset + s.Z1Offset + s.Z2Offset + s.Z3Offset + s.Z4Offset, 0.0f);
    EXPECT_EQ(s.LockPhaseOffset, 0);
    EXPECT_EQ(s.LockPhase, 140);
    EXPECT_EQ(Labels(), (std::vector<std::string>{"51", "0", "0", "0", "0", "20", "20", "140"}));
    EXPECT_EQ(k.form.Info.caption, "53.22");
}

TEST_F(GameTest, HelpShowsItsTwelveLines) {
    Help_Click(k);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].title, "Kymbral Help");
    const std::string& text = messages.shown[0].text;
    EXPECT_EQ(std::count(text.begin(), text.end(), '\r'), 11);
    EXPECT_EQ(text.find('\n'), std::string::npos);
    EXPECT_EQ(text.rfind("Simulates Orvane software", 0), 0u);
}
