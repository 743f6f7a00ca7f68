#pragma once

#include "accessible.h"
#include "main_form.h"

// What a screen reader is told of the main window's controls where a caption
// alone would not serve; every other control says its caption.

// A knob says its setting and the value shown under it: "Z1 shim, 0".
AccessibleFacts KnobFacts(const MainForm& f, int index);
// The lock meter says the lock level written inside it.
AccessibleFacts LockMeterFacts(const MainForm& f);
// The three plots in words, from the titles shown with them.
AccessibleFacts SpectrumFacts(const MainForm& f);
AccessibleFacts FieldFacts(const MainForm& f);
AccessibleFacts LockGraphFacts(const MainForm& f);

// A control named by the label beside it.
inline Describer NamedBy(AccessibleRole role, const Label& label) {
    return [role, &label] { return AccessibleFacts{.role = role, .name = label.caption}; };
}

// For any view that offers Describe(control, describer).
template <class View>
void DescribeMainForm(View& view, const MainForm& f) {
    for (int i = 0; i < kKnobCount; ++i) {
        view.Describe(f.KeyIn[i], [&f, i] { return KnobFacts(f, i); });
    }
    view.Describe(f.Info, [&f] { return LockMeterFacts(f); });
    view.Describe(f.PlotPeakShape, [&f] { return SpectrumFacts(f); });
    view.Describe(f.PlotBField, [&f] { return FieldFacts(f); });
    view.Describe(f.PlotFID, [&f] { return LockGraphFacts(f); });
    view.Describe(f.ShimYLabel, Always({.role = AccessibleRole::Button, .name = "Shim map rows"}));
    view.Describe(f.KeyboardInput,
                  Always({.role = AccessibleRole::TextBox, .name = "Command line"}));
    view.Describe(f.ParametersListBox,
                  Always({.role = AccessibleRole::List, .name = "Experiment parameters"}));
    view.Describe(f.AutoGainCheck, NamedBy(AccessibleRole::CheckBox, f.Label18));
    view.Describe(f.PW90Value, NamedBy(AccessibleRole::TextBox, f.Label10));
    view.Describe(f.T1Value, NamedBy(AccessibleRole::TextBox, f.Label11));
    view.Describe(f.T2Value, NamedBy(AccessibleRole::TextBox, f.Label12));
    // What another control says already: the labels that name a control,
    // the values under the knobs and the meter, the plots' titles; and
    // Label9, which lies below its picture box's visible area.
    for (const Label& value : f.ShimLabel) view.Describe(value, Always(kUntold));
    for (const Label* said : {&f.Label18, &f.Label10, &f.Label11, &f.Label12, &f.Info2, &f.LockFID,
                              &f.Label13, &f.Label9}) {
        view.Describe(*said, Always(kUntold));
    }
}
