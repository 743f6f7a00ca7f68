#include "picture_widget.h"

#include <qdrawutil.h>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "input_codes.h"
#include "key_codes.h"
#include "qt_appearance.h"
#include "stroke_geometry.h"

namespace {

constexpr int kBorderPixels = kPictureBorderTwips / kTwipsPerPixel;
constexpr int kPointerArm = 16;  // pixels from the centre to each end of the cross-hair

}  // namespace

PictureWidget::PictureWidget(PictureBox& model, ImageLoader loader, QWidget* parent)
    : QWidget(parent), model_(model), loader_(std::move(loader)) {
    setObjectName(QString::fromStdString(model.name));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    Sync();
}

void PictureWidget::SetMouseUpHandler(MouseHandler handler) {
    onMouseUp_ = std::move(handler);
    setFocusPolicy(onMouseUp_ ? Qt::StrongFocus : Qt::NoFocus);
}

void PictureWidget::Sync() {
    if (!rect_ || *rect_ != model_.rect) {
        setGeometry(PixelRect(model_.rect));
        rect_ = model_.rect;
    }
    bool newPicture = SyncPicture();
    if (newPicture || DrawingChanged() || !BackingFits()) {
        Redraw();
        update();
    } else if (model_.strokes.size() > drawn_) {
        update(DrawStrokes().translated(Area().topLeft()));
    }
    QRegion moved = items_.Sync();
    if (!moved.isEmpty()) update(moved.translated(Area().topLeft()));
}

QRect PictureWidget::Area() const {
    int border = model_.sunkenBorder ? kBorderPixels : 0;
    return rect().adjusted(border, border, -border, -border);
}

QPointF PictureWidget::InArea(QPointF position) const {
    return position - Area().topLeft();
}

bool PictureWidget::BackingFits() const {
    qreal ratio = devicePixelRatioF();
    return backing_.size() == Area().size() * ratio && backing_.devicePixelRatio() == ratio;
}

bool PictureWidget::DrawingChanged() const {
    return clears_ != model_.clears || !(background_ == model_.background) ||
           sunkenBorder_ != model_.sunkenBorder || model_.strokes.size() < drawn_;
}

bool PictureWidget::SyncPicture() {
    if (pictureKey_ == model_.picture && pictureLoads_ == model_.pictureLoads) return false;
    pictureKey_ = model_.picture;
    pictureLoads_ = model_.pictureLoads;
    picture_ =
        pictureKey_.empty() || !loader_ ? QImage() : loader_(pictureKey_, model_.pictureZoom);
    return true;
}

void PictureWidget::Redraw() {
    clears_ = model_.clears;
    background_ = model_.background;
    sunkenBorder_ = model_.sunkenBorder;
    drawn_ = 0;
    qreal ratio = devicePixelRatioF();
    QSize size = Area().size();
    if (size.isEmpty()) {
        backing_ = QImage();
        return;
    }
    backing_ = QImage(size * ratio, QImage::Format_RGB32);
    backing_.setDevicePixelRatio(ratio);
    backing_.fill(ToQColor(model_.background, palette()));
    if (!picture_.isNull()) {
        QPainter painter(&backing_);
        painter.drawImage(QPoint(0, 0), picture_);
    }
    DrawStrokes();
}

QRect PictureWidget::DrawStrokes() {
    const auto& strokes = model_.strokes;
    std::size_t first = drawn_;
    drawn_ = strokes.size();
    if (backing_.isNull() || first >= strokes.size()) return {};
    QSize size = Area().size();
    QPainter painter(&backing_);
    QRect dirty;
    for (std::size_t i = first; i < strokes.size(); ++i) {
        const Stroke& stroke = strokes[i];
        auto segment = MapStroke(stroke, size.width(), size.height());
        if (!segment) continue;
        QPoint from(segment->from.x, segment->from.y);
        QPoint to(segment->to.x, segment->to.y);
        painter.setPen(QPen(ToQColor(stroke.colour, palette()), 1));
        if (stroke.kind == StrokeKind::Point) {
            painter.drawPoint(from);
        } else {
            painter.drawLine(from, to);
        }
        dirty |= QRect(from, to).normalized();
    }
    return dirty.adjusted(-1, -1, 1, 1);
}

