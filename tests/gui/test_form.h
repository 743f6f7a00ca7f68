#pragma once

#include <QColor>
#include <QCoreApplication>
#include <QImage>
#include <QPoint>
#include <QScreen>
#include <QWidget>
#include <string>

#include "controls.h"
#include "form_view.h"
#include "picture_box.h"
#include "qt_appearance.h"

template <class Model>
Model Placed(const std::string& name, TwipRect rect) {
    Model model;
    model.name = name;
    model.rect = rect;
    return model;
}

// A small window of models and its view. Rects are in twips; 15 twips make a
// pixel, so every position below is a whole pixel.
struct TestForm {
    Label caption = Placed<Label>("Caption", {150, 150, 1500, 255});
    Label under = Placed<Label>("Under", {150, 600, 1500, 450});
    Button knob = Placed<Button>("Knob", {300, 675, 900, 300});
    TextBox command = Placed<TextBox>("Command", {150, 1200, 3000, 300});
    PictureBox plot =
        Placed<PictureBox>("Plot", {3300, 150, 1560, 1560});  // 100 x 100 pixels inside
    Timer timer{.enabled = true, .intervalMs = 10};
    FormView view;

    TestForm() {
        caption.caption = "Hello";
        under.caption = "under the knob";
        knob.caption = "Z1";
        plot.background = colours::Black;
        plot.scale = {0, 0, 100, 100};
        view.Add(caption);
        view.Add(under);
        view.Add(knob);
        view.Add(command);
        view.Add(plot);
        view.resize(340, 130);
        view.Sync();
    }

    // The middle of a model's rect in the view's pixels.
    static QPoint Centre(const TwipRect& rect) { return PixelRect(rect).center(); }
};

inline QColor PixelOf(QWidget& widget, QPoint at) {
    return widget.grab().toImage().pixelColor(at);
}

// What the screen shows of a widget: what it painted when asked, not what it
// would paint afresh, as grab() gives.
inline QImage OnScreen(QWidget& widget) {
    QCoreApplication::processEvents();
    QWidget& window = *widget.window();
    QImage shown = window.screen()->grabWindow(window.winId()).toImage();
    return shown.copy(QRect(widget.mapTo(&window, QPoint()), widget.size()));
}
