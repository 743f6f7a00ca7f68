#pragma once

#include "main_form_controls.h"

// The main window's controls added to any view of the control models (the
// desktop's and the page's have the same Add members), in stacking order.
// The timer has no place on the form; its ticks are bound with the events.
template <class View>
void AddMainFormControls(View& view, MainForm& f) {
    ForEachControl(f, [&view](auto& control) {
        if constexpr (requires { control.container; }) {
            view.Add(control.child, control.container);
        } else if constexpr (!kIsA<Timer, decltype(control)>) {
            view.Add(control);
        }
    });
}
