#include "kymbral_driver.h"

#include <cmath>
#include <vector>

#include "knob_settings.h"
#include "numtext.h"

namespace {

std::discrete_distribution<std::size_t> ByWeight(std::span<const KymbralEvent> events) {
    std::vector<int> weights;
    for (const KymbralEvent& event : events) weights.push_back(event.weight);
    return {weights.begin(), weights.end()};
}

std::array<TextBox*, 3> SampleBoxes(MainForm& f) {
    return {&f.PW90Value, &f.T1Value, &f.T2Value};
}

}  // namespace

Snapshot TakeSnapshot(KymbralWorld& world) {
    const Kymbral& k = world.app.k;
    Snapshot snapshot;
    for (int i = 0; i < kKnobCount; ++i) snapshot.settings[i] = k.state.*kKnobSettings[i];
    snapshot.restart = k.form.Restart.caption;
    snapshot.frame = k.form.Simulator.caption;
    snapshot.sampleInserted = SampleInserted(k.form);
    snapshot.sampleShown = k.form.PW90Value.visible;
    snapshot.waits = world.app.waiter.waits;
    snapshot.now = world.app.clock.Now();
    snapshot.messages = world.app.messages.shown.size();
    return snapshot;
}

KymbralDriver::KymbralDriver(std::uint64_t seed)
    : world_(seed), events_(KymbralEvents()), choice_(ByWeight(events_)) {}

const KymbralEvent& KymbralDriver::Choose() {
    // A run of ticks goes on until it is over: the timer fires again and again.
    return world_.ticksLeft > 0 ? events_.front() : events_[choice_(world_.random)];
}

EventOutcome KymbralDriver::Step() {
    const KymbralEvent& event = Choose();
    Snapshot before = TakeSnapshot(world_);
    EventOutcome out;
    out.handler = event.handler;
    if (event.run != nullptr) {
        event.run(world_, out);
    } else {
        event.click(world_.app.k);
        event.check(before, world_, out);
    }
    if (!event.changesSettings && TakeSnapshot(world_).settings != before.settings) {
        out.problems.push_back("a setting changed without a knob, game or shim");
    }
    CheckSampleBoxes(out);
    CheckMessages(before, out);
    for (std::string& problem : invariants_.After(world_.app.k, out.ticks)) {
        out.problems.push_back(std::move(problem));
    }
    return out;
}

// A sample box that changed without being typed into was written by the
// program: it must show a usable time or pulse width.
void KymbralDriver::CheckSampleBoxes(EventOutcome& out) {
    std::array<TextBox*, 3> boxes = SampleBoxes(world_.app.k.form);
    bool allWritten = true;
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        const std::string& text = boxes[i]->text;
        bool written = text != world_.knownSample[i];
        allWritten = allWritten && written;
        double value = ReadNumber(text);
        if (written && (ShowsNonFinite(text) || !(value > 0) || !std::isfinite(value))) {
            out.problems.push_back(boxes[i]->name + " was given \"" + text + "\"");
        }
        world_.knownSample[i] = text;
    }
    if (allWritten && !(ReadNumber(boxes[1]->text) > ReadNumber(boxes[2]->text))) {
        out.problems.push_back("the unknown sample's T1 does not exceed its T2");
    }
}

void KymbralDriver::CheckMessages(const Snapshot& before, EventOutcome& out) const {
    const auto& shown = world_.app.messages.shown;
    for (std::size_t i = before.messages; i < shown.size(); ++i) {
        bool titled = shown[i].title == "Kymbral" || shown[i].title == "Kymbral Help";
        if (!titled || ShowsNonFinite(shown[i].text)) {
            out.problems.push_back("message \"" + shown[i].title + "\": " + shown[i].text);
        }
    }
}
