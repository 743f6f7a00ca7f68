#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "acquisition_buttons.h"
#include "animation.h"
#include "command_line.h"
#include "eject_insert.h"
#include "started_kymbral.h"
#include "timer_tick.h"

namespace {

struct AcquisitionTest : ::testing::Test, StartedKymbral {
    void Type(const std::string& command) {
        k.form.KeyboardInput.text = command;
        KeyboardInput_KeyUp(k, kEnterKey);
    }
    // Ticks `count` times, the clock moving 10 ms before each tick.
    void Tick(int count = 1) {
        for (int i = 0; i < count; ++i) {
            clock.Advance(0.01f);
            Timer1_Timer(k);
        }
    }
    void Ga() { Restart_Click(k); }
};

constexpr double kLn2 = 0.69314718055994531;

}  // namespace

TEST_F(AcquisitionTest, StartUpSampleTipsTheNucleiIntoThePlane) {
    Ga();
    EXPECT_EQ(k.form.Restart.caption, "Abort");
    EXPECT_EQ(k.form.LockFID.caption, "FID");
    EXPECT_TRUE(k.form.Timer1.enabled);
    Tick();
    const SimulatorState& s = k.state;
    EXPECT_DOUBLE_EQ(s.PulseMxy, 1);
    EXPECT_NEAR(s.T2Offset, 0, 1e-12);
    EXPECT_NEAR(s.T1Offset, 10 * kLn2, 1e-9);
    EXPECT_EQ(s.ScanElapsed, 0);
    EXPECT_EQ(k.form.MxLabel.caption, "1.00");
    EXPECT_EQ(k.form.TimeLabel.caption, "0.0");
    EXPECT_EQ(k.form.Angle1Label.caption, "90");
    EXPECT_EQ(k.form.Angle2Label.caption, "0");
    EXPECT_TRUE(k.form.Nucleus1.visible);
    EXPECT_TRUE(k.form.Nucleus2Nxy.visible);
    EXPECT_EQ(k.form.PlotFID.scale.width, 30);
    ASSERT_EQ(k.form.PlotFID.strokes.size(), 1u);
    EXPECT_EQ(k.form.PlotFID.strokes[0].kind, StrokeKind::Point);
    EXPECT_NEAR(k.form.PlotFID.strokes[0].y1, 500, 1e-6);
}

TEST_F(AcquisitionTest, TheFidDecaysAndOscillatesOnePointPerTick) {
    Ga();
    Tick(201);
    EXPECT_EQ(k.form.PlotFID.strokes.size(), 201u);
    EXPECT_EQ(k.form.TimeLabel.caption, "2.0");
    const SimulatorState& s = k.state;
    // The plotted FID is 500 sin(tilt) cos(phase) mxy, with the phase of the tick just drawn.
    double t = s.ScanElapsed, phase = s.PrecessionPhase - s.FrameStep;
    double mz = 1 - 2 * std::exp(-(t + s.T1Offset) / 10);
    double expected = 500 * std::sin(ArcCos(mz)) * std::cos(phase) * std::exp(-t / 5);
    EXPECT_NEAR(k.form.PlotFID.strokes.back().y1, expected, 1e-6);
}

TEST_F(AcquisitionTest, The180DegreePulseInvertsWithoutAnFid) {
    Type("pw=2");
    Ga();
    Tick();
    EXPECT_NEAR(k.state.PulseMxy, 0, 1e-12);
    EXPECT_NEAR(k.state.T1Offset, 0, 1e-12);
    EXPECT_EQ(k.form.Angle1Label.caption, "0");  // ArcCos(-1) is 0
    Tick();  // the tilt is close to 180 degrees: the bars point down
    EXPECT_GE(std::stoi(k.form.Angle1Label.caption), 170);
    EXPECT_LT(std::stoi(k.form.Angle1Label.caption), 180);
    EXPECT_NEAR(k.form.PlotFID.strokes.back().y1, 0, 1);
}

