#pragma once

#include <cstddef>

#include "controls.h"
#include "json_out.h"
#include "picture_box.h"

// Each control's fields as the page reads them, inside an object already
// opened with the control's number and container.
void WriteFields(JsonOut& out, const Label& label);
void WriteFields(JsonOut& out, const Button& button);
void WriteFields(JsonOut& out, const TextBox& textBox);
void WriteFields(JsonOut& out, const ListBox& listBox);
void WriteFields(JsonOut& out, const CheckBox& checkBox);
void WriteFields(JsonOut& out, const LineFigure& line);
void WriteFields(JsonOut& out, const ShapeFigure& shape);
void WriteFields(JsonOut& out, const Timer& timer);
// The picture box's frame, and its strokes from `first` on; `clear` tells the
// page to start its drawing afresh.
void WriteFields(JsonOut& out, const PictureBox& picture, std::size_t first, bool clear);
