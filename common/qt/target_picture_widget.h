#pragma once

#include <QImage>
#include <QRect>
#include <QWidget>
#include <functional>
#include <optional>

// A picture at its own size with its target rectangle drawn over it. Dragging
// across the picture draws a new target, reported in the picture's pixels.
class TargetPictureWidget : public QWidget {
  public:
    explicit TargetPictureWidget(QWidget* parent = nullptr);

    void SetPicture(const QImage& picture);
    void SetTarget(std::optional<QRect> target);
    void OnTargetDrawn(std::function<void(QRect)> handler) { onDrawn_ = std::move(handler); }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    QRect Dragged(QPointF to) const;

    QImage picture_;
    std::optional<QRect> target_;
    std::optional<QPoint> dragFrom_;
    QRect dragged_;  // shown instead of the target while a drag goes on
    std::function<void(QRect)> onDrawn_;
};
