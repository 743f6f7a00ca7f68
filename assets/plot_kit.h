#pragma once

// Plots of the console pictures: a data range mapped onto a pixel rectangle,
// traces of functions, and a ppm scale under a spectrum.

#include <QColor>
#include <QPainter>
#include <QPointF>
#include <QRect>
#include <functional>

namespace kit {

// A span of data values; `from` maps to the left (or top) edge, so a reversed
// span gives the falling ppm scale of a spectrum.
struct Range {
    double from;
    double to;
};

struct Plot {
    QRect area;
    Range x;
    Range y;  // `from` at the bottom edge, `to` at the top

    QPointF At(double u, double v) const;
    double XOf(double u) const;
    double UOf(double x) const;
};

// Draws f across the plot, several samples per pixel column so that narrow
// peaks keep their height.
void Trace(QPainter& p, const Plot& plot, const std::function<double(double)>& f,
           const QColor& colour, double width = 1.2);
// Ticks and numbers under a plot, every `step` data units, with the unit at the right.
void Scale(QPainter& p, const Plot& plot, double step, int baselineY, const char* unit);
void Frame(QPainter& p, const QRect& area, const QColor& fill = Qt::white);

// Repeatable pseudo-noise in [-0.5, 0.5) for a sample position.
double Noise(double u);

}  // namespace kit
