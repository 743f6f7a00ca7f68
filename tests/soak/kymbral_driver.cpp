#include "kymbral_driver.h"

#include <algorithm>
#include <limits>

#include "hostile_text.h"
#include "knob_settings.h"
#include "main_form_events.h"

namespace {

// The float clock keeps the fake waiter's 0.25 s steps for about 48 days;
// ten days of running is far beyond a lesson.
constexpr float kLatestClock = 10 * 86400.0f;
constexpr float kDay = 86400.0f;
constexpr int kButtons[] = {1, 1, 1, 1, 2, 2, 2, 2, 4, 0, 3, 8, -1};
constexpr int kOtherKeys[] = {0, 8, 10, 12, 14, 27, 61, 65, 255, -1};

// How the clock moves before a tick: mostly the timer's 10 ms, but also late,
// not at all, by minutes and hours, backwards and across midnight.
float NextTime(SoakRandom& r, int kind, float now) {
    switch (kind) {
        case 0:
            return now + static_cast<float>(r.Between(0, 0.05));
        case 1:
            return now;
        case 2:
            return now + static_cast<float>(r.Between(1, 120));
        case 3:
            return now + static_cast<float>(r.Between(1000, kDay));
        case 4:
            return now - static_cast<float>(r.Between(0.001, 60));
        case 5:
            return now * static_cast<float>(r.Between(0, 1));
        case 6:
            return kDay * static_cast<float>(1 + r.Below(9)) -
                   static_cast<float>(r.Between(0, 0.05));
        default:
            return now + 0.01f;
    }
}

}  // namespace

// The window's binding table binds every handler here, as a kind of event.
// The view is gone when the events run: they hold the driver itself.
struct SoakView {
    KymbralDriver& d;

    template <class Control>
    void OnClick(Control& control, std::function<void()> handler) {
        d.Add(control.name, 1, [handler](std::string&) {
            handler();
            return 0;
        });
    }
    void OnMouseUp(Button& knob, std::function<void(int)> handler) {
        auto index = static_cast<std::size_t>(&knob - d.app.k.form.KeyIn.data());
        d.Add(knob.name, 1, [&d = d, index, handler](std::string& what) {
            std::int16_t& setting = d.app.k.state.*kKnobSettings[index];
            d.NearLimit(setting);
            int button = d.random_.OneOf(kButtons);
            what += " button " + std::to_string(button) + " at " + std::to_string(setting);
            handler(button);
            return 0;
        });
    }
    void OnKeyUp(TextBox& box, std::function<void(int)> handler) {
        d.Add(box.name, 4, [&d = d, &box, handler](std::string& what) {
            std::string typed = HostileCommand(d.random_);
            box.text = d.random_.Below(5) == 0 ? box.text + typed : typed;
            bool enter = d.random_.Below(7) != 0;
            int key = enter ? kEnterKey : d.random_.OneOf(kOtherKeys);
            what += " key " + std::to_string(key) + " on \"" + Printable(box.text) + "\"";
            handler(key);
            return 0;
        });
    }
    void BindTimer(Timer& timer, std::function<void()> handler) {
        d.Add("Timer1", 6, [&d = d, &timer, handler](std::string& what) {
            return d.Tick(
                [&] {
                    if (timer.enabled) handler();
                },
                what);
        });
    }
};

KymbralDriver::KymbralDriver(std::uint64_t seed) : random_{std::mt19937_64(seed)} {
    SoakView view{*this};
    BindMainFormEvents(view, app.k);
    Add("sample box", 2, [this](std::string& what) { return TypeSample(what); });
}

void KymbralDriver::Add(std::string kind, int weight, std::function<int(std::string&)> run) {
    kinds.push_back(std::move(kind));
    counts.push_back(0);
    events_.push_back({weight, std::move(run)});
    totalWeight_ += weight;
}

std::vector<std::string> KymbralDriver::Step(std::string& what) {
    int draw = random_.Below(totalWeight_);
    std::size_t i = 0;
    while ((draw -= events_[i].weight) >= 0) ++i;
    ++counts[i];
    what = kinds[i];
    std::size_t messagesBefore = app.messages.shown.size();
    int ticks = events_[i].run(what);
    std::vector<std::string> problems = invariants_.After(app.k, ticks);
    for (std::size_t m = messagesBefore; m < app.messages.shown.size(); ++m) {
        if (ShowsNonFinite(app.messages.shown[m].text)) {
            problems.push_back("message: " + app.messages.shown[m].text);
        }
    }
    return problems;
}

// A run of ticks with one kind of clock step; now and then a long one, so
// that scans run to their end.
int KymbralDriver::Tick(const std::function<void()>& tick, std::string& what) {
    int kind = random_.Below(16);
    int ticks = random_.Below(20) == 0 ? 200 + random_.Below(1800) : 1 + random_.Below(12);
    for (int i = 0; i < ticks; ++i) {
        float now = NextTime(random_, kind, app.clock.Now());
        app.clock.Set(std::clamp(now, 0.0f, kLatestClock));
        tick();
    }
    what += " x" + std::to_string(ticks) + " to " + std::to_string(app.clock.Now());
    return ticks;
}

// A setting at either end of its range, reached directly: 32767 clicks would take too long.
void KymbralDriver::NearLimit(std::int16_t& setting) {
    if (random_.Below(40) != 0) return;
    int offset = random_.Below(4);
    setting = static_cast<std::int16_t>(random_.Below(2) == 0
                                            ? std::numeric_limits<std::int16_t>::min() + offset
                                            : std::numeric_limits<std::int16_t>::max() - offset);
}

int KymbralDriver::TypeSample(std::string& what) {
    MainForm& f = app.k.form;
    TextBox* const boxes[] = {&f.PW90Value, &f.T1Value, &f.T2Value};
    TextBox* box = random_.OneOf(boxes);
    if (!box->visible) return 0;
    box->text = random_.Below(10) == 0 ? HostileCommand(random_) : HostileNumber(random_);
    what += " " + box->name + " = \"" + Printable(box->text) + "\"";
    return 0;
}
