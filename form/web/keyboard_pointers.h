#pragma once

#include <map>
#include <utility>

#include "controls.h"
#include "json_out.h"
#include "key_clicks.h"
#include "picture_box.h"

// What a key did to a picture's keyboard pointer.
struct PointerStep {
    bool placed = false;  // by this key: it is to be shown where it waits
    bool moved = false;
    int button = 0;  // the mouse button it clicks where it is; 0 for none
    // Twips from the top-left corner of the picture's drawing area.
    double x = 0;
    double y = 0;
    // The text over the picture there, which takes the pointer where it lies
    // as it takes the mouse; -1 for none.
    int label = -1;
};

// The keyboard pointers of the pictures that take clicks: arrows move one
// over what is seen of its picture, as the mouse moves; Enter and Backspace
// click there (KeyboardPointer).
class KeyboardPointers {
  public:
    void AddPicture(int id, const PictureBox& picture) { pictures_[id] = &picture; }
    // A text numbered `id` over picture `picture`.
    void AddLabel(int picture, int id, const Label& label);
    bool Has(int picture) const { return pictures_.contains(picture); }

    PointerStep Key(int picture, int keyCode, bool shift);
    // "pointers": [id, x, y] of each pointer that moved since last written.
    void WriteMoved(JsonOut& out);

  private:
    int LabelAt(int picture, double x, double y) const;

    std::map<int, const PictureBox*> pictures_;
    std::multimap<int, std::pair<int, const Label*>> labelsOn_;
    std::map<int, KeyboardPointer> pointers_;
    std::map<int, KeyboardPointer> written_;
};
