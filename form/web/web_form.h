#pragma once

#include <functional>
#include <string>

#include "accessible.h"
#include "announcements.h"
#include "control_registry.h"
#include "controls.h"
#include "event_router.h"
#include "json_out.h"
#include "keyboard_pointers.h"
#include "page_events.h"
#include "picture_box.h"
#include "tab_order.h"

// The page's view of a window built from control models: the web twin of the
// desktop's FormView, with the same ways to add controls and bind handlers.
// Controls are numbered in the order added, which is their stacking order
// (labels, lines and shapes first, then the windowed controls above them).
// Changes() describes, as JSON, every control that differs from what the page
// was last told, with only the strokes drawn since; the page's events come in
// through Post() and run one at a time.
class WebForm {
  public:
    using Handler = std::function<void()>;
    using PointHandler = Bindings::PointHandler;

    WebForm(std::string caption, int widthTwips, int heightTwips);

    void Add(Label& label);
    void Add(LineFigure& line);
    void Add(ShapeFigure& shape);
    void Add(Label& label, PictureBox& container);
    void Add(LineFigure& line, PictureBox& container);
    void Add(Button& button);
    void Add(TextBox& textBox);
    void Add(ListBox& listBox);
    void Add(CheckBox& checkBox);
    void Add(PictureBox& pictureBox);

    void OnClick(Button& button, Handler handler);
    // button: 1 left, 2 right, 4 middle.
    void OnMouseUp(Button& button, std::function<void(int button)> handler);
    void OnClick(Label& label, Handler handler);
    void OnKeyUp(TextBox& textBox, std::function<void(int keyCode)> handler);
    // Positions in twips from the top-left corner of the drawing area.
    void OnMouseUp(PictureBox& pictureBox, PointHandler handler);
    void OnMouseMove(PictureBox& pictureBox, PointHandler handler);
    void BindTimer(Timer& timer, Handler tick);
    // What assistive technology is told of a control, in place of what its
    // kind says (its caption).
    template <class Control>
    void Describe(const Control& control, Describer describer) {
        told_.Describe(controls_.Id(&control), std::move(describer));
    }
    // Seconds on a steady clock, which paces the read-out changes.
    void SetClock(std::function<double()> now) { told_.SetClock(std::move(now)); }
    void SetAfterEvent(Handler hook) { events_.SetAfterEvent(std::move(hook)); }

    // The page's events (page_events.h), one at a time. Each returns true
    // when the page must then call Pump().
    template <class PageEventKind>
    bool Post(const PageEventKind& event) {
        return events_.Post(event);
    }
    void Pump() { events_.Pump(); }
    bool Running() const { return events_.Running(); }
    // Runs a handler as an event of its own (start-up's activation).
    bool Dispatch(Handler handler) { return events_.Dispatch(std::move(handler)); }

    // Where Publish() sends the changes: the page.
    void SetPublisher(std::function<void(const std::string&)> publish) {
        publish_ = std::move(publish);
    }
    // Tells the page what changed; runs after every event too.
    void Publish() {
        if (publish_) publish_(Changes());
    }
    // The form's caption, size and the order of its controls that take
    // clicks the first time, then every control that changed, what
    // assistive technology is told of them and the keyboard pointers.
    const std::string& Changes();

  private:
    template <class Model>
    int Enrol(Model& model, int parent = -1);
    bool TakesClicks(int id) const { return controls_.At(id).TakesClicks(); }
    void WriteOrder();

    std::string caption_;
    int widthTwips_;
    int heightTwips_;
    bool described_ = false;
    JsonOut out_;
    ControlRegistry controls_;
    Announcements told_;
    TabOrder order_;
    KeyboardPointers pointers_;
    std::function<void(const std::string&)> publish_;
    EventRouter events_{controls_, pointers_, [this] { Publish(); }};
};
