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
