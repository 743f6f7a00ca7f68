#pragma once

#include <cstddef>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "accessible.h"
#include "announce_pacer.h"
#include "controls.h"
#include "event_pump.h"
#include "json_out.h"
#include "key_clicks.h"
#include "picture_box.h"

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
    using PointHandler = std::function<void(int button, double x, double y)>;

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
        told_[static_cast<std::size_t>(Id(&control))].describe = std::move(describer);
    }
    // Seconds on a steady clock, which paces the read-out changes.
    void SetClock(std::function<double()> now) { now_ = std::move(now); }
    void SetAfterEvent(Handler hook) { afterEvent_ = std::move(hook); }

    // The page's events, by control number. Each returns true when the page
    // must call Pump(). Text and tick marks the user changed arrive as
    // events too, so that they wait their turn like clicks. A key on a
    // control that takes clicks (Key: button the key code, x 1 with Shift,
    // y 1 when held) becomes the click it stands for; Announce, for no
    // control, asks for the read-out that waited its turn.
    enum class Event { Click, MouseUp, KeyUp, MouseMove, Text, Check, Tick, Key, Announce };
    bool Post(int control, Event event, int button, double x, double y, const std::string& text);
    void Pump() { pump_.Run(); }
    bool Running() const { return pump_.Running(); }
    // Runs a handler as an event of its own (start-up's activation).
    bool Dispatch(Handler handler);

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
    struct Bindings {
        Handler click;
        PointHandler mouseUp;
        std::function<void(int)> keyUp;
        PointHandler mouseMove;
        std::function<void(const std::string&)> setText;
        std::function<void(bool)> setChecked;
    };
    // What the page was last told of a control for assistive technology.
    struct Told {
        Describer describe;
        std::optional<AccessibleFacts> facts{};
        AnnouncePacer pacer{};
    };
    // A control's frame on the form, for its place in the reading order.
    struct Placed {
        int id;
        const TwipRect* rect;
        int parent;
        bool alwaysStops;  // else only with a click or mouse-up handler
    };

    // Returns what the page was last told of the model.
    template <class Model>
    std::shared_ptr<std::optional<Model>> Track(Model& model, int parent = -1);
    template <class Model>
    int Register(const Model& model, int parent);
    int Id(const void* model) const;
    bool Key(int id, int keyCode, bool shift, bool held);
    bool PointerKey(int id, int keyCode, bool shift, bool held);
    const Bindings* LabelAt(int picture, double x, double y) const;
    void WriteOrder();
    void WriteTold();
    void WriteFacts(int id, const AccessibleFacts& facts);
    void WritePointers();
    Bindings& Bind(const void* model) { return bindings_[static_cast<std::size_t>(Id(model))]; }
    Handler WithAfter(Handler handler);

    std::string caption_;
    int widthTwips_;
    int heightTwips_;
    bool described_ = false;
    JsonOut out_;
    std::vector<std::function<void(JsonOut&)>> writers_;
    std::vector<Bindings> bindings_;
    std::unordered_map<const void*, int> ids_;
    std::vector<Told> told_;
    std::vector<Placed> placed_;
    std::map<int, const PictureBox*> pictures_;
    // The texts over each picture: its id to theirs.
    std::multimap<int, std::pair<int, const Label*>> labelsOn_;
    std::map<int, KeyboardPointer> pointers_;
    std::map<int, KeyboardPointer> pointersSent_;
    std::function<double()> now_;
    Handler afterEvent_;
    std::function<void(const std::string&)> publish_;
    EventPump pump_;
};
