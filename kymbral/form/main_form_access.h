#pragma once

#include <array>
#include <memory>
#include <optional>
#include <string>

#include "accessible.h"
#include "kymbral.h"
#include "lock_model.h"

// What a screen reader is told of the main window's controls where a caption
// alone would not serve; every other control says its caption.

// A knob says its setting, its value and the range of its steps.
AccessibleFacts KnobFacts(const MainForm& f, int index);
// The lock meter says the lock level written inside it.
AccessibleFacts LockMeterFacts(const MainForm& f);
// The model the plots show, computed again only when what it is computed
// from has changed: their words are asked for at every tick of the clock.
class ShownModel {
  public:
    const LockModel& Of(const Kymbral& k);

  private:
    struct Inputs {
        std::array<int, 5> shims;     // Z0 to Z4
        std::array<float, 5> errors;  // theirs
        std::array<int, 4> lock;      // gain, power, phase, phase error
        double pi;                    // set as the window loads, with the shims' shapes
        bool inserted;
        std::string axis;
        bool operator==(const Inputs&) const = default;
    };
    std::optional<Inputs> from_;
    LockModel model_;
};

// The three plots by their titles, described by what they show now.
AccessibleFacts SpectrumFacts(const Kymbral& k, ShownModel& shown);
AccessibleFacts FieldFacts(const Kymbral& k, ShownModel& shown);
AccessibleFacts LockGraphFacts(const Kymbral& k, ShownModel& shown);
// The title under the spectrum, by what a click on it does.
AccessibleFacts ViewSelectorFacts(const MainForm& f);
// A number read with what it is ("Time, 2.0 s"); before the clock first
// writes it, what it is alone.
AccessibleFacts ReadingFacts(const Label& label, const std::string& what, const std::string& unit);

// A control named by the label beside it.
inline Describer NamedBy(AccessibleRole role, const Label& label) {
    return [role, &label] { return AccessibleFacts{.role = role, .name = label.caption}; };
}

// For any view that offers Describe(control, describer).
template <class View>
void DescribeMainForm(View& view, const Kymbral& k) {
    const MainForm& f = k.form;
    for (int i = 0; i < kKnobCount; ++i) {
        view.Describe(f.KeyIn[i], [&f, i] { return KnobFacts(f, i); });
    }
    view.Describe(f.Info, [&f] { return LockMeterFacts(f); });
    auto shown = std::make_shared<ShownModel>();
    view.Describe(f.PlotPeakShape, [&k, shown] { return SpectrumFacts(k, *shown); });
    view.Describe(f.PlotBField, [&k, shown] { return FieldFacts(k, *shown); });
    view.Describe(f.PlotFID, [&k, shown] { return LockGraphFacts(k, *shown); });
    view.Describe(f.ShimXLabel, [&f] { return ViewSelectorFacts(f); });
    view.Describe(f.ShimYLabel, Always({.role = AccessibleRole::Button, .name = "Shim map rows"}));
    struct Reading {
        const Label* label;
        const char* what;
        const char* unit;
    };
    for (Reading r :
         {Reading{&f.Angle1Label, "Angle of the side view", " degrees"},
          Reading{&f.Angle2Label, "Angle of the top view", " degrees"},
          Reading{&f.TimeLabel, "Time", " s"}, Reading{&f.MxLabel, "x magnetisation", ""}}) {
        view.Describe(*r.label, [r] { return ReadingFacts(*r.label, r.what, r.unit); });
    }
    view.Describe(f.KeyboardInput,
                  Always({.role = AccessibleRole::TextBox, .name = "Command line"}));
    view.Describe(f.ParametersListBox,
                  Always({.role = AccessibleRole::List, .name = "Experiment parameters"}));
    view.Describe(f.AutoGainCheck, NamedBy(AccessibleRole::CheckBox, f.Label18));
    view.Describe(f.PW90Value, NamedBy(AccessibleRole::TextBox, f.Label10));
    view.Describe(f.T1Value, NamedBy(AccessibleRole::TextBox, f.Label11));
    view.Describe(f.T2Value, NamedBy(AccessibleRole::TextBox, f.Label12));
    // What another control says already: the labels that name a control,
    // the values under the knobs and the meter, the plots' titles, the
    // angles' unit; and
    // Label9, which lies below its picture box's visible area.
    for (const Label& value : f.ShimLabel) view.Describe(value, Always(kUntold));
    for (const Label* said : {&f.Label18, &f.Label10, &f.Label11, &f.Label12, &f.Info2, &f.LockFID,
                              &f.Label13, &f.Label9, &f.Label19, &f.Label20}) {
        view.Describe(*said, Always(kUntold));
    }
}
