#pragma once

#include <memory>

#include "form_view.h"
#include "qt_image_source.h"
#include "slide_show.h"

// The slide show's real window: the controls rendered by the form view and
// bound to their handlers. When a screenshot cannot be loaded, the
// application's event loop ends with the show's exit status.
class TessivarWindow {
  public:
    // Message boxes default to the desktop's, over this window.
    explicit TessivarWindow(MessageBoxes* messages = nullptr,
                            WorkingDirectory workingDirectory = CurrentWorkingDirectory);
    ~TessivarWindow();

    // Loads the window, shows it and activates it once, as soon as it shows.
    void Open();

    FormView view;
    SlideShow& model() { return *show_; }

  private:
    std::unique_ptr<MessageBoxes> ownMessages_;
    QtImageSource images_;
    std::unique_ptr<SlideShow> show_;
};
