#include "main_form_access.h"

#include <cctype>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <string>

#include "form_load.h"
#include "lock_model.h"
#include "plot_words.h"
#include "update_views.h"

namespace {

constexpr std::string_view kLockPrefix = "Lock";
constexpr int kMeterTop = 100;  // the lock level, in per cent

// "Z1 shim", "Lock gain": the knob's caption in words.
std::string KnobName(const Button& knob) {
    const std::string& caption = knob.caption;
    if (!caption.starts_with(kLockPrefix)) return caption + " shim";
    std::string rest = caption.substr(kLockPrefix.size());
    for (char& c : rest) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return std::string(kLockPrefix) + " " + rest;
}

const PanelTrace& CentrePanel(const LockModel& model) {
    for (const PanelTrace& panel : model.panels) {
        if (panel.row == 0 && panel.column == 0) return panel;
    }
    return model.panels.front();
}

bool IsNumber(const std::string& text) {
    char* end = nullptr;
    std::strtod(text.c_str(), &end);
    return !text.empty() && end == text.c_str() + text.size();
}

}  // namespace

const LockModel& ShownModel::Of(const Kymbral& k) {
    const SimulatorState& s = k.state;
    Inputs now{.shims = {s.Z0, s.Z1, s.Z2, s.Z3, s.Z4},
               .errors = {s.Z0Offset, s.Z1Offset, s.Z2Offset, s.Z3Offset, s.Z4Offset},
               .lock = {s.LockGain, s.LockPower, s.LockPhase, s.LockPhaseOffset},
               .pi = s.Pi,
               .inserted = SampleInserted(k.form),
               .axis = k.form.ShimXLabel.caption};
    if (from_ != now) {
        model_ = ComputeLockModel(s, now.inserted, now.axis);
        from_ = std::move(now);
    }
    return model_;
}

AccessibleFacts KnobFacts(const MainForm& f, int index) {
    return {.role = AccessibleRole::SpinButton,
            .name = KnobName(f.KeyIn[index]),
            .value = f.ShimLabel[index].caption,
            .minimum = std::numeric_limits<std::int16_t>::min(),
            .maximum = std::numeric_limits<std::int16_t>::max()};
}

AccessibleFacts LockMeterFacts(const MainForm& f) {
    return {.role = AccessibleRole::Meter,
            .name = "Lock level",
            .value = f.Info.caption,
            .maximum = kMeterTop,
            .announced = true};
}

AccessibleFacts SpectrumFacts(const Kymbral& k, ShownModel& shown) {
    const std::string& axis = k.form.ShimXLabel.caption;
    std::string name = axis == kSingleViewCaption ? "Spectrum line shape, " + axis
                                                  : "Shim map of the line shape, " + axis +
                                                        " one step down, unchanged "
                                                        "and one step up from left to right";
    const LockModel& model = shown.Of(k);
    std::string words =
        LineShapeWords(model.spectrumBins, kFieldPoints * std::abs(model.amplitude));
    if (axis != kSingleViewCaption) words = "In the middle: " + words;
    return {.role = AccessibleRole::Image, .name = name, .description = words};
}

AccessibleFacts FieldFacts(const Kymbral& k, ShownModel& shown) {
    return {.role = AccessibleRole::Image,
            .name = SpokenText(k.form.Label13.caption),
            .description = FieldWords(CentrePanel(shown.Of(k)))};
}

AccessibleFacts LockGraphFacts(const Kymbral& k, ShownModel& shown) {
    const std::string& title = k.form.LockFID.caption;
    std::string words = title == kLockGraphTitle ? LockTraceWords(shown.Of(k).traceHeight)
                                                 : FidWords(k.state.ScanElapsed, k.state.T2);
    return {
        .role = AccessibleRole::Image, .name = SpokenText(title) + " graph", .description = words};
}

AccessibleFacts ViewSelectorFacts(const MainForm& f) {
    const std::string& axis = f.ShimXLabel.caption;
    std::string now = axis == kSingleViewCaption
                          ? "Now the line shape of the sample"
                          : "Now the shim map, with " + axis + " varied across its columns";
    // Its caption leads its name, so that a student who says what is seen finds it.
    return {.role = AccessibleRole::Button,
            .name = axis + ", change the spectrum view",
            .description = now};
}

AccessibleFacts ReadingFacts(const Label& label, const std::string& what, const std::string& unit) {
    const std::string& shown = label.caption;
    return {.role = AccessibleRole::Text,
            .name = IsNumber(shown) ? what + ", " + shown + unit : what};
}
