#include "web_form.h"

#include <algorithm>
#include <chrono>
#include <memory>
#include <optional>
#include <stdexcept>

#include "control_json.h"
#include "key_codes.h"
#include "reading_order.h"
#include "stroke_geometry.h"

namespace {

// What the page last drew of a picture box: its frame and how far into its
// display list it got.
struct PictureApplied {
    TwipRect rect;
    bool sunken = true;
    Colour background;
    std::string picture;
    std::uint64_t pictureLoads = 0;
    std::uint64_t clears = 0;
    std::size_t strokes = 0;
};

void Open(JsonOut& out, int id, int parent) {
    out.Open('{').Key("id").Value(id).Key("parent").Value(parent);
}

// The role's name as the page knows it.
const char* RoleName(AccessibleRole role) {
    switch (role) {
        case AccessibleRole::Button:
            return "button";
        case AccessibleRole::SpinButton:
            return "spinButton";
        case AccessibleRole::CheckBox:
            return "checkBox";
        case AccessibleRole::List:
            return "list";
        case AccessibleRole::TextBox:
            return "textBox";
        case AccessibleRole::Text:
            return "text";
        case AccessibleRole::Meter:
            return "meter";
        case AccessibleRole::Image:
            return "image";
        case AccessibleRole::None:
            break;
    }
    return "none";
}

// What a control says by its kind; a label is a button when it takes a click.
template <class Model>
Describer KindDescriber(const Model& model, const std::function<bool()>& takesClick) {
    if constexpr (std::is_same_v<Model, Label>) {
        return [&model, takesClick] { return KindFacts(model, takesClick()); };
    } else if constexpr (requires { KindFacts(model); }) {
        return [&model] { return KindFacts(model); };
    } else {
        return Always(kUntold);
    }
}

// The part of a picture's drawing area that is seen, in twips.
TwipRect SeenArea(const PictureBox& picture) {
    PixelSize area = DrawingArea(picture);
    return {0, 0, area.width * kTwipsPerPixel, area.height * kTwipsPerPixel};
}

}  // namespace

WebForm::WebForm(std::string caption, int widthTwips, int heightTwips)
    : caption_(std::move(caption)), widthTwips_(widthTwips), heightTwips_(heightTwips) {}

template <class Model>
int WebForm::Register(const Model& model, int parent) {
    int id = static_cast<int>(writers_.size());
    ids_[&model] = id;
    bindings_.emplace_back();
    auto bound = [this, id] {
        const Bindings& b = bindings_[static_cast<std::size_t>(id)];
        return static_cast<bool>(b.click) || static_cast<bool>(b.mouseUp);
    };
    told_.push_back({KindDescriber(model, bound)});
    if constexpr (requires { model.rect; }) {
        constexpr bool always = !std::is_same_v<Model, Label> && !std::is_same_v<Model, PictureBox>;
        if constexpr (!std::is_same_v<Model, ShapeFigure>) {
            placed_.push_back({id, &model.rect, parent, always});
        }
    }
    return id;
}

template <class Model>
std::shared_ptr<std::optional<Model>> WebForm::Track(Model& model, int parent) {
    int id = Register(model, parent);
    auto last = std::make_shared<std::optional<Model>>();
    writers_.push_back([&model, id, parent, last](JsonOut& out) {
        if (*last == model) return;
        Open(out, id, parent);
        WriteFields(out, model);
        out.Close('}');
        *last = model;
    });
    return last;
}

template <>
std::shared_ptr<std::optional<PictureBox>> WebForm::Track(PictureBox& model, int parent) {
    int id = Register(model, parent);
    writers_.push_back([&model, id, parent,
                        last = std::optional<PictureApplied>()](JsonOut& out) mutable {
        // Strokes are sent as pixels of the drawing area: a new area, all of them again.
        bool clear = !last || last->clears != model.clears || last->rect != model.rect ||
                     last->sunken != model.sunkenBorder;
        bool same = last && !clear && last->background == model.background &&
                    last->picture == model.picture && last->pictureLoads == model.pictureLoads &&
                    last->strokes == model.strokes.size();
        if (same) return;
        Open(out, id, parent);
        WriteFields(out, model, clear ? 0 : last->strokes, clear);
        out.Close('}');
        last = PictureApplied{.rect = model.rect,
                              .sunken = model.sunkenBorder,
                              .background = model.background,
                              .picture = model.picture,
                              .pictureLoads = model.pictureLoads,
                              .clears = model.clears,
                              .strokes = model.strokes.size()};
    });
    return nullptr;
}

void WebForm::Add(Label& label) {
    Track(label);
}
void WebForm::Add(LineFigure& line) {
    Track(line);
}
void WebForm::Add(ShapeFigure& shape) {
    Track(shape);
}
void WebForm::Add(Label& label, PictureBox& container) {
    Track(label, Id(&container));
    labelsOn_.emplace(Id(&container), std::pair{Id(&label), &label});
}
void WebForm::Add(LineFigure& line, PictureBox& container) {
    Track(line, Id(&container));
}
void WebForm::Add(Button& button) {
    Track(button);
}
void WebForm::Add(ListBox& listBox) {
    Track(listBox);
}
void WebForm::Add(PictureBox& pictureBox) {
    Track(pictureBox);
}

