#include "surface_painting.h"

#include <algorithm>

#include "qt_appearance.h"

namespace {

Qt::Alignment Horizontal(Alignment alignment) {
    switch (alignment) {
        case Alignment::Right:
            return Qt::AlignRight;
        case Alignment::Centre:
            return Qt::AlignHCenter;
        case Alignment::Left:
            break;
    }
    return Qt::AlignLeft;
}

QPen BorderPen(const ShapeFigure& shape, const QPalette& palette) {
    if (shape.border == BorderStyle::None) return Qt::NoPen;
    Qt::PenStyle style = shape.border == BorderStyle::Dot ? Qt::DotLine : Qt::SolidLine;
    return QPen(ToQColor(shape.borderColour, palette), std::max(shape.borderWidth, 1), style);
}

// The border is drawn inside the shape's rectangle, as wide as it is.
QRectF BorderPath(const ShapeFigure& shape, double penWidth) {
    QRectF outer = PixelRect(shape.rect);
    double half = penWidth / 2;
    return outer.adjusted(half, half, -half, -half);
}

}  // namespace

void Paint(QPainter& painter, const Label& label, const QPalette& palette) {
    if (!label.visible) return;
    QRect rect = PixelRect(label.rect);
    if (!label.transparent) painter.fillRect(rect, ToQColor(label.background, palette));
    painter.save();
    painter.setClipRect(rect, Qt::IntersectClip);
    painter.setFont(ToQFont(label.font));
    painter.setPen(ToQColor(label.foreground, palette));
    int flags =
        Qt::AlignTop | Horizontal(label.alignment) | (label.wordWrap ? Qt::TextWordWrap : 0);
    painter.drawText(rect, flags, DisplayText(label.caption));
    painter.restore();
}

void Paint(QPainter& painter, const LineFigure& line, const QPalette& palette) {
    if (!line.visible) return;
    QPen pen(ToQColor(line.colour, palette), std::max(line.width, 1), Qt::SolidLine, Qt::RoundCap);
    painter.setPen(pen);
    QPointF from = PixelPoint(line.x1, line.y1), to = PixelPoint(line.x2, line.y2);
    // Qt paints nothing for a line of no length; the bar shrunk to a point is a dot.
    if (from == to) {
        painter.drawPoint(from);
    } else {
        painter.drawLine(from, to);
    }
}

void Paint(QPainter& painter, const ShapeFigure& shape, const QPalette& palette) {
    if (!shape.visible) return;
    QPen pen = BorderPen(shape, palette);
    double penWidth = pen.style() == Qt::NoPen ? 0 : pen.widthF();
    QRectF path = BorderPath(shape, penWidth);
    painter.setPen(pen);
    painter.setBrush(shape.filled ? QBrush(ToQColor(shape.fillColour, palette)) : QBrush());
    switch (shape.kind) {
        case ShapeKind::Rectangle:
            painter.drawRect(path);
            break;
        case ShapeKind::RoundedRectangle: {
            double radius = std::min(path.width(), path.height()) / 6;
            painter.drawRoundedRect(path, radius, radius);
            break;
        }
        case ShapeKind::Oval:
            painter.drawEllipse(path);
            break;
    }
}

QRect Bounds(const Label& label) {
    return label.visible ? PixelRect(label.rect) : QRect();
}

QRect Bounds(const LineFigure& line) {
    if (!line.visible) return {};
    QRectF span = QRectF(PixelPoint(line.x1, line.y1), PixelPoint(line.x2, line.y2)).normalized();
    int reach = std::max(line.width, 1) / 2 + 2;  // round caps and rounding to pixels
    return span.toAlignedRect().adjusted(-reach, -reach, reach, reach);
}

QRect Bounds(const ShapeFigure& shape) {
    return shape.visible ? PixelRect(shape.rect).adjusted(-1, -1, 1, 1) : QRect();
}
