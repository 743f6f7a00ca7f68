#include <initializer_list>

#include "form_load.h"
#include "knob_settings.h"
#include "kymbral_invariants.h"
#include "main_form_controls.h"
#include "numtext.h"
#include "parameter_lines.h"

namespace {

// The highest level the meter's text can show: a lock sum just below 15.
constexpr double kHighestLevel = 15 * 6.72;

struct Choice {
    const std::string& caption;
    std::initializer_list<std::string_view> allowed;
};

void CheckChoices(const MainForm& f, Problems& problems) {
    const Choice choices[] = {
        {f.Restart.caption, {"GA", "Abort"}},
        {f.Simulator.caption, {"Non-Rotating", "Rotating"}},
        {f.Walkup.caption, {"Read Default Shims", "Answer"}},
        {f.GradientShim.caption, {"Gradient Shim"}},
        {f.LockFID.caption, {"Lock", "FID"}},
        {f.ShimXLabel.caption, {kSingleViewCaption, "Z1", "Z2", "Z3", "Z4"}},
    };
    for (const Choice& choice : choices) {
        bool known = false;
        for (std::string_view allowed : choice.allowed) known = known || choice.caption == allowed;
        if (!known) problems.push_back("unexpected caption \"" + choice.caption + "\"");
    }
}

void CheckNoNonFiniteText(const MainForm& f, Problems& problems) {
    ForEachControl(f, [&problems](const auto& control) {
        if constexpr (requires { control.caption; }) {
            if (ShowsNonFinite(control.caption)) {
                problems.push_back(control.name + ": " + control.caption);
            }
        }
    });
}

void CheckSettingsShown(const Kymbral& k, Problems& problems) {
    for (int i = 0; i < kKnobCount; ++i) {
        std::string expected = IntegerText(k.state.*kKnobSettings[i]);
        if (k.form.ShimLabel[i].caption != expected) {
            problems.push_back("ShimLabel " + std::to_string(i) + " shows " +
                               k.form.ShimLabel[i].caption + " for " + expected);
        }
    }
}

void CheckLockLevel(const MainForm& f, Problems& problems) {
    double level = ReadNumber(f.Info.caption);
    bool number =
        !f.Info.caption.empty() && f.Info.caption.front() >= '0' && f.Info.caption.front() <= '9';
    if (!number || level < 0 || level > kHighestLevel) {
        problems.push_back("Info shows \"" + f.Info.caption + "\"");
    }
    if (f.Info2.caption != f.Info.caption) problems.push_back("Info2 differs from Info");
}

void CheckParameterList(const Kymbral& k, Problems& problems) {
    const std::vector<std::string>& items = k.form.ParametersListBox.items;
    if (items.size() != kParameterCount) {
        problems.push_back("ParametersListBox holds " + std::to_string(items.size()) + " lines");
        return;
    }
    for (int i = 0; i < kParameterCount; ++i) {
        if (items[i] != k.state.ParamLines[i]) {
            problems.push_back("ParametersListBox line " + std::to_string(i) + " is stale");
        }
    }
}

bool SameVisibility(std::initializer_list<bool> visible) {
    for (bool v : visible) {
        if (v != *visible.begin()) return false;
    }
    return true;
}

void CheckVisibility(const MainForm& f, Problems& problems) {
    if (!SameVisibility({f.Nucleus1.visible, f.Nucleus1xy.visible, f.Nucleus1N.visible,
                         f.Nucleus1Nxy.visible}) ||
        !SameVisibility({f.Nucleus2.visible, f.Nucleus2xy.visible, f.Nucleus2N.visible,
                         f.Nucleus2Nxy.visible})) {
        problems.push_back("a nucleus is partly shown");
    }
    if (!SameVisibility({f.PW90Value.visible, f.T1Value.visible, f.T2Value.visible})) {
        problems.push_back("the sample boxes are partly hidden");
    }
    if (f.ShimYLabel.visible == (f.ShimXLabel.caption == kSingleViewCaption)) {
        problems.push_back("ShimYLabel shows outside the shim map or hides on it");
    }
    if (f.Timer1.enabled && f.Restart.caption != "Abort") {
        problems.push_back("the clock runs while Restart offers GA");
    }
}

}  // namespace

void CheckCaptions(const Kymbral& k, Problems& problems) {
    CheckChoices(k.form, problems);
    CheckNoNonFiniteText(k.form, problems);
    CheckSettingsShown(k, problems);
    CheckLockLevel(k.form, problems);
    CheckParameterList(k, problems);
    CheckVisibility(k.form, problems);
}
