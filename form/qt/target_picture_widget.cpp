#include "target_picture_widget.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

constexpr double kZoomStep = 1.25;
constexpr double kLeastZoom = 0.05;
constexpr double kMostZoom = 8;

}  // namespace

TargetPictureWidget::TargetPictureWidget(QWidget* parent) : QWidget(parent) {
    setCursor(Qt::CrossCursor);
    // Tab only: a click keeps drawing as it always has, without a focus frame.
    setFocusPolicy(Qt::TabFocus);
}

void TargetPictureWidget::SetPicture(const QImage& picture) {
    picture_ = picture;
    SetZoom(zoom_);
}

void TargetPictureWidget::SetTarget(std::optional<QRect> target) {
    target_ = target;
    update();
}

void TargetPictureWidget::SetShaded(std::vector<QRectF> areas) {
    shaded_ = std::move(areas);
    update();
}

void TargetPictureWidget::SetZoom(double zoom) {
    zoom_ = std::clamp(zoom, kLeastZoom, kMostZoom);
    setFixedSize((QSizeF(picture_.size()) * zoom_).toSize());
    update();
    if (onZoomed_) onZoomed_();
}

void TargetPictureWidget::ZoomBy(int steps) {
    SetZoom(zoom_ * std::pow(kZoomStep, steps));
}

void TargetPictureWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    PaintPicture(painter);
    if (!hasFocus() || !framed_) return;
    // The focus frame goes round the part in view, where it can be seen.
    QPen frame(palette().color(QPalette::Highlight), 3, Qt::DashLine);
    painter.resetTransform();
    painter.setPen(frame);
    painter.drawRect(visibleRegion().boundingRect().adjusted(1, 1, -2, -2));
}

void TargetPictureWidget::PaintPicture(QPainter& painter) const {
    painter.scale(zoom_, zoom_);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(QPoint(0, 0), picture_);
    for (const QRectF& area : shaded_) {
        painter.fillRect(area, QBrush(QColor(40, 40, 40, 110), Qt::BDiagPattern));
        painter.fillRect(area, QColor(40, 40, 40, 60));
    }
    std::optional<QRect> shown = dragFrom_ ? std::optional(dragged_) : target_;
    if (!shown) return;
    // Red over a white halo shows on dark and light screenshots alike; the
    // outline lies just outside the target's pixels at any zoom.
    QRectF outline = QRectF(*shown).adjusted(-1 / zoom_, -1 / zoom_, 0, 0);
    QPen halo(Qt::white, 3);
    halo.setCosmetic(true);
    painter.setPen(halo);
    painter.drawRect(outline);
    QPen line(Qt::red, 1);
    line.setCosmetic(true);
    painter.setPen(line);
    painter.drawRect(outline);
}

QPoint TargetPictureWidget::PicturePoint(QPointF at) const {
    QPoint point = (at / zoom_).toPoint();
    return {std::clamp(point.x(), 0, picture_.width()),
            std::clamp(point.y(), 0, picture_.height())};
}

QRect TargetPictureWidget::Dragged(QPointF to) const {
    QPoint end = PicturePoint(to);
    return QRect(std::min(dragFrom_->x(), end.x()), std::min(dragFrom_->y(), end.y()),
                 std::abs(end.x() - dragFrom_->x()), std::abs(end.y() - dragFrom_->y()));
}

void TargetPictureWidget::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || picture_.isNull()) return;
    dragFrom_ = PicturePoint(event->position());
    dragged_ = QRect();
}

void TargetPictureWidget::mouseMoveEvent(QMouseEvent* event) {
    if (!dragFrom_) return;
    dragged_ = Dragged(event->position());
    update();
}

void TargetPictureWidget::mouseReleaseEvent(QMouseEvent* event) {
    if (!dragFrom_ || event->button() != Qt::LeftButton) return;
    QRect drawn = Dragged(event->position());
    dragFrom_.reset();
    update();
    if (drawn.isEmpty()) return;
    target_ = drawn;
    if (onDrawn_) onDrawn_(drawn);
}

// Which arrow the key is, or -1 for any other key.
int TargetPictureWidget::ArrowOf(const QKeyEvent& key) const {
    static const int kArrows[] = {Qt::Key_Left, Qt::Key_Right, Qt::Key_Up, Qt::Key_Down};
    Qt::KeyboardModifiers others =
        key.modifiers() & ~(Qt::ShiftModifier | Qt::ControlModifier | Qt::KeypadModifier);
    const int* arrow = std::find(std::begin(kArrows), std::end(kArrows), key.key());
    if (!onArrow_ || picture_.isNull() || others != Qt::NoModifier || arrow == std::end(kArrows))
        return -1;
    return static_cast<int>(arrow - std::begin(kArrows));
}

// Ctrl and an arrow sizes the target here, before any of the window's shortcuts.
bool TargetPictureWidget::event(QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride &&
        ArrowOf(*static_cast<QKeyEvent*>(event)) >= 0) {
        event->accept();
        return true;
    }
    return QWidget::event(event);
}

void TargetPictureWidget::keyPressEvent(QKeyEvent* event) {
    int arrow = ArrowOf(*event);
    if (arrow < 0) return QWidget::keyPressEvent(event);
    QRectF shown = visibleRegion().isEmpty() ? rect() : visibleRegion().boundingRect();
    QRect inView((shown.topLeft() / zoom_).toPoint(), (shown.size() / zoom_).toSize());
    onArrow_(arrow, event->modifiers(), inView);
    event->accept();
}

// The frame shows the focus that Tab brought; the window's own return to
// the picture keeps it as it was.
void TargetPictureWidget::focusInEvent(QFocusEvent* event) {
    Qt::FocusReason reason = event->reason();
    if (reason != Qt::ActiveWindowFocusReason) {
        framed_ = reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason;
    }
    QWidget::focusInEvent(event);
}

// Scrolling moves the picture; the focus frame stays round the part in view.
void TargetPictureWidget::moveEvent(QMoveEvent*) {
    if (hasFocus()) update();
}

void TargetPictureWidget::wheelEvent(QWheelEvent* event) {
    if (!(event->modifiers() & Qt::ControlModifier)) return QWidget::wheelEvent(event);
    int steps = event->angleDelta().y() / QWheelEvent::DefaultDeltasPerStep;
    if (steps != 0) ZoomBy(steps);
    event->accept();
}
