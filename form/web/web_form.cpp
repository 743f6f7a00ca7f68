#include "web_form.h"

#include "told_json.h"

WebForm::WebForm(std::string caption, int widthTwips, int heightTwips)
    : caption_(std::move(caption)), widthTwips_(widthTwips), heightTwips_(heightTwips) {}

// Numbers the control, and gives it what its kind says to assistive
// technology and its place in the order for Tab.
template <class Model>
int WebForm::Enrol(Model& model, int parent) {
    int id = controls_.Add(model, parent);
    told_.Add(KindDescriber(model, [this, id] { return TakesClicks(id); }));
    order_.Add(id, model, parent);
    return id;
}

void WebForm::Add(Label& label) {
    Enrol(label);
}
void WebForm::Add(LineFigure& line) {
    Enrol(line);
}
void WebForm::Add(ShapeFigure& shape) {
    Enrol(shape);
}
void WebForm::Add(Label& label, PictureBox& container) {
    int picture = controls_.Id(&container);
    pointers_.AddLabel(picture, Enrol(label, picture), label);
}
void WebForm::Add(LineFigure& line, PictureBox& container) {
    Enrol(line, controls_.Id(&container));
}
void WebForm::Add(Button& button) {
    Enrol(button);
}
void WebForm::Add(TextBox& textBox) {
    Enrol(textBox);
}
void WebForm::Add(ListBox& listBox) {
    Enrol(listBox);
}
void WebForm::Add(CheckBox& checkBox) {
    Enrol(checkBox);
}
void WebForm::Add(PictureBox& pictureBox) {
    Enrol(pictureBox);
}

void WebForm::OnClick(Button& button, Handler handler) {
    controls_.Bind(&button).click = std::move(handler);
}

void WebForm::OnMouseUp(Button& button, std::function<void(int)> handler) {
    controls_.Bind(&button).mouseUp = [handler = std::move(handler)](int code, double, double) {
        handler(code);
    };
}

void WebForm::OnClick(Label& label, Handler handler) {
    controls_.Bind(&label).click = std::move(handler);
}

void WebForm::OnKeyUp(TextBox& textBox, std::function<void(int)> handler) {
    controls_.Bind(&textBox).keyUp = std::move(handler);
}

// A picture that takes clicks takes them from a keyboard pointer too.
void WebForm::OnMouseUp(PictureBox& pictureBox, PointHandler handler) {
    controls_.Bind(&pictureBox).mouseUp = std::move(handler);
    pointers_.AddPicture(controls_.Id(&pictureBox), pictureBox);
}

void WebForm::OnMouseMove(PictureBox& pictureBox, PointHandler handler) {
    controls_.Bind(&pictureBox).mouseMove = std::move(handler);
}

void WebForm::BindTimer(Timer& timer, Handler tick) {
    Enrol(timer);
    controls_.Bind(&timer).click = std::move(tick);
}

bool WebForm::Post(int control, Event event, int button, double x, double y,
                   const std::string& text) {
    switch (event) {
        case Event::Click:
            return events_.Post(ClickEvent{control});
        case Event::MouseUp:
            return events_.Post(MouseUpEvent{control, button, x, y});
        case Event::KeyUp:
            return events_.Post(KeyUpEvent{control, button});
        case Event::MouseMove:
            return events_.Post(MouseMoveEvent{control, button, x, y});
        case Event::Text:
            return events_.Post(TextEvent{control, text});
        case Event::Check:
            return events_.Post(CheckEvent{control, button != 0});
        case Event::Tick:
            return events_.Post(TickEvent{control});
        case Event::Key:
            return events_.Post(KeyEvent{control, button, x != 0, y != 0});
        case Event::Announce:
            return events_.Post(AnnounceEvent{});
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
    controls_.WriteChanged(out_);
    WriteTold(out_, told_.Take(), told_, [this](int id) { return events_.KeysTaken(id); });
    pointers_.WriteMoved(out_);
    out_.Close('}');
    return out_.Text();
}

void WebForm::WriteOrder() {
    out_.Key("order").Open('[');
    for (int id : order_.Stops([this](int id) { return TakesClicks(id); })) out_.Value(id);
    out_.Close(']');
}
