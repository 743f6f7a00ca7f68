#pragma once

#include <string>
#include <vector>

#include "appearance.h"
#include "picture_box.h"

// Mouse button codes of the controls' events; several held add up.
inline constexpr int kLeftButton = 1;
inline constexpr int kRightButton = 2;
inline constexpr int kMiddleButton = 4;

// Plain models of a window's controls. Handlers read and write these fields;
// the renderer shows them. Every control carries its name so the view can
// find it again.

struct Label {
    std::string name;
    std::string caption;
    TwipRect rect;
    Font font;
    Colour foreground = colours::ButtonText;
    Colour background = colours::ButtonFace;
    bool transparent = false;
    Alignment alignment = Alignment::Left;
    bool wordWrap = false;
    bool visible = true;

    bool operator==(const Label&) const = default;
};

struct Button {
    std::string name;
    std::string caption;
    TwipRect rect;
    Font font;
    bool visible = true;
    bool enabled = true;

    bool operator==(const Button&) const = default;
};

struct TextBox {
    std::string name;
    std::string text;
    TwipRect rect;
    Font font;
    bool visible = true;

    bool operator==(const TextBox&) const = default;
};

struct ListBox {
    std::string name;
    std::vector<std::string> items;
    TwipRect rect;
    Font font;

    void Clear() { items.clear(); }
    void AddItem(const std::string& item) { items.push_back(item); }

    bool operator==(const ListBox&) const = default;
};

struct CheckBox {
    std::string name;
    std::string caption;
    TwipRect rect;
    Font font;
    bool checked = false;

    bool operator==(const CheckBox&) const = default;
};

// A straight line drawn on the window surface, end points in twips.
struct LineFigure {
    std::string name;
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    Colour colour = colours::Black;
    int width = 1;
    bool visible = true;

    bool operator==(const LineFigure&) const = default;
};

enum class ShapeKind { Rectangle, RoundedRectangle, Oval };
enum class BorderStyle { None, Solid, Dot };

struct ShapeFigure {
    std::string name;
    ShapeKind kind = ShapeKind::Rectangle;
    TwipRect rect;
    BorderStyle border = BorderStyle::Solid;
    int borderWidth = 1;
    Colour borderColour = colours::Black;
    bool filled = false;
    Colour fillColour = colours::Black;
    bool visible = true;

    bool operator==(const ShapeFigure&) const = default;
};

// A windowless control that lies inside a picture box, clipped by it.
template <class Control, class Picture>
struct InPicture {
    Control& child;
    Picture& container;
};

template <class Control, class Picture>
InPicture<Control, Picture> Inside(Control& control, Picture& picture) {
    return {control, picture};
}

struct Timer {
    bool enabled = false;
    int intervalMs = 0;

    bool operator==(const Timer&) const = default;
};
