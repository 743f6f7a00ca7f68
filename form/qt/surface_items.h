#pragma once

#include <QPainter>
#include <QPalette>
#include <QPointF>
#include <QRegion>
#include <functional>
#include <variant>
#include <vector>

#include "controls.h"

// The labels, lines and shapes of one surface (the form, or a picture box)
// in stacking order: later items lie above earlier ones. Each item is painted
// from the copy of its model taken at the last Sync, so what is on screen and
// what was invalidated always agree.
class SurfaceItems {
  public:
    void Add(Label& label);
    void Add(LineFigure& line);
    void Add(ShapeFigure& shape);

    bool Holds(const Label& label) const;
    void SetClickHandler(const Label& label, std::function<void()> handler);

    // Takes the models' changes; returns the area to repaint: the old and the
    // new place of every item that changed.
    QRegion Sync();
    void Paint(QPainter& painter, const QRegion& area, const QPalette& palette) const;

    // A visible label takes the mouse over it, whether or not anything handles
    // its click. These return true when a label took the event.
    bool Press(QPointF position);
    bool Release(QPointF position, Qt::MouseButton button);
    bool TakesMove(QPointF position, Qt::MouseButtons held) const;
    // Whether a visible label lies there, which would take a click.
    bool Covers(QPointF position) const { return LabelAt(position) != nullptr; }

  private:
    using Model = std::variant<Label*, LineFigure*, ShapeFigure*>;
    using Shown = std::variant<Label, LineFigure, ShapeFigure>;
    struct Item {
        Model model;
        Shown shown;
        std::function<void()> onClick;
    };

    void Append(Model model, Shown shown);
    const Item* LabelAt(QPointF position) const;

    std::vector<Item> items_;
    const Item* pressed_ = nullptr;
    bool pressSeen_ = false;
};
