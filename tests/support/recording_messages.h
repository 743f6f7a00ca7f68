#pragma once

#include <string>
#include <vector>

#include "message_boxes.h"

// Records every message box instead of showing it.
class RecordingMessages : public MessageBoxes {
  public:
    struct Shown {
        std::string title;
        std::string text;
    };
    void Show(const std::string& title, const std::string& text) override {
        shown.push_back({title, text});
    }
    std::vector<Shown> shown;
};
