#pragma once

#include "slide_handlers.h"

// The slide window's controls and events, for any view of the control models
// (the desktop's and the page's have the same Add and On... members).

// Stacking order inside the picture: the first added lies lowest.
template <class View>
void AddSlideControls(View& view, SlideForm& f) {
    view.Add(f.Picture1);
    view.Add(f.InfoBox, f.Picture1);
    view.Add(f.InfoLine, f.Picture1);
    view.Add(f.MouseXYLabel, f.Picture1);
    view.Add(f.ClueLabel, f.Picture1);
    view.Add(f.ScoreLabel, f.Picture1);
}

template <class View>
void BindSlideEvents(View& view, SlideShow& show) {
    view.OnMouseUp(show.form.Picture1, [&show](int button, double x, double y) {
        Picture1_MouseUp(show, button, x, y);
    });
    view.OnMouseMove(show.form.Picture1, [&show](int button, double x, double y) {
        Picture1_MouseMove(show, button, x, y);
    });
}