void PictureWidget::paintEvent(QPaintEvent* event) {
    if (!BackingFits()) Redraw();
    QPainter painter(this);
    if (model_.sunkenBorder) qDrawWinPanel(&painter, rect(), palette(), true);
    QRect area = Area();
    painter.drawImage(area.topLeft(), backing_);
    painter.setClipRect(area);
    painter.translate(area.topLeft());
    items_.Paint(painter, event->region().translated(-area.topLeft()), palette());
    if (pointerShown_) PaintPointer(painter);
}

void PictureWidget::resizeEvent(QResizeEvent*) {
    if (!BackingFits()) Redraw();
}

void PictureWidget::mousePressEvent(QMouseEvent* event) {
    items_.Press(InArea(event->position()));
}

void PictureWidget::mouseReleaseEvent(QMouseEvent* event) {
    QPointF position = InArea(event->position());
    if (items_.Release(position, event->button())) return;
    int button = MouseButtonCode(event->button());
    if (button != 0) Report(onMouseUp_, button, position);
}

void PictureWidget::mouseMoveEvent(QMouseEvent* event) {
    QPointF position = InArea(event->position());
    if (items_.TakesMove(position, event->buttons())) return;
    Report(onMouseMove_, MouseButtonsCode(event->buttons()), position);
}

void PictureWidget::keyPressEvent(QKeyEvent* event) {
    int key = KeyCode(*event);
    bool clicks = key == kEnterKey || key == kBackspaceKey;
    if (!onMouseUp_ || (clicks && event->isAutoRepeat())) {
        QWidget::keyPressEvent(event);
        return;
    }
    QRect before = PointerMark();
    PointerKeyResult result =
        pointer_.Key(key, event->modifiers().testFlag(Qt::ShiftModifier), Seen());
    if (!result.moved && result.button == 0) {
        QWidget::keyPressEvent(event);
        return;
    }
    QPointF at = Pointer() / kTwipsPerPixel;
    if (result.moved) {
        update(before.united(PointerMark()));
        if (!items_.Covers(at)) Report(onMouseMove_, 0, at);
    }
    // A label over the picture takes the click, as it takes the mouse's.
    if (result.button != 0 && !items_.Covers(at)) Report(onMouseUp_, result.button, at);
}

void PictureWidget::ShowPointer(bool shown) {
    if (shown) pointer_.Place(Seen());
    if (shown == pointerShown_) return;
    pointerShown_ = shown;
    update(PointerMark());
}

TwipRect PictureWidget::Seen() const {
    QRect seen = visibleRegion().boundingRect().intersected(Area());
    if (seen.isEmpty()) seen = Area();
    seen.translate(-Area().topLeft());
    return {seen.x() * kTwipsPerPixel, seen.y() * kTwipsPerPixel, seen.width() * kTwipsPerPixel,
            seen.height() * kTwipsPerPixel};
}

QRect PictureWidget::PointerMark() const {
    QPoint centre = (Pointer() / kTwipsPerPixel).toPoint() + Area().topLeft();
    int reach = kPointerArm + 2;
    return QRect(centre, centre).adjusted(-reach, -reach, reach, reach);
}

// Black over a white halo shows on dark and light screenshots alike; the
// middle stays open so that the place itself is seen.
void PictureWidget::PaintPointer(QPainter& painter) const {
    QPointF centre = (Pointer() / kTwipsPerPixel).toPoint();
    const QPointF arms[][2] = {
        {{-kPointerArm, 0}, {-4, 0}},
        {{4, 0}, {kPointerArm, 0}},
        {{0, -kPointerArm}, {0, -4}},
        {{0, 4}, {0, kPointerArm}},
    };
    for (auto [pen, width] : {std::pair{QColor(Qt::white), 4}, {QColor(Qt::black), 2}}) {
        painter.setPen(QPen(pen, width, Qt::SolidLine, Qt::SquareCap));
        for (const auto& arm : arms) painter.drawLine(centre + arm[0], centre + arm[1]);
    }
}

void PictureWidget::Report(const MouseHandler& handler, int button, QPointF position) const {
    if (handler) handler(button, position.x() * kTwipsPerPixel, position.y() * kTwipsPerPixel);
}
