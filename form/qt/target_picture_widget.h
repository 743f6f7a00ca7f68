#pragma once

#include <QImage>
#include <QRect>
#include <QWidget>
#include <functional>
#include <optional>
#include <vector>

class QPainter;

// A picture with its target rectangle drawn over it, at any zoom. Dragging
// across the picture draws a new target; targets and shaded areas are in the
// picture's own pixels whatever the zoom. Tab brings the keyboard here, where
// the arrow keys, with Shift and Ctrl, are handed on to set the target.
class TargetPictureWidget : public QWidget {
  public:
    explicit TargetPictureWidget(QWidget* parent = nullptr);

    void SetPicture(const QImage& picture);
    const QImage& Picture() const { return picture_; }
    void SetTarget(std::optional<QRect> target);
    // Parts of the picture shown as unusable for a target.
    void SetShaded(std::vector<QRectF> areas);
    void OnTargetDrawn(std::function<void(QRect)> handler) { onDrawn_ = std::move(handler); }
    // An arrow key (0 left, 1 right, 2 up, 3 down), its modifiers and the
    // part of the picture in view.
    using ArrowHandler = std::function<void(int arrow, Qt::KeyboardModifiers, QRect inView)>;
    void OnArrowKey(ArrowHandler handler) { onArrow_ = std::move(handler); }

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
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

  private:
    QPoint PicturePoint(QPointF at) const;
    void PaintPicture(QPainter& painter) const;
    QRect Dragged(QPointF to) const;
    int ArrowOf(const QKeyEvent& key) const;

    QImage picture_;
    double zoom_ = 1;
    std::optional<QRect> target_;
    std::vector<QRectF> shaded_;
    std::optional<QPoint> dragFrom_;
    QRect dragged_;  // shown instead of the target while a drag goes on
    std::function<void(QRect)> onDrawn_;
    std::function<void()> onZoomed_;
    ArrowHandler onArrow_;
    bool framed_ = false;  // the focus came by Tab
};
