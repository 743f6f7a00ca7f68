#include "web_form.h"

#include <memory>
#include <optional>
#include <stdexcept>

#include "control_json.h"

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

}  // namespace

WebForm::WebForm(std::string caption, int widthTwips, int heightTwips)
    : caption_(std::move(caption)), widthTwips_(widthTwips), heightTwips_(heightTwips) {}

template <class Model>
std::shared_ptr<std::optional<Model>> WebForm::Track(Model& model, int parent) {
    int id = static_cast<int>(writers_.size());
    ids_[&model] = id;
    bindings_.emplace_back();
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
    int id = static_cast<int>(writers_.size());
    ids_[&model] = id;
    bindings_.emplace_back();
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

void WebForm::OnMouseUp(PictureBox& pictureBox, PointHandler handler) {
    Bind(&pictureBox).mouseUp = std::move(handler);
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

bool WebForm::Post(int control, Event event, int button, double x, double y,
                   const std::string& text) {
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
    }
    return false;
}

const std::string& WebForm::Changes() {
    out_.Reset();
    out_.Open('{');
    if (!described_) {
        out_.Key("caption").Value(caption_).Key("width").Value(widthTwips_);
        out_.Key("height").Value(heightTwips_);
        described_ = true;
    }
    out_.Key("controls").Open('[');
    for (auto& write : writers_) write(out_);
    out_.Close(']').Close('}');
    return out_.Text();
}
