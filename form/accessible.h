#pragma once

#include <functional>
#include <string>

#include "controls.h"

// What assistive technology is told of a control. Each view hands these facts
// to its own accessibility interfaces, so that a screen reader hears the same
// on the desktop and in the browser.
enum class AccessibleRole {
    None,  // not told at all: a drawing, or what another control already says
    Button,
    SpinButton,  // a knob: one step down or up at a time
    CheckBox,
    List,
    TextBox,
    Text,
    Meter,
    Image,
};

struct AccessibleFacts {
    AccessibleRole role = AccessibleRole::None;
    std::string name{};
    // What a spin button or a meter reads, as it is shown, and the range it lies in.
    std::string value{};
    int minimum = 0;
    int maximum = 0;
    // Read after the name: what the control holds beyond it.
    std::string description{};
    // Its changes are read out as they come (politely, after what is being
    // read), at most once a second while they keep coming.
    bool announced = false;

    bool operator==(const AccessibleFacts&) const = default;
};

// A control's facts, asked afresh whenever a view needs them.
using Describer = std::function<AccessibleFacts()>;

// A caption as a reader takes it: its line breaks (CR, CR LF or LF) as LF.
std::string SpokenText(const std::string& caption);

// What an announced control's read-out says: its name and, a meter, its value.
std::string ReadOut(const AccessibleFacts& facts);

// What a control says of itself by its kind alone: its caption as its name.
// A label that takes a click is a button. Text boxes, lists and picture boxes
// have no name of their own; the program gives them one.
AccessibleFacts KindFacts(const Label& label, bool takesClick);
AccessibleFacts KindFacts(const Button& button);
AccessibleFacts KindFacts(const CheckBox& checkBox);
AccessibleFacts KindFacts(const TextBox& textBox);
AccessibleFacts KindFacts(const ListBox& listBox);
AccessibleFacts KindFacts(const PictureBox& pictureBox);

// Facts that never change.
inline Describer Always(AccessibleFacts facts) {
    return [facts = std::move(facts)] { return facts; };
}
inline const AccessibleFacts kUntold{};
