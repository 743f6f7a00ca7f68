#pragma once

#include <functional>
#include <memory>

#include "form_view.h"
#include "qt_image_source.h"
#include "slide_show.h"
#include "steady_clock.h"

// The slide show's real window: the controls rendered by the form view and
// bound to their handlers.
class TessivarWindow {
  public:
    // Message boxes default to the desktop's, over this window; reports to
    // nowhere.
    explicit TessivarWindow(MessageBoxes* messages = nullptr,
                            PictureFolder folder = CurrentScreenshotFolder,
                            std::vector<Slide> deck = BuiltInSlides(), Reports* reports = nullptr);
    ~TessivarWindow();

    // Loads the window, shows it and activates it once, as soon as it shows.
    void Open();

    FormView view;
    SlideShow& model() { return *show_; }
    // Run when a picture cannot be loaded; by default the application's
    // event loop ends with the status.
    std::function<void(int status)> ended;

  private:
    std::unique_ptr<MessageBoxes> ownMessages_;
    QtImageSource images_;
    SteadyClock clock_;
    Reports nowhere_;
    std::unique_ptr<SlideShow> show_;
};