// What the user typed or ticked is already on the page: the model takes it
// without the page being told it back.
void WebForm::Add(TextBox& textBox) {
    auto last = Track(textBox);
    Bind(&textBox).setText = [&textBox, last](const std::string& text) {
        textBox.text = text;
        if (*last) (*last)->text = text;
    };
}

void WebForm::Add(CheckBox& checkBox) {
    auto last = Track(checkBox);
    Bind(&checkBox).setChecked = [&checkBox, last](bool checked) {
        checkBox.checked = checked;
        if (*last) (*last)->checked = checked;
    };
}

int WebForm::Id(const void* model) const {
    auto found = ids_.find(model);
    if (found == ids_.end()) throw std::invalid_argument("control not added to the form");
    return found->second;
}

void WebForm::OnClick(Button& button, Handler handler) {
    Bind(&button).click = std::move(handler);
}

void WebForm::OnMouseUp(Button& button, std::function<void(int)> handler) {
    Bind(&button).mouseUp = [handler = std::move(handler)](int code, double, double) {
        handler(code);
    };
}

void WebForm::OnClick(Label& label, Handler handler) {
    Bind(&label).click = std::move(handler);
}

void WebForm::OnKeyUp(TextBox& textBox, std::function<void(int)> handler) {
    Bind(&textBox).keyUp = std::move(handler);
}

// A picture that takes clicks takes them from a keyboard pointer too.
void WebForm::OnMouseUp(PictureBox& pictureBox, PointHandler handler) {
    Bind(&pictureBox).mouseUp = std::move(handler);
    pictures_[Id(&pictureBox)] = &pictureBox;
}

void WebForm::OnMouseMove(PictureBox& pictureBox, PointHandler handler) {
    Bind(&pictureBox).mouseMove = std::move(handler);
}

void WebForm::BindTimer(Timer& timer, Handler tick) {
    Track(timer);
    Bind(&timer).click = std::move(tick);
}

WebForm::Handler WebForm::WithAfter(Handler handler) {
    return [this, handler = std::move(handler)] {
        handler();
        if (afterEvent_) afterEvent_();
        Publish();
    };
}

bool WebForm::Dispatch(Handler handler) {
    return pump_.Post(WithAfter(std::move(handler)));
}

// A key on a knob is the mouse button it stands for, by the mouse's path:
// the mouse-up handler, then the click for the left button.
bool WebForm::Key(int id, int keyCode, bool shift, bool held) {
    if (pictures_.contains(id)) return PointerKey(id, keyCode, shift, held);
    const Bindings& b = bindings_[static_cast<std::size_t>(id)];
    int button = KnobButtonFor(keyCode);
    if (!b.mouseUp || button == 0) return false;
    return Dispatch([&b, button] {
        b.mouseUp(button, 0, 0);
        if (button == kLeftButton && b.click) b.click();
    });
}

// Arrows move the pointer over the picture, as the mouse moves; Enter and
// Backspace click there, once however long they are held.
bool WebForm::PointerKey(int id, int keyCode, bool shift, bool held) {
    KeyboardPointer& pointer = pointers_[id];
    bool placing = !pointer.placed;
    PointerKeyResult result = pointer.Key(keyCode, shift, SeenArea(*pictures_[id]));
    const Bindings& b = bindings_[static_cast<std::size_t>(id)];
    double x = pointer.x;
    double y = pointer.y;
    bool mustPump = false;
    const Bindings* label = LabelAt(id, x, y);
    if (result.moved && !label) {
        mustPump = Dispatch([&b, x, y] {
            if (b.mouseMove) b.mouseMove(0, x, y);
        });
    }
    if (result.button != 0 && !held && !label) {
        mustPump = Dispatch([&b, button = result.button, x, y] { b.mouseUp(button, x, y); });
    } else if (result.button == kLeftButton && !held && label && label->click) {
        mustPump = Dispatch(label->click);
    }
    // A pointer just placed is shown where it waits.
    if (placing && !result.moved) mustPump = Dispatch([] {}) || mustPump;
    return mustPump;
}

// A text over the picture takes the pointer where it lies, as it takes the
// mouse: a left click there is its own, and nothing reaches the picture.
const WebForm::Bindings* WebForm::LabelAt(int picture, double x, double y) const {
    auto [from, to] = labelsOn_.equal_range(picture);
    for (auto it = from; it != to; ++it) {
        const auto& [id, label] = it->second;
        const TwipRect& r = label->rect;
        if (label->visible && x >= r.left && x < r.left + r.width && y >= r.top &&
            y < r.top + r.height) {
            return &bindings_[static_cast<std::size_t>(id)];
        }
    }
    return nullptr;
}

