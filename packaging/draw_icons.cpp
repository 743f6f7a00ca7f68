// Draws the two programs' application icons as PNGs, one per size, into
// FOLDER/<N>x<N>/apps/ as the hicolor icon theme lays them out.
#include <QColor>
#include <QDir>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QPointF>
#include <QPolygonF>
#include <QRectF>
#include <QString>
#include <algorithm>
#include <cstdio>
#include <functional>

namespace {

// Both icons are drawn on a 256 x 256 grid and scaled; strokes keep at least
// this many device pixels so that the small sizes stay legible.
constexpr double kGrid = 256.0;
constexpr double kMinStrokePixels = 1.5;

double StrokeWidth(double grid_width, double scale) {
    return std::max(grid_width, kMinStrokePixels / scale);
}

QPainterPath RoundedTile() {
    QPainterPath tile;
    tile.addRoundedRect(QRectF(16, 16, 224, 224), 40, 40);
    return tile;
}

// Kymbral: one sharp Lorentzian line over its baseline, on a dark console
// screen, the picture a student chases while shimming.
void DrawKymbral(QPainter& painter, int size) {
    const double scale = size / kGrid;
    QLinearGradient screen(0, 16, 0, 240);
    screen.setColorAt(0, QColor(0x1d, 0x4a, 0x73));
    screen.setColorAt(1, QColor(0x0a, 0x1b, 0x2e));
    painter.fillPath(RoundedTile(), screen);

    if (size >= 48) {
        painter.setPen(QPen(QColor(255, 255, 255, 40), StrokeWidth(2, scale)));
        for (int x = 64; x <= 192; x += 32) painter.drawLine(QPointF(x, 40), QPointF(x, 200));
        for (int y = 72; y <= 168; y += 32) painter.drawLine(QPointF(36, y), QPointF(220, y));
    }

    constexpr double kBase = 200, kCentre = 128, kHeight = 148, kHalfWidth = 13;
    QPainterPath line;
    for (int step = 0; step <= 180; ++step) {
        const double x = 38 + step;
        const double offset = x - kCentre;
        const double y =
            kBase - kHeight * kHalfWidth * kHalfWidth / (offset * offset + kHalfWidth * kHalfWidth);
        if (step == 0) {
            line.moveTo(x, y);
        } else {
            line.lineTo(x, y);
        }
    }
    QPainterPath area = line;
    area.lineTo(218, kBase);
    area.lineTo(38, kBase);
    area.closeSubpath();
    painter.fillPath(area, QColor(0x6c, 0xf0, 0x8a, 70));

    QPen trace(QColor(0x8c, 0xff, 0x9e), StrokeWidth(9, scale));
    trace.setJoinStyle(Qt::RoundJoin);
    trace.setCapStyle(Qt::RoundCap);
    painter.setPen(trace);
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(line);
}

// Tessivar: a console window with a target on it and the pointer clicking it.
void DrawTessivar(QPainter& painter, int size) {
    const double scale = size / kGrid;
    const QPainterPath tile = RoundedTile();
    painter.fillPath(tile, QColor(0xee, 0xf2, 0xf6));
    painter.save();
    painter.setClipPath(tile);
    painter.fillRect(QRectF(16, 16, 224, 46), QColor(0x2f, 0x5d, 0x8a));
    if (size >= 32) {
        const QColor bar(0xb9, 0xc4, 0xd0);
        painter.fillRect(QRectF(36, 80, 70, 14), bar);
        painter.fillRect(QRectF(36, 106, 46, 14), bar);
        painter.fillRect(QRectF(36, 132, 58, 14), bar);
        painter.fillRect(QRectF(150, 80, 70, 14), bar);
    }
    painter.restore();
    painter.setPen(QPen(QColor(0x2f, 0x5d, 0x8a), StrokeWidth(4, scale)));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(tile);

    const QPointF target(116, 138);
    painter.setPen(QPen(QColor(0xd6, 0x2d, 0x2d), StrokeWidth(13, scale)));
    painter.drawEllipse(target, 50, 50);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xd6, 0x2d, 0x2d));
    painter.drawEllipse(target, 15, 15);

    const QPolygonF arrow =
        QPolygonF({{0, 0}, {0, 80}, {19, 63}, {34, 94}, {47, 88}, {32, 57}, {57, 57}})
            .translated(target);
    QPen outline(Qt::white, std::max(8.0, 0.8 / scale));  // a hairline when small
    outline.setJoinStyle(Qt::RoundJoin);
    painter.setPen(outline);
    painter.setBrush(QColor(0x16, 0x16, 0x16));
    painter.drawPolygon(arrow);
}

bool SaveIcon(const QString& folder, const QString& id, int size,
              const std::function<void(QPainter&, int)>& draw) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.scale(size / kGrid, size / kGrid);
        draw(painter, size);
    }
    const QString dir = QString("%1/%2x%2/apps").arg(folder).arg(size);
    const QString path = QString("%1/%2.png").arg(dir, id);
    if (QDir().mkpath(dir) && image.save(path, "PNG")) return true;
    std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s FOLDER SIZE...\n", argv[0]);
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    for (int arg = 2; arg < argc; ++arg) {
        bool ok = false;
        const int size = QString(argv[arg]).toInt(&ok);
        if (!ok || size < 8 || size > 1024) {
            std::fprintf(stderr, "bad size %s\n", argv[arg]);
            return 2;
        }
        if (!SaveIcon(folder, "org.kymbral.Kymbral", size, DrawKymbral) ||
            !SaveIcon(folder, "org.kymbral.Tessivar", size, DrawTessivar)) {
            return 1;
        }
    }
    return 0;
}
