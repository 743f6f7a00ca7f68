#include "target_picture_widget.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <cstdlib>

TargetPictureWidget::TargetPictureWidget(QWidget* parent) : QWidget(parent) {
    setCursor(Qt::CrossCursor);
}

void TargetPictureWidget::SetPicture(const QImage& picture) {
    picture_ = picture;
    setFixedSize(picture_.size());
    update();
}

void TargetPictureWidget::SetTarget(std::optional<QRect> target) {
    target_ = target;
    update();
}

void TargetPictureWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(QPoint(0, 0), picture_);
    std::optional<QRect> shown = dragFrom_ ? std::optional(dragged_) : target_;
    if (!shown) return;
    // Red over a white halo shows on dark and light screenshots alike; the
    // outline lies just outside the target's pixels.
    QRect outline = shown->adjusted(-1, -1, 0, 0);
    painter.setPen(QPen(Qt::white, 3));
    painter.drawRect(outline);
    painter.setPen(QPen(Qt::red, 1));
    painter.drawRect(outline);
}

QRect TargetPictureWidget::Dragged(QPointF to) const {
    QPoint end = to.toPoint();
    end.setX(std::clamp(end.x(), 0, picture_.width()));
    end.setY(std::clamp(end.y(), 0, picture_.height()));
    return QRect(std::min(dragFrom_->x(), end.x()), std::min(dragFrom_->y(), end.y()),
                 std::abs(end.x() - dragFrom_->x()), std::abs(end.y() - dragFrom_->y()));
}

void TargetPictureWidget::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || picture_.isNull()) return;
    QPoint at = event->position().toPoint();
    dragFrom_ =
        QPoint(std::clamp(at.x(), 0, picture_.width()), std::clamp(at.y(), 0, picture_.height()));
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
