#include "desktop_driver.h"
#include "slide_view.h"
#include "tessivar_window.h"
#include "web_form.h"

Driven DriveTessivar(SnappingMessages& messages) {
    auto held = std::make_shared<TessivarWindow>(&messages);
    SlideForm& form = held->model().form;
    Driven driven;
    driven.window = held;
    driven.view = &held->view;
    AddSlideControls(driven.places, form);
    driven.models = [&form] {
        WebForm described(tessivar::kFormCaption, tessivar::kFormWidth, tessivar::kFormHeight);
        AddSlideControls(described, form);
        return described.Changes();
    };
    held->Open();
    return driven;
}
