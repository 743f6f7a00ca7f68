#pragma once

#include <QImage>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "key_clicks.h"
#include "picture_box.h"
#include "surface_items.h"

// A picture box shown from a PictureBox model. It keeps its drawing in a
// backing image and draws into it only the strokes added since the last Sync,
// starting afresh after a Clear(), a change of background or picture, or a
// resize. Labels and lines placed inside the box lie above the drawing.
//
// A picture box that takes clicks takes the keyboard's focus too, and keys
// move a pointer over it (a cross-hair, shown while the keyboard is in use)
// and click where it is, as the mouse would.
class PictureWidget : public QWidget {
  public:
    using MouseHandler = std::function<void(int button, double xTwips, double yTwips)>;
    using ImageLoader = std::function<QImage(const std::string& key, double zoom)>;

    PictureWidget(PictureBox& model, ImageLoader loader, QWidget* parent);

    SurfaceItems& Items() { return items_; }
    void SetMouseUpHandler(MouseHandler handler);
    void SetMouseMoveHandler(MouseHandler handler) { onMouseMove_ = std::move(handler); }
    void Sync();
    // Where the drawing area starts, in the widget's pixels.
    QPoint DrawingOrigin() const { return Area().topLeft(); }
    void ShowPointer(bool shown);
    // The keyboard pointer, in twips of the drawing area.
    QPointF Pointer() const { return {pointer_.x, pointer_.y}; }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    QRect Area() const;
    QPointF InArea(QPointF position) const;
    bool BackingFits() const;
    bool DrawingChanged() const;
    bool SyncPicture();
    void Redraw();
    QRect DrawStrokes();
    void Report(const MouseHandler& handler, int button, QPointF position) const;
    // The part of the drawing area that is seen, in its own twips.
    TwipRect Seen() const;
    QRect PointerMark() const;
    void PaintPointer(QPainter& painter) const;

    PictureBox& model_;
    ImageLoader loader_;
    SurfaceItems items_;
    // What the backing image and the frame show, as last taken from the model.
    std::optional<TwipRect> rect_;
    bool sunkenBorder_ = true;
    Colour background_;
    std::uint64_t clears_ = 0;
    std::size_t drawn_ = 0;
    std::string pictureKey_;
    std::uint64_t pictureLoads_ = 0;
    QImage picture_;
    QImage backing_;
    MouseHandler onMouseUp_;
    MouseHandler onMouseMove_;
    KeyboardPointer pointer_;
    bool pointerShown_ = false;
};
