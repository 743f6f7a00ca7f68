#include "plot_kit.h"

#include <QPolygonF>
#include <QString>
#include <cmath>

#include "draw_kit.h"

namespace kit {

namespace {
constexpr int kSamplesPerPixel = 8;
}

QPointF Plot::At(double u, double v) const {
    const double fy = (v - y.from) / (y.to - y.from);
    return {XOf(u), area.bottom() + 0.5 - fy * area.height()};
}

double Plot::XOf(double u) const {
    return area.left() + (u - x.from) / (x.to - x.from) * area.width();
}

double Plot::UOf(double px) const {
    return x.from + (px - area.left()) / area.width() * (x.to - x.from);
}

void Trace(QPainter& p, const Plot& plot, const std::function<double(double)>& f,
           const QColor& colour, double width) {
    QPolygonF line;
    const int count = plot.area.width() * kSamplesPerPixel;
    line.reserve(count + 1);
    for (int i = 0; i <= count; ++i) {
        const double u = plot.UOf(plot.area.left() + double(i) / kSamplesPerPixel);
        line << plot.At(u, f(u));
    }
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setClipRect(plot.area);
    p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolyline(line);
    p.restore();
}

void Scale(QPainter& p, const Plot& plot, double step, int baselineY, const char* unit) {
    p.setPen(colour::kInk);
    p.drawLine(plot.area.left(), baselineY, plot.area.right(), baselineY);
    const double low = std::min(plot.x.from, plot.x.to);
    const double high = std::max(plot.x.from, plot.x.to);
    // No number in the last stretch before the right end, where the unit stands.
    const int lastLabel = plot.area.right() - 24;
    for (double u = std::ceil(low / step) * step; u <= high + 1e-9; u += step) {
        const int x = static_cast<int>(std::lround(plot.XOf(u)));
        if (x > lastLabel) continue;
        p.setPen(colour::kInk);
        p.drawLine(x, baselineY, x, baselineY + 4);
        const int decimals = step < 0.1 ? 2 : (step < 1 ? 1 : 0);
        const QString label = QString::number(u + 0.0, 'f', decimals);
        Text(p, QRect(x - 20, baselineY + 4, 40, 14), label, Qt::AlignCenter, Ui(10));
    }
    Text(p, QRect(plot.area.right() - 24, baselineY + 4, 28, 14), unit,
         Qt::AlignRight | Qt::AlignVCenter, Ui(10), colour::kMuted);
}

void Frame(QPainter& p, const QRect& area, const QColor& fill) {
    p.setPen(colour::kBorder);
    p.setBrush(fill);
    p.drawRect(QRectF(area).adjusted(0.5, 0.5, -0.5, -0.5));
}

double Noise(double u) {
    const double s = std::sin(u * 12.9898 + 78.233) * 43758.5453;
    return s - std::floor(s) - 0.5;
}

}  // namespace kit
