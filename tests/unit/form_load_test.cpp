#include "form_load.h"

#include <gtest/gtest.h>

#include <numbers>
#include <tuple>

#include "fake_clock.h"
#include "fake_waiter.h"
#include "recording_messages.h"

namespace {

struct FormLoadTest : ::testing::Test {
    FakeClock clock{43200.5f};
    RecordingMessages messages;
    FakeWaiter waiter{clock};
    Reports nowhere;
    Kymbral k{clock, messages, waiter, nowhere};
    void SetUp() override { Form_Load(k); }
};

}  // namespace

TEST_F(FormLoadTest, GivesTheStateItsStartUpValues) {
    const SimulatorState& s = k.state;
    EXPECT_DOUBLE_EQ(s.Pi, std::numbers::pi);
    EXPECT_EQ(s.CR, "\r");
    EXPECT_EQ(std::tuple(s.Z0, s.Z1, s.Z2, s.Z3, s.Z4), std::tuple(50, 0, 0, 0, 0));
    EXPECT_EQ(std::tuple(s.LockGain, s.LockPower, s.LockPhase, s.LockPhaseOffset),
              std::tuple(20, 20, 140, 0));
    EXPECT_EQ(s.Z0Offset + s.Z1Offset + s.Z2Offset + s.Z3Offset + s.Z4Offset, 0.0f);
    EXPECT_DOUBLE_EQ(s.FrameStep, 0.1);
    EXPECT_FLOAT_EQ(s.ScanElapsed, 43230.5f);
    EXPECT_GT(s.ScanElapsed, s.at);  // the first tick after GA starts a scan
    // Parsed from the parameter lines.
    EXPECT_EQ(std::tuple(s.sfrq, s.at, s.pw, s.dfrq, s.p1),
              std::tuple(399.908, 30.0, 1.0, 399.908, 0.0));
    EXPECT_EQ(std::tuple(s.tn, s.dn, s.dm), std::tuple("H1", "H1", "nnn"));
}

TEST_F(FormLoadTest, WritesTheStartUpCaptions) {
    EXPECT_EQ(k.form.Info.caption, "Ready");
    EXPECT_EQ(k.form.ShimXLabel.caption, "Intensity versus Hz or ppm");
    EXPECT_FALSE(k.form.ShimYLabel.visible);
}
