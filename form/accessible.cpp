#include "accessible.h"

std::string SpokenText(const std::string& caption) {
    std::string text;
    text.reserve(caption.size());
    for (std::size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] != '\r') {
            text += caption[i];
        } else if (i + 1 >= caption.size() || caption[i + 1] != '\n') {
            text += '\n';
        }
    }
    return text;
}

std::string ReadOut(const AccessibleFacts& facts) {
    return facts.value.empty() ? facts.name : facts.name + ", " + facts.value;
}

AccessibleFacts KindFacts(const Label& label, bool takesClick) {
    AccessibleRole role = takesClick ? AccessibleRole::Button : AccessibleRole::Text;
    return {.role = role, .name = SpokenText(label.caption)};
}

AccessibleFacts KindFacts(const Button& button) {
    return {.role = AccessibleRole::Button, .name = SpokenText(button.caption)};
}

AccessibleFacts KindFacts(const CheckBox& checkBox) {
    return {.role = AccessibleRole::CheckBox, .name = SpokenText(checkBox.caption)};
}

AccessibleFacts KindFacts(const TextBox&) {
    return {.role = AccessibleRole::TextBox};
}

AccessibleFacts KindFacts(const ListBox&) {
    return {.role = AccessibleRole::List};
}

AccessibleFacts KindFacts(const PictureBox&) {
    return {.role = AccessibleRole::Image};
}