TEST_F(AcquisitionTest, NoPulseLeavesTheNucleiUpright) {
    Type("pw=0");
    Ga();
    Tick(3);
    EXPECT_EQ(k.state.PulseMxy, 0);
    EXPECT_EQ(k.state.T1Offset, 1000);
    EXPECT_EQ(k.state.T2Offset, 1000);
    EXPECT_EQ(k.form.Angle1Label.caption, "0");
    for (const Stroke& point : k.form.PlotFID.strokes) EXPECT_NEAR(point.y1, 0, 1e-9);
}

TEST_F(AcquisitionTest, LongT2ShowsOneNucleusOnly) {
    k.form.T2Value.text = "1000";
    Ga();
    Tick();
    EXPECT_TRUE(k.form.Nucleus1.visible);
    EXPECT_FALSE(k.form.Nucleus2.visible);
    EXPECT_FALSE(k.form.Nucleus2Nxy.visible);
}

TEST_F(AcquisitionTest, ANewScanStartsWhenTheAcquisitionTimeIsOver) {
    Type("at=5");
    Ga();
    Tick();
    EXPECT_EQ(k.form.PlotFID.scale.width, 5);
    Tick(498);  // 4.98 s after the scan start
    EXPECT_EQ(k.form.PlotFID.strokes.size(), 499u);
    Tick(4);    // past 5 s: a fresh pulse and a cleared plot
    EXPECT_LT(k.form.PlotFID.strokes.size(), 4u);
    EXPECT_LT(k.state.ScanElapsed, 0.03f);
}

TEST_F(AcquisitionTest, GaDuringAScanStartsAnotherWithinTwoTicks) {
    Ga();
    Tick(100);
    Type("ga");
    EXPECT_EQ(k.form.Restart.caption, "Abort");
    Tick();  // still the old scan, now as old as the time of day
    EXPECT_FLOAT_EQ(k.state.ScanElapsed, clock.Now());
    EXPECT_EQ(k.form.PlotFID.strokes.size(), 101u);
    Tick();
    EXPECT_EQ(k.state.ScanElapsed, 0);
    EXPECT_EQ(k.form.PlotFID.strokes.size(), 1u);
}

TEST_F(AcquisitionTest, AbortFreezesAndGaAgainRestarts) {
    Ga();
    Tick(10);
    Ga();
    EXPECT_EQ(k.form.Restart.caption, "GA");
    EXPECT_FALSE(k.form.Timer1.enabled);
    EXPECT_EQ(k.form.PlotFID.strokes.size(), 10u);
    Ga();
    EXPECT_TRUE(k.form.Timer1.enabled);
}

TEST_F(AcquisitionTest, TheRotatingFrameFreezesTheAzimuth) {
    Ga();
    Tick(5);
    Simulator_Click(k);
    EXPECT_EQ(k.form.Simulator.caption, "Rotating");
    double phase = k.state.PrecessionPhase;
    Tick(20);
    EXPECT_EQ(k.state.PrecessionPhase, phase);
    Simulator_Click(k);
    EXPECT_EQ(k.form.Simulator.caption, "Non-Rotating");
    Tick();
    EXPECT_NEAR(k.state.PrecessionPhase, phase + 0.1, 1e-12);
}

TEST_F(AcquisitionTest, ARedrawStopsTheClockButKeepsAbort) {
    Ga();
    Tick(3);
    Insert_Click(k);
    EXPECT_FALSE(k.form.Timer1.enabled);
    EXPECT_EQ(k.form.Restart.caption, "Abort");
    Ga();
    EXPECT_FALSE(k.form.Timer1.enabled);
    EXPECT_EQ(k.form.Restart.caption, "GA");
}

TEST_F(AcquisitionTest, TheExcitedSpectrumScalesWithThePulse) {
    Insert_Click(k);
    Type("pw=0.5");
    Ga();
    Tick();
    const auto& spectrum = k.form.PlotPeakShape.strokes;
    ASSERT_EQ(spectrum.size(), 100u);
    EXPECT_NEAR(spectrum[49].y2, 2 * std::sin(std::numbers::pi / 4) * 1.98 - 3, 1e-9);
}