bool WebForm::Post(int control, Event event, int button, double x, double y,
                   const std::string& text) {
    if (event == Event::Announce) return Dispatch([] {});
    if (control < 0 || control >= static_cast<int>(bindings_.size())) return false;
    const Bindings& b = bindings_[static_cast<std::size_t>(control)];
    switch (event) {
        case Event::Click:
            return b.click && Dispatch(b.click);
        case Event::MouseUp:
            return b.mouseUp && Dispatch([&b, button, x, y] { b.mouseUp(button, x, y); });
        case Event::KeyUp:
            return b.keyUp && Dispatch([&b, button] { b.keyUp(button); });
        case Event::MouseMove:
            return b.mouseMove && Dispatch([&b, button, x, y] { b.mouseMove(button, x, y); });
        case Event::Text:
            return b.setText && pump_.Post([&b, text] { b.setText(text); });
        case Event::Check:
            return b.setChecked && pump_.Post([&b, button] { b.setChecked(button != 0); });
        case Event::Tick:
            return b.click && pump_.PostTick(WithAfter(b.click));
        case Event::Key:
            return Key(control, button, x != 0, y != 0);
        case Event::Announce:
            break;
    }
    return false;
}

const std::string& WebForm::Changes() {
    out_.Reset();
    out_.Open('{');
    if (!described_) {
        out_.Key("caption").Value(caption_).Key("width").Value(widthTwips_);
        out_.Key("height").Value(heightTwips_);
        WriteOrder();
        described_ = true;
    }
    out_.Key("controls").Open('[');
    for (auto& write : writers_) write(out_);
    out_.Close(']');
    WriteTold();
    WritePointers();
    out_.Close('}');
    return out_.Text();
}

// The controls that take clicks, in the order a reader meets them: the
// page's order for Tab.
void WebForm::WriteOrder() {
    std::vector<int> stops;
    std::vector<TwipRect> rects;
    for (const Placed& placed : placed_) {
        const Bindings& b = bindings_[static_cast<std::size_t>(placed.id)];
        if (!placed.alwaysStops && !b.click && !b.mouseUp) continue;
        TwipRect rect = *placed.rect;
        for (const Placed& outer : placed_) {
            if (outer.id != placed.parent) continue;
            rect.left += outer.rect->left;
            rect.top += outer.rect->top;
        }
        stops.push_back(placed.id);
        rects.push_back(rect);
    }
    out_.Key("order").Open('[');
    for (std::size_t index : ReadingOrder(rects)) out_.Value(stops[index]);
    out_.Close(']');
}

// What assistive technology is told, for the controls whose facts changed;
// the changes that are read out go to "say", paced, with "sayIn" seconds
// until the next one that waits.
void WebForm::WriteTold() {
    double now =
        now_ ? now_()
             : std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch())
                   .count();
    std::vector<int> changed;
    std::vector<int> say;
    std::optional<double> dueAt;
    for (std::size_t id = 0; id < told_.size(); ++id) {
        Told& told = told_[id];
        AccessibleFacts facts = told.describe();
        if (told.facts && facts == *told.facts && !told.pacer.Due()) continue;
        if (!told.facts || facts != *told.facts) changed.push_back(static_cast<int>(id));
        bool spoken = told.facts && facts.announced && facts.name != told.facts->name;
        told.facts = std::move(facts);
        if ((spoken && told.pacer.Changed(now)) || told.pacer.TakeDue(now)) {
            say.push_back(static_cast<int>(id));
        }
        if (auto when = told.pacer.Due()) dueAt = std::min(dueAt.value_or(*when), *when);
    }
    if (!changed.empty()) {
        out_.Key("told").Open('[');
        for (int id : changed) WriteFacts(id, *told_[static_cast<std::size_t>(id)].facts);
        out_.Close(']');
    }
    if (!say.empty()) {
        out_.Key("say").Open('[');
        for (int id : say) {
            out_.Open('{').Key("id").Value(id);
            out_.Key("text").Value(told_[static_cast<std::size_t>(id)].facts->name).Close('}');
        }
        out_.Close(']');
    }
    if (dueAt) out_.Key("sayIn").Value(*dueAt - now);
}

// Role, name, value and description, whether changes are read out, and
// which keys the control takes besides its kind's.
void WebForm::WriteFacts(int id, const AccessibleFacts& facts) {
    const Bindings& b = bindings_[static_cast<std::size_t>(id)];
    const char* keys = pictures_.contains(id) ? "pointer" : b.mouseUp ? "knob" : "";
    out_.Open('{').Key("id").Value(id).Key("role").Value(RoleName(facts.role));
    out_.Key("name").Value(facts.name).Key("value").Value(facts.value);
    out_.Key("description").Value(facts.description).Key("live").Value(facts.announced);
    out_.Key("keys").Value(keys).Close('}');
}

// Where the keyboard pointers are, when they moved.
void WebForm::WritePointers() {
    bool opened = false;
    for (const auto& [id, pointer] : pointers_) {
        KeyboardPointer& sent = pointersSent_[id];
        if (sent.placed && sent.x == pointer.x && sent.y == pointer.y) continue;
        if (!opened) out_.Key("pointers").Open('[');
        opened = true;
        out_.Open('[').Value(id).Value(pointer.x).Value(pointer.y).Close(']');
        sent = pointer;
    }
    if (opened) out_.Close(']');
}
