#include "keyboard_pointers.h"

#include "stroke_geometry.h"

namespace {

// The part of a picture's drawing area that is seen, in twips.
TwipRect SeenArea(const PictureBox& picture) {
    PixelSize area = DrawingArea(picture);
    return {0, 0, area.width * kTwipsPerPixel, area.height * kTwipsPerPixel};
}

bool Covers(const Label& label, double x, double y) {
    const TwipRect& r = label.rect;
    return label.visible && x >= r.left && x < r.left + r.width && y >= r.top &&
           y < r.top + r.height;
}

}  // namespace

void KeyboardPointers::AddLabel(int picture, int id, const Label& label) {
    labelsOn_.emplace(picture, std::pair{id, &label});
}

PointerStep KeyboardPointers::Key(int picture, int keyCode, bool shift) {
    KeyboardPointer& pointer = pointers_[picture];
    PointerStep step{.placed = !pointer.placed};
    PointerKeyResult result = pointer.Key(keyCode, shift, SeenArea(*pictures_.at(picture)));
    step.moved = result.moved;
    step.button = result.button;
    step.x = pointer.x;
    step.y = pointer.y;
    step.label = LabelAt(picture, step.x, step.y);
    return step;
}

int KeyboardPointers::LabelAt(int picture, double x, double y) const {
    auto [from, to] = labelsOn_.equal_range(picture);
    for (auto it = from; it != to; ++it) {
        const auto& [id, label] = it->second;
        if (Covers(*label, x, y)) return id;
    }
    return -1;
}

void KeyboardPointers::WriteMoved(JsonOut& out) {
    bool opened = false;
    for (const auto& [id, pointer] : pointers_) {
        KeyboardPointer& written = written_[id];
        if (written.placed && written.x == pointer.x && written.y == pointer.y) continue;
        if (!opened) out.Key("pointers").Open('[');
        opened = true;
        out.Open('[').Value(id).Value(pointer.x).Value(pointer.y).Close(']');
        written = pointer;
    }
    if (opened) out.Close(']');
}
