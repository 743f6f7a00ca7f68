#include "answer_check.h"

#include <cmath>
#include <string>

#include "knob_settings.h"
#include "numtext.h"
#include "update_views.h"

namespace {

constexpr const char* kDefaultsCaption = "Read Default Shims";
constexpr double kLockGoal = 53;

void LoadDefaults(SimulatorState& s) {
    s.Z0 = 51;
    s.Z1 = s.Z2 = s.Z3 = s.Z4 = 0;
    s.LockGain = s.LockPower = 20;
    s.LockPhase = 140;
    s.Z0Offset = s.Z1Offset = s.Z2Offset = s.Z3Offset = s.Z4Offset = 0;
    s.LockPhaseOffset = 0;
}

void LoadAnswer(SimulatorState& s) {
    s.Z0 = CancellingSetting(s.Z0Offset, 51);
    CancelShimErrors(s);
    s.LockPhase = static_cast<std::int16_t>(140 - s.LockPhaseOffset);
}

// Judged on what the window shows from the last redraw.
bool Succeeded(const MainForm& f) {
    return ReadNumber(f.Info.caption) > kLockGoal && ReadNumber(f.ShimLabel[5].caption) == 20 &&
           ReadNumber(f.ShimLabel[6].caption) == 20;
}

std::string Verdict(const std::string& cr, bool won, float seconds) {
    if (won) {
        double minutes = std::floor(10 * seconds / 60 + 0.5) / 10;
        return "You got it in" + NumberText(minutes) + " minutes!!!";
    }
    return "The answers will be shown when you click OK." + cr +
           "Did you try adjusting Z0, Z1, Z2, lockpower, lockgain, lockphase?" + cr +
           "Click this button again to load default shims.";
}

}  // namespace

void Walkup_Click(Kymbral& k) {
    SimulatorState& s = k.state;
    MainForm& f = k.form;
    if (!SampleInserted(f))
        k.messages.Show(kymbral::kProgramName, "Something is wrong. Did you inject your sample?");
    if (f.Walkup.caption == kDefaultsCaption) {
        LoadDefaults(s);
    } else {
        LoadAnswer(s);
        f.Walkup.caption = kDefaultsCaption;
        bool won = Succeeded(f);
        float seconds = k.clock.Now() - s.ScrambleStartTime;
        // Told first: the game counts even if the student never closes the message.
        k.reports.ScrambleAnswered({s.ScrambleLevel, seconds, won});
        k.messages.Show(kymbral::kProgramName, Verdict(s.CR, won, seconds));
        s.LockGain = s.LockPower = 20;
    }
    WriteShimLabels(k);
    UpdateViews(k);
}
