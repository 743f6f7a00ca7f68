// Commands typed into the simulator's command line while an acquisition runs:
// whatever they are, the window stays sound. The input is split at line
// breaks; each line's first byte sets the ticks that follow its command (the
// low six bits count them, the top two choose the clock step), the rest is
// the command typed before Enter.
#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "acquisition_buttons.h"
#include "command_line.h"
#include "eject_insert.h"
#include "kymbral_invariants.h"
#include "started_kymbral.h"
#include "timer_tick.h"

namespace {

// The timer's 10 ms, a clock standing still, a long scan's end, and midnight.
constexpr std::array<float, 4> kClockSteps = {0.01f, 0.0f, 31.0f, 86400.0f};
constexpr float kLatestClock = 10 * 86400.0f;

void Require(const Problems& problems, std::string_view command) {
    if (problems.empty()) return;
    std::fprintf(stderr, "after \"%.*s\":\n", static_cast<int>(command.size()), command.data());
    for (const std::string& problem : problems) std::fprintf(stderr, "  %s\n", problem.c_str());
    std::abort();
}

void Type(StartedKymbral& app, std::string_view command, KymbralInvariants& invariants) {
    app.k.form.KeyboardInput.text = std::string(command);
    KeyboardInput_KeyUp(app.k, kEnterKey);
    Problems problems = invariants.After(app.k, 0);
    if (!app.k.form.KeyboardInput.text.empty()) problems.push_back("the command stayed");
    if (command == "ga" && !app.k.form.Timer1.enabled) problems.push_back("ga did not start");
    Require(problems, command);
}

// The window is checked once after the run of ticks: the drawings are
// checked stroke by stroke all the same.
void Tick(StartedKymbral& app, unsigned char plan, KymbralInvariants& invariants) {
    float step = kClockSteps[plan >> 6];
    int ticks = 0;
    for (int tick = 0; tick < (plan & 63) && app.k.form.Timer1.enabled; ++tick, ++ticks) {
        app.clock.Set(std::min(app.clock.Now() + step, kLatestClock));
        Timer1_Timer(app.k);
    }
    Require(invariants.After(app.k, ticks), "(ticks)");
}

// Starting the simulator takes two full redraws; every input starts instead
// from a copy of one simulator started once, sample in and acquiring.
StartedKymbral& FreshSimulator() {
    static StartedKymbral app;
    static const float startedAt = app.clock.Now();
    static const Kymbral started = [] {
        Insert_Click(app.k);
        Restart_Click(app.k);
        return app.k;
    }();
    app.k.state = started.state;
    app.k.form = started.form;
    app.k.random = started.random;
    app.clock.Set(startedAt);
    app.messages.shown.clear();
    return app;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    StartedKymbral& app = FreshSimulator();
    static const KymbralInvariants fresh;
    KymbralInvariants invariants = fresh;
    std::string_view input(reinterpret_cast<const char*>(data), size);
    while (!input.empty()) {
        std::size_t end = std::min(input.find('\n'), input.size());
        std::string_view line = input.substr(0, end);
        input.remove_prefix(std::min(end + 1, input.size()));
        if (line.empty()) continue;
        Type(app, line.substr(1), invariants);
        Tick(app, static_cast<unsigned char>(line.front()), invariants);
    }
    return 0;
}
