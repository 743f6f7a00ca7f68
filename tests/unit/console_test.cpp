#include <gtest/gtest.h>

#include <cmath>
#include <tuple>

#include "eject_insert.h"
#include "gradient_shim.h"
#include "knobs.h"
#include "scramble_levels.h"
#include "started_kymbral.h"

namespace {

struct ConsoleTest : ::testing::Test, StartedKymbral {};

}  // namespace

TEST_F(ConsoleTest, LeftStepsDownRightStepsUpMiddleOnlyRedraws) {
    KeyIn_MouseUp(k, 0, kLeftButton);
    EXPECT_EQ(k.state.Z0, 49);
    EXPECT_EQ(Labels()[0], "49");

    KeyIn_MouseUp(k, 7, kRightButton);
    EXPECT_EQ(k.state.LockPhase, 141);
    EXPECT_EQ(Labels()[7], "141");

    k.form.ShimLabel[3].caption = "stale";
    k.form.Timer1.enabled = true;
    KeyIn_MouseUp(k, 3, kMiddleButton);
    EXPECT_EQ(k.state.Z3, 0);
    EXPECT_EQ(Labels()[3], "0");          // all eight are rewritten, whichever knob
    EXPECT_FALSE(k.form.Timer1.enabled);  // and the views redrawn
}

TEST_F(ConsoleTest, StepsPastTheSixteenBitRangeAreRefused) {
    k.state.Z1 = 32767;
    KeyIn_MouseUp(k, 1, kRightButton);
    EXPECT_EQ(k.state.Z1, 32767);
    EXPECT_EQ(Labels()[1], "32767");
    k.state.Z1 = -32768;
    KeyIn_MouseUp(k, 1, kLeftButton);
    EXPECT_EQ(k.state.Z1, -32768);
    EXPECT_EQ(Labels()[1], "-32768");
    KeyIn_MouseUp(k, 1, kRightButton);
    EXPECT_EQ(k.state.Z1, -32767);
    // The ends themselves can be reached.
    KeyIn_MouseUp(k, 1, kLeftButton);
    EXPECT_EQ(k.state.Z1, -32768);
    k.state.Z1 = 32766;
    KeyIn_MouseUp(k, 1, kRightButton);
    EXPECT_EQ(k.state.Z1, 32767);
}

TEST_F(ConsoleTest, InsertAndEjectMoveTheTubeAndRedraw) {
    EXPECT_EQ(k.form.NMRTube.rect.top, 1500);
    Insert_Click(k);
    EXPECT_EQ(k.form.NMRTube.rect.top, 3500);
    EXPECT_EQ(k.form.Info.caption, "53.22");
    Insert_Click(k);  // a second press moves nothing but redraws
    EXPECT_EQ(k.form.NMRTube.rect.top, 3500);
    EXPECT_EQ(k.form.Info.caption, "53.22");
    Eject_Click(k);
    EXPECT_EQ(k.form.NMRTube.rect.top, 1500);
    EXPECT_EQ(k.form.Info.caption, "0");
}

TEST_F(ConsoleTest, KnobsFollowTheLockWithTheSampleIn) {
    Insert_Click(k);
    KeyIn_MouseUp(k, 0, kRightButton);  // 51: still bin 50
    EXPECT_EQ(k.form.Info.caption, "53.22");
    KeyIn_MouseUp(k, 0, kRightButton);  // 52: one bin off
    EXPECT_EQ(k.form.Info.caption, "26.61");
}

TEST_F(ConsoleTest, GradientShimCancelsZ1ToZ4AfterFiveSeconds) {
    ScrambleEasy_Click(k);
    k.state.Z1Offset = -0.07f;
    k.state.Z3 = 12;
    Insert_Click(k);
    float before = clock.Now();
    GradientShim_Click(k);
    EXPECT_EQ(waiter.waits, 1);
    EXPECT_GE(clock.Now() - before, 5.0f);
    EXPECT_EQ(k.state.Z1, 7);
    EXPECT_EQ(k.state.Z2, std::lround(-100.0 * k.state.Z2Offset));
    EXPECT_EQ(k.state.Z3, 0);  // overwritten even though its error is 0
    EXPECT_EQ(Labels()[1], "7");
    EXPECT_EQ(k.state.Z0, 50);
    EXPECT_EQ(k.form.GradientShim.caption, "Gradient Shim");
}

TEST_F(ConsoleTest, GradientShimDrawsItsPulseBeforeTheWait) {
    // A waiter that looks at the window as the wait begins.
    struct Peek : Waiter {
        std::function<void()> look;
        FakeClock* clock = nullptr;
        void WaitUntil(const std::function<bool()>& done) override {
            look();
            while (!done()) clock->Advance(1);
        }
    } peek;
    Kymbral shimmed{clock, messages, peek, reports};
    shimmed.state = k.state;
    shimmed.form = k.form;
    Insert_Click(shimmed);
    std::vector<Stroke> pulse;
    std::string caption;
    peek.clock = &clock;
    peek.look = [&] {
        pulse = shimmed.form.PlotPeakShape.strokes;
        caption = shimmed.form.GradientShim.caption;
    };
    GradientShim_Click(shimmed);
    EXPECT_EQ(caption, "Shimming...");
    ASSERT_EQ(pulse.size(), 2 * 100u + 1);  // two sine edges of 100 points and the flat top
    EXPECT_EQ(std::tuple(pulse[1].x1, pulse[1].y1), std::tuple(2.0, 1.25));  // the fall begins
    const Stroke& top = pulse.back();
    EXPECT_EQ(std::tuple(top.x1, top.y1, top.x2, top.y2), std::tuple(-2.0, 1.25, 2.0, 1.25));
}

TEST_F(ConsoleTest, GradientShimWithTheSampleOutOnlyClearsTheSpectrum) {
    k.state.Z1Offset = 0.05f;
    float before = clock.Now();
    GradientShim_Click(k);
    EXPECT_EQ(waiter.waits, 0);
    EXPECT_EQ(clock.Now(), before);
    EXPECT_EQ(k.state.Z1, 0);
    EXPECT_TRUE(k.form.PlotPeakShape.strokes.empty());
    EXPECT_EQ(k.form.GradientShim.caption, "Gradient Shim");
}
