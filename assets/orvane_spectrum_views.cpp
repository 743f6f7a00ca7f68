// Frequency-domain views of the sample: the full spectrum in its several
// states, with integrals, with a reference cursor, and the sideband expansion.
#include <QPen>
#include <QString>

#include "draw_kit.h"
#include "orvane_views.h"
#include "plot_kit.h"
#include "sample_spectrum.h"

namespace orvane {

namespace {

namespace colour = kit::colour;
using kit::Span;

const QColor kIntegralInk{0, 130, 60};
const QColor kCursorInk{200, 30, 30};

struct Display {
    sample::Lineshape shape;
    double gain;  // vertical scale, so broad or weak lines still fill the plot sensibly
};

Display DisplayOf(View view) {
    switch (view) {
        case View::kPoorSpectrum:
            return {{.width = 0.018, .shoulder = 0.6}, 0.45};
        case View::kNoisySpectrum:
            return {{.noise = 0.25}, 0.3};
        case View::kReferencing:
            return {{.shift = 0.021}, 1.0};
        default:
            return {{}, 1.0};
    }
}

void Cursor(QPainter& p, const kit::Plot& plot, double ppm) {
    const int x = static_cast<int>(plot.XOf(ppm));
    p.setPen(QPen(kCursorInk, 1));
    p.drawLine(x, plot.area.top(), x, plot.area.bottom());
}

void Readout(QPainter& p, int left, int right, const QString& text,
             const QColor& ink = colour::kInk) {
    kit::Text(p, Span(left, kReadout.top(), right, kReadout.bottom()), text,
              Qt::AlignLeft | Qt::AlignVCenter, kit::Ui(12), ink);
}

// Each integral rises over its lines from a common level above the spectrum.
void Integrals(QPainter& p, const kit::Plot& plot, const sample::Lineshape& shape) {
    const auto regions = sample::IntegralRegions();
    const double scale = 0.45 / sample::Area(regions[1].from, regions[1].to, shape);
    for (const sample::Region& r : regions) {
        const kit::Plot part{Span(static_cast<int>(plot.XOf(r.from)), plot.area.top(),
                                  static_cast<int>(plot.XOf(r.to)), plot.area.bottom()),
                             {r.from, r.to},
                             plot.y};
        kit::Trace(
            p, part, [&](double ppm) { return 0.5 + scale * sample::Area(r.from, ppm, shape); },
            kIntegralInk, 1.4);
        const int centre = static_cast<int>(plot.XOf((r.from + r.to) / 2));
        kit::Text(p, QRect(centre - 25, kReadout.top(), 50, kReadout.height()), r.value,
                  Qt::AlignCenter, kit::Ui(12, true), kIntegralInk);
    }
}

void FullSpectrum(QPainter& p, View view) {
    const Display look = DisplayOf(view);
    const kit::Plot plot{kPlotArea, {8.0, -0.5}, {-0.04, view == View::kIntegrals ? 1.02 : 1.08}};
    const sample::Lineshape shape = look.shape;
    const double gain = look.gain;
    kit::Trace(
        p, plot, [&](double ppm) { return gain * sample::Spectrum(ppm, shape); }, colour::kTrace,
        1.1);
    kit::Scale(p, plot, 0.5, kScaleLine, "ppm");
    if (view == View::kIntegrals) Integrals(p, plot, shape);
    if (view == View::kReferencing) {
        Cursor(p, plot, 0.021);
        Readout(p, 216, 500, "cursor  0.021 ppm", kCursorInk);
    }
    if (view == View::kPoorSpectrum) Readout(p, 216, 500, "linewidth  3.8 Hz");
}

void Sidebands(QPainter& p) {
    const kit::Plot plot{kPlotArea, {2.20, 1.90}, {-0.002, 0.05}};
    const sample::Lineshape shape{.width = 0.0012, .sideband = 0.022};
    kit::Trace(
        p, plot, [&](double ppm) { return sample::Spectrum(ppm, shape); }, colour::kTrace, 1.1);
    kit::Scale(p, plot, 0.05, kScaleLine, "ppm");
    const double peak = 2.05;
    const double sideband = peak - sample::kSidebandOffset;
    Cursor(p, plot, peak);
    Cursor(p, plot, sideband);
    for (double ppm : {peak + sample::kSidebandOffset, sideband}) {
        const int x = static_cast<int>(plot.XOf(ppm));
        kit::Text(p, QRect(x - 20, 250, 40, 14), "ssb", Qt::AlignCenter, kit::Ui(11),
                  colour::kMuted);
    }
    Readout(p, 216, 420, "cursor  2.002 ppm", kCursorInk);
    Readout(p, 510, 598, "delta 19.32 Hz", kCursorInk);
    kit::Text(p, kPlotArea.adjusted(4, -4, 0, 0),
              "Expansion  2.20 \u2013 1.90 ppm   (vertical x20)", Qt::AlignLeft | Qt::AlignTop,
              kit::Ui(12, true));
}

}  // namespace

void DrawSpectrumView(QPainter& p, View view) {
    if (view == View::kSidebands) {
        Sidebands(p);
    } else {
        FullSpectrum(p, view);
    }
}

}  // namespace orvane
