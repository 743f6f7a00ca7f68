#include <charconv>

#include "knob_settings.h"
#include "kymbral_driver.h"
#include "main_form_controls.h"

namespace {

// FNV-1a over everything the window shows and the settings behind it.
struct StateHash {
    std::uint64_t value = 14695981039346656037u;
    void Add(std::string_view text) {
        for (unsigned char c : text) value = (value ^ c) * 1099511628211u;
        value = (value ^ 0xff) * 1099511628211u;
    }
    // Six digits: the last bits of a sine may differ between maths libraries.
    void Add(double number) {
        char buffer[32];
        auto end =
            std::to_chars(buffer, buffer + sizeof buffer, number, std::chars_format::general, 6);
        Add(std::string_view(buffer, end.ptr));
    }
    void Add(const Kymbral& k) {
        ForEachControl(k.form, [this](const auto& control) {
            if constexpr (requires { control.caption; }) Add(control.caption);
            if constexpr (requires { control.text; }) Add(control.text);
            if constexpr (requires { control.items; })
                for (const auto& item : control.items) Add(item);
            if constexpr (requires { control.visible; }) Add(control.visible ? "v" : "h");
            if constexpr (requires { control.x1; })
                for (double v : {control.x1, control.y1, control.x2, control.y2}) Add(v);
            if constexpr (requires { control.strokes; }) {
                for (const Stroke& s : control.strokes)
                    for (double v : {s.x1, s.y1, s.x2, s.y2}) Add(v);
            }
            if constexpr (requires { control.enabled; }) Add(control.enabled ? "e" : "d");
        });
        for (auto setting : kKnobSettings) Add(k.state.*setting);
    }
};

}  // namespace

TEST(KymbralSoak, EveryHandlerUnderHostileUseKeepsTheWindowSound) {
    SoakRun run("KYMBRAL");
    KymbralDriver driver(run.seed);
    RunSoak(run, [&](std::string& what) { return driver.Step(what); });
    // A full run reaches every handler; a short replay may not.
    for (std::size_t i = 0; i < driver.kinds.size() && run.events >= 10'000; ++i) {
        EXPECT_GT(driver.counts[i], 0u) << driver.kinds[i] << " never ran";
    }
}

// Any change of behaviour changes this. When the change is meant, put the new
// value here.
TEST(KymbralReplay, TheStateAfterTwoThousandSeededEventsIsUnchanged) {
    KymbralDriver driver(12);
    for (int i = 0; i < 2000; ++i) {
        std::string what;
        driver.Step(what);
    }
    StateHash hash;
    hash.Add(driver.app.k);
    for (const auto& message : driver.app.messages.shown) hash.Add(message.title + message.text);
    EXPECT_EQ(hash.value, 16725763311487148464u) << "the state is now " << hash.value;
}
