#pragma once

#include <map>

#include "clock.h"
#include "image_source.h"
#include "message_boxes.h"
#include "waiter.h"
#include "web_form.h"

// The platform services in the browser. What a handler has drawn so far is
// on the page before it waits; the page's events meanwhile are held by the
// form's event pump, its clock ticks dropped.

// The page's clock, which a browser test can set.
class PageClock : public Clock {
  public:
    float Now() override;
};

class WebMessageBoxes : public MessageBoxes {
  public:
    explicit WebMessageBoxes(WebForm& form) : form_(form) {}
    void Show(const std::string& title, const std::string& text) override;
    // The text of the last message shown: what stopped a program that stops.
    const std::string& LastText() const { return lastText_; }

  private:
    WebForm& form_;
    std::string lastText_;
};

class WebWaiter : public Waiter {
  public:
    explicit WebWaiter(WebForm& form) : form_(form) {}
    void WaitUntil(const std::function<bool()>& done) override;

  private:
    WebForm& form_;
};

// Pictures beside the page: fetched and checked whole here, decoded by the
// browser.
class WebImageSource : public ImageSource {
  public:
    bool CanLoad(const std::string& path) override;
    std::optional<PictureSize> Size(const std::string& path) override;
    bool Exists(const std::string& path) override;
    void Prefetch(const std::string& path) override;

  private:
    std::map<std::string, PictureSize> sizes_;  // as each picture last loaded
    std::map<std::string, bool> fetched_;       // as each file last fetched
};
