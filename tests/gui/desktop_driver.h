#pragma once

#include <QPoint>
#include <QRect>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "form_view.h"
#include "message_boxes.h"
#include "qt_appearance.h"

// A program's real window as the desktop driver works it (desktop_driver.cpp).

// Where each control lies and where its content starts, by name: a view of
// the control models like any other, filled by the programs' control lists.
struct Places {
    std::map<std::string, std::pair<QRect, QPoint>> of;

    void Add(const auto& control) {
        if constexpr (requires { control.rect; }) {
            int border = 0;
            if constexpr (requires { control.sunkenBorder; }) border = control.sunkenBorder ? 2 : 0;
            QRect rect = PixelRect(control.rect);
            of[control.name] = {rect, rect.topLeft() + QPoint(border, border)};
        }
    }
    void Add(const auto& control, const auto&) { Add(control); }
};

// Records each message and, when asked, runs something behind the next one.
struct SnappingMessages : MessageBoxes {
    std::vector<std::pair<std::string, std::string>> shown;
    std::function<void()> atNext;
    void Show(const std::string& title, const std::string& text) override {
        shown.emplace_back(title, text);
        if (atNext) std::exchange(atNext, {})();
    }
};

struct Driven {
    std::shared_ptr<void> window;  // keeps the window and its fakes
    FormView* view = nullptr;
    Places places;
    std::function<std::string()> models;  // the page's first description of the window
    std::function<void(int count)> tick = [](int) {};
};

// The page's fake clock starts at this time of day.
inline constexpr double kStartOfDay = 100;

Driven DriveKymbral(SnappingMessages& messages);
Driven DriveTessivar(SnappingMessages& messages);
