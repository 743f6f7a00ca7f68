#pragma once

#include <string>

// Modal message box with an OK button only and no icon. Lines in the text are
// separated by a carriage return alone.
class MessageBoxes {
  public:
    virtual ~MessageBoxes() = default;
    virtual void Show(const std::string& title, const std::string& text) = 0;
};