TEST(ArcCos, IsTheInverseCosineInsideAndZeroAtOrBeyondOne) {
    EXPECT_NEAR(ArcCos(0.5), std::numbers::pi / 3, 1e-12);
    EXPECT_NEAR(ArcCos(-0.5), 2 * std::numbers::pi / 3, 1e-12);
    EXPECT_NEAR(ArcCos(0), std::numbers::pi / 2, 1e-12);
    for (double x : {1.0, -1.0, 1.5, -2.0, HUGE_VAL, -HUGE_VAL, std::nan("")}) EXPECT_EQ(ArcCos(x), 0) << x;
}

TEST_F(AcquisitionTest, UnusableValuesStopTheAcquisitionWithAMessage) {
    struct Case {
        TextBox MainForm::*box;
        const char* text;
        const char* command;
        const char* message;
    };
    const Case cases[] = {
        {&MainForm::PW90Value, "0", "", "PW90 must be a finite number other than 0."},
        {&MainForm::PW90Value, "abc", "", "PW90 must be a finite number other than 0."},
        {&MainForm::PW90Value, "1e999", "", "PW90 must be a finite number other than 0."},
        {&MainForm::T1Value, "0", "", "T1 must be a finite number greater than 0."},
        {&MainForm::T1Value, "1e999", "", "T1 must be a finite number greater than 0."},
        {&MainForm::T2Value, "-5", "", "T2 must be a finite number greater than 0."},
        {&MainForm::PW90Value, "1", "at=0", "at must be a finite number greater than 0."},
        {&MainForm::PW90Value, "1", "at=-1", "at must be a finite number greater than 0."},
        {&MainForm::PW90Value, "1", "at=1e999", "at must be a finite number greater than 0."},
        {&MainForm::PW90Value, "1", "pw=1e999", "pw must be a finite number."},
        {&MainForm::PW90Value, "1e-320", "", "pw is too large for this PW90."},
    };
    for (const Case& c : cases) {
        StartedKymbral fresh;
        Kymbral& kk = fresh.k;
        (kk.form.*c.box).text = c.text;
        kk.form.KeyboardInput.text = c.command;
        KeyboardInput_KeyUp(kk, kEnterKey);
        Restart_Click(kk);
        EXPECT_FALSE(kk.form.Timer1.enabled) << c.message;
        EXPECT_EQ(kk.form.Restart.caption, "GA") << c.message;
        ASSERT_EQ(fresh.messages.shown.size(), 1u) << c.message;
        EXPECT_EQ(fresh.messages.shown[0].title, "Kymbral");
        EXPECT_EQ(fresh.messages.shown[0].text, c.message);
        EXPECT_TRUE(kk.form.PlotFID.strokes.size() == 27u) << c.message;  // the lock trace stays
    }
}

// GA refuses at once; values that turn bad during an acquisition are refused
// at the next scan start, by a tick that writes nothing.
TEST_F(AcquisitionTest, ARefusedStartLeavesNoTraceOfTheScanThatNeverStarted) {
    Insert_Click(k);
    Ga();
    Tick(100);
    Ga();  // Abort
    k.form.PW90Value.text = "0";
    const MainForm before = k.form;
    Ga();
    while (k.form.Timer1.enabled) Tick();
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(k.form.Restart.caption, "GA");
    for (auto label : {&MainForm::TimeLabel, &MainForm::MxLabel, &MainForm::Angle1Label,
                       &MainForm::Angle2Label, &MainForm::LockFID}) {
        EXPECT_EQ((k.form.*label).caption, (before.*label).caption);
    }
    EXPECT_EQ(k.form.PlotFID.strokes.size(), before.PlotFID.strokes.size());

    k.form.PW90Value.text = "1";
    Ga();
    Tick(3);
    k.form.PW90Value.text = "0";
    Type("at=0.01");  // the scan is over: the next tick starts another
    const MainForm running = k.form;
    Tick();
    EXPECT_EQ(messages.shown.size(), 2u);
    EXPECT_EQ(k.form.Restart.caption, "GA");
    EXPECT_EQ(k.form.TimeLabel.caption, running.TimeLabel.caption);
}
