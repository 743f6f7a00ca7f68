#include "surface_items.h"

#include <stdexcept>

#include "surface_painting.h"

namespace {

QRect BoundsOf(const auto& shown) {
    return std::visit([](const auto& item) { return Bounds(item); }, shown);
}

}  // namespace

void SurfaceItems::Add(Label& label) {
    Append(&label, label);
}
void SurfaceItems::Add(LineFigure& line) {
    Append(&line, line);
}
void SurfaceItems::Add(ShapeFigure& shape) {
    Append(&shape, shape);
}

void SurfaceItems::Append(Model model, Shown shown) {
    pressed_ = nullptr;  // it may point into the storage that grows
    pressSeen_ = false;
    items_.push_back({model, std::move(shown), {}});
}

bool SurfaceItems::Holds(const Label& label) const {
    for (const Item& item : items_) {
        if (const auto* model = std::get_if<Label*>(&item.model); model && *model == &label)
            return true;
    }
    return false;
}

void SurfaceItems::SetClickHandler(const Label& label, std::function<void()> handler) {
    for (Item& item : items_) {
        if (const auto* model = std::get_if<Label*>(&item.model); model && *model == &label) {
            item.onClick = std::move(handler);
            return;
        }
    }
    throw std::invalid_argument("label not on this surface: " + label.name);
}

QRegion SurfaceItems::Sync() {
    QRegion changed;
    for (Item& item : items_) {
        std::visit(
            [&](auto* model) {
                auto& shown = std::get<std::decay_t<decltype(*model)>>(item.shown);
                if (shown == *model) return;
                changed += Bounds(shown);
                changed += Bounds(*model);
                shown = *model;
            },
            item.model);
    }
    return changed;
}

void SurfaceItems::Paint(QPainter& painter, const QRegion& area, const QPalette& palette) const {
    for (const Item& item : items_) {
        if (!area.intersects(BoundsOf(item.shown))) continue;
        std::visit([&](const auto& shown) { ::Paint(painter, shown, palette); }, item.shown);
    }
}

const SurfaceItems::Item* SurfaceItems::LabelAt(QPointF position) const {
    for (auto item = items_.rbegin(); item != items_.rend(); ++item) {
        const auto* label = std::get_if<Label>(&item->shown);
        if (label && label->visible && Bounds(*label).contains(position.toPoint())) return &*item;
    }
    return nullptr;
}

bool SurfaceItems::Press(QPointF position) {
    pressed_ = LabelAt(position);
    pressSeen_ = true;
    return pressed_ != nullptr;
}

bool SurfaceItems::Release(QPointF position, Qt::MouseButton button) {
    // The mouse belongs to whatever took the press until the release.
    const Item* owner = pressSeen_ ? pressed_ : LabelAt(position);
    pressSeen_ = false;
    pressed_ = nullptr;
    if (!owner) return false;
    if (button == Qt::LeftButton && LabelAt(position) == owner && owner->onClick) owner->onClick();
    return true;
}

bool SurfaceItems::TakesMove(QPointF position, Qt::MouseButtons held) const {
    if (held != Qt::NoButton && pressSeen_) return pressed_ != nullptr;
    return LabelAt(position) != nullptr;
}
