#include <algorithm>
#include <limits>
#include <vector>

#include "command_line.h"
#include "hostile_text.h"
#include "knob_settings.h"
#include "knobs.h"
#include "kymbral_world.h"
#include "soak_run.h"
#include "timer_tick.h"

namespace {

// The float clock keeps 0.25 s steps (the fake waiter's) up to about 48 days;
// ten days of running is far beyond a lesson.
constexpr float kLatestClock = 10 * 86400.0f;
constexpr float kDay = 86400.0f;

int Below(std::mt19937_64& random, int count) {
    return std::uniform_int_distribution<int>(0, count - 1)(random);
}

float Between(std::mt19937_64& random, float low, float high) {
    return std::uniform_real_distribution<float>(low, high)(random);
}

struct ClockStep {
    const char* name;
    int weight;
    float (*next)(std::mt19937_64&, float now);
};

// How the clock may move between two ticks: mostly the timer's 10 ms, but
// also late, not at all, by minutes and hours, backwards and across midnight.
constexpr ClockStep kClockSteps[] = {
    {"10 ms", 60, [](std::mt19937_64&, float now) { return now + 0.01f; }},
    {"jitter", 10, [](std::mt19937_64& r, float now) { return now + Between(r, 0, 0.05f); }},
    {"still", 5, [](std::mt19937_64&, float now) { return now; }},
    {"seconds", 6, [](std::mt19937_64& r, float now) { return now + Between(r, 1, 120); }},
    {"hours", 1, [](std::mt19937_64& r, float now) { return now + Between(r, 1000, kDay); }},
    {"back", 5, [](std::mt19937_64& r, float now) { return now - Between(r, 0.001f, 60); }},
    {"far back", 1, [](std::mt19937_64& r, float now) { return now * Between(r, 0, 1); }},
    {"midnight", 2,
     [](std::mt19937_64& r, float) {
         return kDay * float(1 + Below(r, 9)) - Between(r, 0, 0.05f);
     }},
};

void StartTickRun(KymbralWorld& world) {
    std::vector<int> weights;
    for (const ClockStep& step : kClockSteps) weights.push_back(step.weight);
    world.stepKind = std::discrete_distribution<int>(weights.begin(), weights.end())(world.random);
    bool longRun = Below(world.random, 20) == 0;
    world.ticksLeft = longRun ? 200 + Below(world.random, 1800)
                              : 1 + std::geometric_distribution<int>(0.15)(world.random);
}

// The window ticks only while Timer1 is enabled; the clock moves regardless.
void Tick(KymbralWorld& world, EventOutcome& out) {
    if (world.ticksLeft == 0) StartTickRun(world);
    --world.ticksLeft;
    const ClockStep& step = kClockSteps[world.stepKind];
    float now = std::clamp(step.next(world.random, world.app.clock.Now()), 0.0f, kLatestClock);
    world.app.clock.Set(now);
    out.detail = std::string(step.name) + " to " + std::to_string(now);
    if (!world.app.k.form.Timer1.enabled) {
        out.handler = "(clock moved, timer off)";
        world.ticksLeft = 0;
        return;
    }
    std::uint64_t clears = world.app.k.form.PlotFID.clears;
    Timer1_Timer(world.app.k);
    out.ticks = 1;
    // Scan starts and refusals are rare enough to be worth counting apart.
    if (!world.app.k.form.Timer1.enabled)
        out.handler = "Timer1_Timer refusing the sample";
    else if (world.app.k.form.PlotFID.clears != clears)
        out.handler = "Timer1_Timer starting a scan";
}

constexpr int kButtons[] = {1, 1, 1, 1, 2, 2, 2, 2, 4, 0, 3, 8, -1};

// A setting at either end of its range, reached directly: 32767 clicks would
// take too long.
void MaybeNearLimit(KymbralWorld& world, std::int16_t& setting) {
    if (Below(world.random, 40) != 0) return;
    int offset = Below(world.random, 4);
    setting = Below(world.random, 2) == 0 ? std::numeric_limits<std::int16_t>::min() + offset
                                          : std::numeric_limits<std::int16_t>::max() - offset;
}

int Stepped(int before, int button) {
    int wanted = before + (button == kRightButton) - (button == kLeftButton);
    bool inRange = wanted >= std::numeric_limits<std::int16_t>::min() &&
                   wanted <= std::numeric_limits<std::int16_t>::max();
    return inRange ? wanted : before;
}

void ReleaseKnob(KymbralWorld& world, EventOutcome& out) {
    SimulatorState& s = world.app.k.state;
    int index = Below(world.random, kKnobCount);
    int button = kButtons[Below(world.random, std::size(kButtons))];
    MaybeNearLimit(world, s.*kKnobSettings[index]);
    Snapshot before = TakeSnapshot(world);
    out.detail = "knob " + std::to_string(index) + " button " + std::to_string(button) + " at " +
                 std::to_string(before.settings[index]);
    KeyIn_MouseUp(world.app.k, index, button);
    for (int i = 0; i < kKnobCount; ++i) {
        int expected = i == index ? Stepped(before.settings[i], button) : before.settings[i];
        if (s.*kKnobSettings[i] != expected) {
            out.problems.push_back("setting " + std::to_string(i) + " became " +
                                   std::to_string(s.*kKnobSettings[i]) + ", not " +
                                   std::to_string(expected));
        }
    }
}

constexpr int kOtherKeys[] = {0, 8, 10, 12, 14, 27, 61, 65, 255, -1};

void TypeCommand(KymbralWorld& world, EventOutcome& out) {
    TextBox& box = world.app.k.form.KeyboardInput;
    std::string typed = HostileCommand(world.random);
    box.text = Below(world.random, 5) == 0 ? box.text + typed : typed;
    std::string command = box.text;
    int key = Below(world.random, 7) == 0 ? kOtherKeys[Below(world.random, std::size(kOtherKeys))]
                                          : kEnterKey;
    out.detail = "key " + std::to_string(key) + " on \"" + Printable(command) + "\"";
    std::size_t messages = world.app.messages.shown.size();
    KeyboardInput_KeyUp(world.app.k, key);
    if (box.text != (key == kEnterKey ? "" : command)) {
        out.problems.push_back("KeyboardInput holds \"" + Printable(box.text) + "\"");
    }
    // Unless the values cannot make a scan, which is refused with a message.
    bool refused = world.app.messages.shown.size() > messages;
    if (key == kEnterKey && command == "ga" && !refused && !world.app.k.form.Timer1.enabled) {
        out.problems.push_back("\"ga\" started no acquisition");
    }
}

void TypeSample(KymbralWorld& world, EventOutcome& out) {
    MainForm& f = world.app.k.form;
    TextBox* boxes[] = {&f.PW90Value, &f.T1Value, &f.T2Value};
    int index = Below(world.random, 3);
    if (!boxes[index]->visible) {
        out.handler = "(sample hidden, nothing typed)";
        return;
    }
    std::string text =
        Below(world.random, 10) == 0 ? HostileCommand(world.random) : HostileNumber(world.random);
    boxes[index]->text = world.knownSample[index] = text;
    out.detail = boxes[index]->name + " = \"" + Printable(text) + "\"";
}

constexpr KymbralEvent kInputEvents[] = {
    {.handler = "Timer1_Timer", .weight = 12, .changesSettings = false, .run = Tick},
    {.handler = "KeyIn_MouseUp", .weight = 16, .changesSettings = true, .run = ReleaseKnob},
    {.handler = "KeyboardInput_KeyUp", .weight = 12, .changesSettings = false, .run = TypeCommand},
    {.handler = "sample box typed", .weight = 6, .changesSettings = false, .run = TypeSample},
};

}  // namespace

std::span<const KymbralEvent> KymbralEvents() {
    static const std::vector<KymbralEvent> events = [] {
        std::vector<KymbralEvent> all(std::begin(kInputEvents), std::end(kInputEvents));
        all.insert(all.end(), kClickEvents.begin(), kClickEvents.end());
        return all;
    }();
    return events;
}
