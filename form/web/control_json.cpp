#include "control_json.h"

#include <fmt/format.h>

#include <string>

#include "stroke_geometry.h"

namespace {

const char* RoleName(SystemColour role) {
    switch (role) {
        case SystemColour::ButtonFace:
            return "ButtonFace";
        case SystemColour::ButtonText:
            return "ButtonText";
        case SystemColour::Window:
            return "Window";
        case SystemColour::WindowText:
            return "WindowText";
        case SystemColour::MenuText:
            return "MenuText";
        case SystemColour::ActiveBorder:
            return "ActiveBorder";
        case SystemColour::None:
            break;
    }
    return "";
}

// "#rrggbb", or the role's name for the page to shade.
std::string ColourText(const Colour& colour) {
    if (colour.role != SystemColour::None) return RoleName(colour.role);
    return fmt::format("#{:02x}{:02x}{:02x}", colour.red, colour.green, colour.blue);
}

void Kind(JsonOut& out, const char* kind, const std::string& name) {
    out.Key("kind").Value(kind).Key("name").Value(name);
}

void Rect(JsonOut& out, const TwipRect& rect) {
    out.Key("rect").Open('[');
    for (int value : {rect.left, rect.top, rect.width, rect.height}) out.Value(value);
    out.Close(']');
}

void FontOf(JsonOut& out, const Font& font) {
    out.Key("font").Open('[').Value(font.family).Value(font.points).Value(font.bold).Close(']');
}

template <class Control>
void Frame(JsonOut& out, const char* kind, const Control& control) {
    Kind(out, kind, control.name);
    Rect(out, control.rect);
    FontOf(out, control.font);
}

void Colours(JsonOut& out, const char* key, const Colour& colour) {
    out.Key(key).Value(ColourText(colour));
}

}  // namespace

void WriteFields(JsonOut& out, const Label& label) {
    Frame(out, "label", label);
    out.Key("text").Value(label.caption).Key("visible").Value(label.visible);
    Colours(out, "fg", label.foreground);
    Colours(out, "bg", label.background);
    out.Key("transparent").Value(label.transparent);
    out.Key("align").Value(static_cast<int>(label.alignment)).Key("wrap").Value(label.wordWrap);
}

void WriteFields(JsonOut& out, const Button& button) {
    Frame(out, "button", button);
    out.Key("text").Value(button.caption).Key("visible").Value(button.visible);
    out.Key("enabled").Value(button.enabled);
}

void WriteFields(JsonOut& out, const TextBox& textBox) {
    Frame(out, "textbox", textBox);
    out.Key("text").Value(textBox.text).Key("visible").Value(textBox.visible);
}

void WriteFields(JsonOut& out, const ListBox& listBox) {
    Frame(out, "listbox", listBox);
    out.Key("items").Open('[');
    for (const std::string& item : listBox.items) out.Value(item);
    out.Close(']');
}

void WriteFields(JsonOut& out, const CheckBox& checkBox) {
    Frame(out, "checkbox", checkBox);
    out.Key("text").Value(checkBox.caption).Key("checked").Value(checkBox.checked);
}

void WriteFields(JsonOut& out, const LineFigure& line) {
    Kind(out, "line", line.name);
    out.Key("ends").Open('[').Value(line.x1).Value(line.y1).Value(line.x2).Value(line.y2);
    out.Close(']');
    Colours(out, "colour", line.colour);
    out.Key("width").Value(line.width).Key("visible").Value(line.visible);
}

void WriteFields(JsonOut& out, const ShapeFigure& shape) {
    Kind(out, "shape", shape.name);
    Rect(out, shape.rect);
    out.Key("shape").Value(static_cast<int>(shape.kind));
    out.Key("border")
        .Value(static_cast<int>(shape.border))
        .Key("borderWidth")
        .Value(shape.borderWidth);
    Colours(out, "borderColour", shape.borderColour);
    out.Key("filled").Value(shape.filled);
    Colours(out, "fill", shape.fillColour);
    out.Key("visible").Value(shape.visible);
}

void WriteFields(JsonOut& out, const Timer& timer) {
    Kind(out, "timer", "");
    out.Key("enabled").Value(timer.enabled).Key("interval").Value(timer.intervalMs);
}

void WriteFields(JsonOut& out, const PictureBox& picture, std::size_t first, bool clear) {
    Frame(out, "picture", picture);
    Colours(out, "bg", picture.background);
    out.Key("sunken").Value(picture.sunkenBorder).Key("image").Value(picture.picture);
    out.Key("loads").Value(static_cast<double>(picture.pictureLoads));
    out.Key("zoom").Value(picture.pictureZoom);
    out.Key("clear").Value(clear);
    // The pixels of each stroke's ends on the drawing area as the desktop maps
    // them (a point's are one pixel), and its colour; strokes that miss the
    // area are left out.
    PixelSize area = DrawingArea(picture);
    out.Key("strokes").Open('[');
    for (std::size_t i = first; i < picture.strokes.size(); ++i) {
        const Stroke& s = picture.strokes[i];
        auto pixels = MapStroke(s, area.width, area.height);
        if (!pixels) continue;
        out.Open('{').Key("from").Open('[').Value(pixels->from.x).Value(pixels->from.y).Close(']');
        out.Key("to").Open('[').Value(pixels->to.x).Value(pixels->to.y).Close(']');
        out.Key("colour").Value(ColourText(s.colour)).Close('}');
    }
    out.Close(']');
}
