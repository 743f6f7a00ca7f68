#include "acquisition_buttons.h"
#include "answer_check.h"
#include "eject_insert.h"
#include "gradient_shim.h"
#include "help.h"
#include "kymbral_world.h"
#include "scramble_levels.h"
#include "shim_axis.h"
#include "unknown_sample.h"

namespace {

void Expect(bool holds, const char* what, EventOutcome& out) {
    if (!holds) out.problems.push_back(what);
}

void ExpectRedrawn(const Snapshot&, const KymbralWorld& world, EventOutcome& out) {
    Expect(!world.app.k.form.Timer1.enabled, "the clock still runs after a redraw", out);
}

void ExpectToggled(const Snapshot& before, const KymbralWorld& world, EventOutcome& out) {
    const MainForm& f = world.app.k.form;
    // GA with values no scan can take is refused with a message, and stays GA.
    bool refused = world.app.messages.shown.size() > before.messages;
    bool started = before.restart == "GA" && !refused;
    Expect(f.Restart.caption == (started ? "Abort" : "GA"), "Restart did not toggle", out);
    Expect(f.Timer1.enabled == started, "the clock does not follow Restart", out);
}

void ExpectFrame(const Snapshot& before, const KymbralWorld& world, EventOutcome& out) {
    const Kymbral& k = world.app.k;
    bool rotating = k.form.Simulator.caption == "Rotating";
    Expect(k.form.Simulator.caption != before.frame, "the frame did not toggle", out);
    Expect(k.state.FrameStep == (rotating ? 0 : 0.1), "FrameStep does not follow the frame", out);
}

void ExpectGame(const Snapshot& before, const KymbralWorld& world, EventOutcome& out) {
    ExpectRedrawn(before, world, out);
    Expect(!SampleInserted(world.app.k.form), "a game began with the sample in", out);
    Expect(world.app.k.form.Walkup.caption == "Answer", "a game began without Answer", out);
}

void ExpectShim(const Snapshot& before, const KymbralWorld& world, EventOutcome& out) {
    bool waited = world.app.waiter.waits == before.waits + 1;
    Expect(waited == before.sampleInserted, "the gradient shim waited without a sample", out);
    if (!waited) return;
    Expect(world.app.k.clock.Now() - before.now >= 5, "the gradient shim waited too little", out);
    ExpectRedrawn(before, world, out);
}

void ExpectDefaults(const Snapshot& before, const KymbralWorld& world, EventOutcome& out) {
    const Kymbral& k = world.app.k;
    ExpectRedrawn(before, world, out);
    Expect(k.form.Walkup.caption == "Read Default Shims", "Walkup stayed Answer", out);
    Expect(k.state.LockGain == 20 && k.state.LockPower == 20, "lock gain or power not 20", out);
}

void ExpectSampleToggled(const Snapshot& before, const KymbralWorld& world, EventOutcome& out) {
    Expect(world.app.k.form.PW90Value.visible != before.sampleShown, "the sample did not toggle",
           out);
}

void ExpectHelp(const Snapshot& before, const KymbralWorld& world, EventOutcome& out) {
    const auto& shown = world.app.messages.shown;
    Expect(shown.size() == before.messages + 1 && shown.back().title == "Kymbral Help",
           "Help showed no help", out);
}

void ExpectIn(const Snapshot& before, const KymbralWorld& world, EventOutcome& out) {
    ExpectRedrawn(before, world, out);
    Expect(SampleInserted(world.app.k.form), "Insert left the sample out", out);
}

void ExpectOut(const Snapshot& before, const KymbralWorld& world, EventOutcome& out) {
    ExpectRedrawn(before, world, out);
    Expect(!SampleInserted(world.app.k.form), "Eject left the sample in", out);
}

}  // namespace

const std::array<KymbralEvent, kClickEventCount> kClickEvents = {{
    {"Insert_Click", 4, false, Insert_Click, ExpectIn},
    {"Eject_Click", 2, false, Eject_Click, ExpectOut},
    {"Restart_Click", 6, false, Restart_Click, ExpectToggled},
    {"Simulator_Click", 2, false, Simulator_Click, ExpectFrame},
    {"GradientShim_Click", 1, true, GradientShim_Click, ExpectShim},
    {"ScrambleEasy_Click", 1, true, ScrambleEasy_Click, ExpectGame},
    {"Scramble_Click", 1, true, Scramble_Click, ExpectGame},
    {"ScrambleHard_Click", 1, true, ScrambleHard_Click, ExpectGame},
    {"SampleScramble_Click", 2, false, SampleScramble_Click, ExpectSampleToggled},
    {"Walkup_Click", 1, true, Walkup_Click, ExpectDefaults},
    {"ShimXLabel_Click", 2, false, ShimXLabel_Click, ExpectRedrawn},
    {"ShimYLabel_Click", 1, false, ShimYLabel_Click, ExpectRedrawn},
    {"Help_Click", 1, false, Help_Click, ExpectHelp},
}};
