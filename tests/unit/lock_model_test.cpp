#include "lock_model.h"

#include <cmath>
#include <cstdlib>
#include <numbers>
#include <utility>

#include <gtest/gtest.h>

#include "fake_clock.h"
#include "fake_waiter.h"
#include "form_load.h"
#include "recording_messages.h"

namespace {

struct LockModelTest : ::testing::Test {
    FakeClock clock;
    RecordingMessages messages;
    FakeWaiter waiter{clock};
    Reports nowhere;
    Kymbral k{clock, messages, waiter, nowhere};
    void SetUp() override { Form_Load(k); }

    LockModel Compute(bool inserted = true, std::string_view axis = kSingleViewCaption) {
        LockModel model = ComputeLockModel(k.state, inserted, axis);
        StoreLineShapes(k.state, model);
        return model;
    }
    const PanelTrace& Centre(const LockModel& model) { return model.panels[4]; }
};

}  // namespace

TEST_F(LockModelTest, StartUpSettingsWithTheSampleInLockAt5322) {
    LockModel m = Compute();
    EXPECT_DOUBLE_EQ(m.amplitude, 0.02);
    for (int k = 1; k <= 100; ++k) EXPECT_DOUBLE_EQ(Centre(m).field[k], 0.5);
    EXPECT_NEAR(k.state.PanelBins[50], 1.98, 1e-12);
    EXPECT_NEAR(k.state.SpectrumBins[50], 1.98, 1e-12);
    EXPECT_EQ(k.state.SpectrumBins[0], 0);  // bin 0 is never written
    EXPECT_EQ(m.peakBin, 50);
    EXPECT_NEAR(m.lockSum, 7.92, 1e-12);
    EXPECT_NEAR(m.traceHeight, 496, 1e-9);
    EXPECT_EQ(m.levelText, "53.22");
}

// As the field rises, the line reaches the spectrum's last bin before it leaves.
TEST_F(LockModelTest, TheLineReachesTheFirstAndLastBins) {
    for (auto [bin, step] : {std::pair{0, -1}, std::pair{100, 1}}) {
        bool reached = false;
        for (int z0 = 50; std::abs(z0 - 50) < 1000 && !reached; z0 += step) {
            k.state.Z0 = static_cast<std::int16_t>(z0);
            reached = Centre(Compute()).bins[bin] > 0;
        }
        EXPECT_TRUE(reached) << bin;
    }
}

TEST_F(LockModelTest, ShimStepsMoveTheLineBetweenBins) {
    k.state.Z0 = 51;
    EXPECT_EQ(Compute().levelText, "53.22");  // 1.01 x 50 still falls into bin 50

    for (std::int16_t z0 : {52, 49}) {
        k.state.Z0 = z0;
        LockModel m = Compute();
        int bin = z0 == 52 ? 51 : 49;
        EXPECT_NEAR(k.state.SpectrumBins[bin], 1.98, 1e-12) << z0;
        EXPECT_NEAR(m.lockSum, 3.96, 1e-12) << z0;
        EXPECT_NEAR(m.traceHeight, 298, 1e-9) << z0;
        EXPECT_EQ(m.levelText, "26.61") << z0;
        EXPECT_EQ(m.peakBin, bin) << z0;
    }
}

TEST_F(LockModelTest, EjectedSampleGivesNoLockAndKeepsTheSpectrum) {
    Compute(true);
    BinTable spectrum = k.state.SpectrumBins;
    k.state.Z0 = 70;
    LockModel m = Compute(false);
    EXPECT_EQ(m.lockSum, 0);
    EXPECT_EQ(m.traceHeight, 0);
    EXPECT_EQ(m.peakBin, 50);
    EXPECT_EQ(m.levelText, "0");
    EXPECT_EQ(k.state.SpectrumBins.values, spectrum.values);
    for (const PanelTrace& panel : m.panels) {
        for (int i = 1; i <= 100; ++i) EXPECT_FALSE(panel.signal[i]);
    }
}

TEST_F(LockModelTest, PhaseErrorOf180DegreesInvertsTheSignal) {
    k.state.LockPhase = 320;
    LockModel m = Compute();
    EXPECT_DOUBLE_EQ(m.amplitude, -0.02);
    EXPECT_NEAR(k.state.PanelBins[50], -1.98, 1e-12);
    for (int i = 1; i <= 100; ++i) EXPECT_TRUE(Centre(m).signal[i]);  // each touches an empty bin
    EXPECT_EQ(m.peakBin, 0);
    EXPECT_NEAR(m.traceHeight, -296, 1e-9);
    EXPECT_EQ(m.lockSum, 0);
    EXPECT_EQ(m.levelText, "0");
}

TEST_F(LockModelTest, HighGainAndPowerSaturateTheLock) {
    k.state.LockGain = 28;
    k.state.LockPower = 28;
    LockModel m = Compute();
    EXPECT_NEAR(m.lockSum, 4 * 99 * 784 / 20000.0, 1e-9);
    EXPECT_EQ(m.levelText, "100");
    EXPECT_EQ(m.traceHeight, 850);
}

TEST_F(LockModelTest, ShimMapVariesTheNamedShimAcrossColumns) {
    k.state.Z1 = 5;
    LockModel m = Compute(true, "Z1");
    for (const PanelTrace& panel : m.panels) {
        double coefficient = (5 + panel.column) / 100.0;
        EXPECT_NEAR(panel.field[100], 0.5 + coefficient, 1e-12);
        EXPECT_NEAR(panel.field[1], 0.5 - coefficient * 0.98, 1e-12);
    }
    // Rows are alike; the centre panel feeds the spectrum; the peak comes from the last panel.
    EXPECT_EQ(m.panels[1].field, m.panels[7].field);
    EXPECT_EQ(m.panels[0].row, -1);
    EXPECT_EQ(m.panels[8].column, 1);

    LockModel single = Compute(true);
    EXPECT_EQ(single.spectrumBins.values, m.spectrumBins.values);
    EXPECT_EQ(Centre(single).field, Centre(m).field);
}

TEST_F(LockModelTest, ExtremeSettingsNeitherOverflowNorWrap) {
    k.state.LockGain = 32767;
    k.state.LockPower = 32767;
    k.state.LockPhase = 32767;
    k.state.LockPhaseOffset = 32767;
    k.state.Z4 = -32768;
    LockModel m = Compute();
    EXPECT_TRUE(std::isfinite(m.amplitude));
    EXPECT_TRUE(std::isfinite(m.traceHeight));
    EXPECT_LE(m.traceHeight, 850);

    k.state.LockGain = 182;
    k.state.LockPower = 182;  // the product 33124 is beyond 16 bits
    k.state.Z4 = 0;
    EXPECT_NEAR(Compute().amplitude,
                33124 / 20000.0 * std::cos((32767 + 32767 - 140) * std::numbers::pi / 180), 1e-9);
}
