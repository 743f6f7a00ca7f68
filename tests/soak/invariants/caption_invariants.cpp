#include "knob_settings.h"
#include "kymbral_invariants.h"
#include "main_form_controls.h"
#include "numtext.h"
#include "parameter_lines.h"

namespace {

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

}  // namespace

void CheckCaptions(const Kymbral& k, Problems& problems) {
    CheckNoNonFiniteText(k.form, problems);
    CheckSettingsShown(k, problems);
    CheckParameterList(k, problems);
}
