#pragma once

#include <QImage>
#include <QRect>
#include <QWidget>
#include <functional>
#include <optional>
#include <vector>

// A picture with its target rectangle drawn over it, at any zoom. Dragging
// across the picture draws a new target; targets and shaded areas are in the
// picture's own pixels whatever the zoom.
class TargetPictureWidget : public QWidget {
  public:
    explicit TargetPictureWidget(QWidget* parent = nullptr);

    void SetPicture(const QImage& picture);
    const QImage& Picture() const { return picture_; }
    void SetTarget(std::optional<QRect> target);
    // Parts of the picture shown as unusable for a target.
    void SetShaded(std::vector<QRectF> areas);
    void OnTargetDrawn(std::function<void(QRect)> handler) { onDrawn_ = std::move(handler); }

    // Screen pixels per pixel of the picture; Ctrl and the wheel change it too.
    void SetZoom(double zoom);
    double Zoom() const { return zoom_; }
    void ZoomBy(int steps);
    void OnZoomed(std::function<void()> handler) { onZoomed_ = std::move(handler); }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

  private:
    QPoint PicturePoint(QPointF at) const;
    QRect Dragged(QPointF to) const;

    QImage picture_;
    double zoom_ = 1;
    std::optional<QRect> target_;
    std::vector<QRectF> shaded_;
    std::optional<QPoint> dragFrom_;
    QRect dragged_;  // shown instead of the target while a drag goes on
    std::function<void(QRect)> onDrawn_;
    std::function<void()> onZoomed_;
};
