#pragma once

#include "main_form_controls.h"

// The main window's controls added to any view of the control models (the
// desktop's and the page's have the same Add members), in stacking order.
// The timer has no place on the form; its ticks are bound with the events.
// Label9 lies inside the spectrum's picture, above its drawing.
template <class View>
void AddMainFormControls(View& view, MainForm& f) {
    ForEachControl(f, [&view, &f](auto& control) {
        if constexpr (kIsA<Timer, decltype(control)>) {
            return;
        } else if (static_cast<const void*>(&control) == &f.Label9) {
            view.Add(f.Label9, f.PlotPeakShape);
        } else {
            view.Add(control);
        }
    });
}
