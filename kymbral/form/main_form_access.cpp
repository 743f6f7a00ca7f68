#include "main_form_access.h"

#include <cctype>
#include <string>

#include "form_load.h"

namespace {

constexpr std::string_view kLockPrefix = "Lock";

// "Z1 shim", "Lock gain": the knob's caption in words.
std::string KnobName(const Button& knob) {
    const std::string& caption = knob.caption;
    if (!caption.starts_with(kLockPrefix)) return caption + " shim";
    std::string rest = caption.substr(kLockPrefix.size());
    for (char& c : rest) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return std::string(kLockPrefix) + " " + rest;
}

}  // namespace

AccessibleFacts KnobFacts(const MainForm& f, int index) {
    const std::string& value = f.ShimLabel[index].caption;
    return {.role = AccessibleRole::SpinButton,
            .name = KnobName(f.KeyIn[index]) + ", " + value,
            .value = value};
}

AccessibleFacts LockMeterFacts(const MainForm& f) {
    return {.role = AccessibleRole::Meter,
            .name = "Lock level, " + SpokenText(f.Info.caption),
            .value = f.Info.caption,
            .announced = true};
}

AccessibleFacts SpectrumFacts(const MainForm& f) {
    const std::string& axis = f.ShimXLabel.caption;
    std::string name = axis == kSingleViewCaption ? "Spectrum line shape, " + axis
                                                  : "Shim map of the line shape, " + axis +
                                                        " one step down, unchanged "
                                                        "and one step up from left to right";
    return {.role = AccessibleRole::Image, .name = name};
}

AccessibleFacts FieldFacts(const MainForm& f) {
    return {.role = AccessibleRole::Image, .name = SpokenText(f.Label13.caption)};
}

AccessibleFacts LockGraphFacts(const MainForm& f) {
    return {.role = AccessibleRole::Image, .name = SpokenText(f.LockFID.caption) + " graph"};
}
