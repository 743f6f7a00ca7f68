// Time-domain and field views: FIDs, lock scans, the Z0 search and the
// gradient-shim profile.
#include <QPen>
#include <QString>
#include <array>
#include <cmath>
#include <numbers>

#include "draw_kit.h"
#include "orvane_views.h"
#include "plot_kit.h"
#include "sample_spectrum.h"

namespace orvane {

namespace {

namespace colour = kit::colour;
using kit::Span;

void ZeroLine(QPainter& p, const kit::Plot& plot) {
    p.setPen(QPen(colour::kBorder, 1, Qt::DashLine));
    const int y = static_cast<int>(plot.At(0, 0).y());
    p.drawLine(plot.area.left(), y, plot.area.right(), y);
}

void Title(QPainter& p, const QString& text) {
    kit::Text(p, kPlotArea.adjusted(4, -4, 0, 0), text, Qt::AlignLeft | Qt::AlignTop,
              kit::Ui(12, true));
}

double LockSignal(View view, double t) {
    const double rise = 1 - std::exp(-t / 0.01);
    switch (view) {
        case View::kLockLow:
            return rise * 0.28 + 0.01 * kit::Noise(t * 900);
        case View::kLockHigh:
            return rise * 0.78 + 0.01 * kit::Noise(t * 900);
        default:
            return 0.55 * std::cos(2 * std::numbers::pi * 5.5 * t) + 0.01 * kit::Noise(t * 900);
    }
}

// The gradient-shim profile: field offset along the sample, now and one pass earlier.
double Profile(double z) {
    return 28 + 6 * std::sin(0.35 * z) - 0.25 * z * z;
}
double EarlierProfile(double z) {
    return Profile(z) + 12 * std::sin(0.3 * z + 0.5) - 3;
}

// The cursor rests on the current profile at this pixel column, where the
// slide show expects the click on it.
constexpr int kCursorX = 845;

void ShimTable(QPainter& p) {
    kit::Text(p, Span(224, 172, 560, 190), "Gradient shimming", Qt::AlignLeft | Qt::AlignVCenter,
              kit::Ui(14, true));
    kit::Text(p, Span(224, 192, 560, 208), "Pass 2 of 4   \u00b7   map: h1map_5mm",
              Qt::AlignLeft | Qt::AlignVCenter, kit::Ui(12), colour::kMuted);
    const std::array<std::array<const char*, 3>, 5> rows{{{"Shim", "Start", "Now"},
                                                          {"Z1", "-340", "-312"},
                                                          {"Z2", "990", "1045"},
                                                          {"Z3", "-60", "-87"},
                                                          {"Z4", "380", "410"}}};
    for (std::size_t r = 0; r < rows.size(); ++r) {
        for (std::size_t c = 0; c < rows[r].size(); ++c) {
            const QRect cell(224 + 90 * static_cast<int>(c), 222 + 22 * static_cast<int>(r), 84,
                             20);
            kit::Text(p, cell, rows[r][c], Qt::AlignLeft | Qt::AlignVCenter, kit::Ui(12, r == 0));
        }
    }
}

void ProfileAxes(QPainter& p, const kit::Plot& plot) {
    kit::Scale(p, plot, 5, kScaleLine, "mm");
    for (int hz : {40, 0, -40}) {
        const int y = static_cast<int>(plot.At(-10, hz).y());
        kit::Text(p, QRect(560, y - 7, 36, 14), QString::number(hz),
                  Qt::AlignRight | Qt::AlignVCenter, kit::Ui(10));
    }
    kit::Text(p, Span(560, 160, 660, 170), "Hz", Qt::AlignLeft | Qt::AlignVCenter, kit::Ui(10),
              colour::kMuted);
    kit::Text(p, Span(900, 176, 1146, 192), "\u25cf now    \u2014 pass 1",
              Qt::AlignRight | Qt::AlignVCenter, kit::Ui(11), colour::kMuted);
}

}  // namespace

void DrawFidView(QPainter& p, View view) {
    const bool running = view == View::kFidRunning;
    const kit::Plot plot{kPlotArea, {0, 2.5}, {-1.05, 1.05}};
    ZeroLine(p, plot);
    const double noise = running ? 0.05 : 0.02;
    kit::Trace(
        p, plot, [noise](double t) { return sample::Fid(t, noise); }, colour::kTrace, 1.0);
    kit::Scale(p, plot, 0.5, kScaleLine, "s");
    Title(p, running ? "FID   (scan 5 of 8)" : "FID   (8 scans)");
}

void DrawLockScanView(QPainter& p, View view) {
    const kit::Plot plot{kPlotArea, {0, 1}, {-1, 1}};
    ZeroLine(p, plot);
    kit::Trace(
        p, plot, [view](double t) { return LockSignal(view, t); }, QColor(0, 120, 60), 1.6);
    kit::Scale(p, plot, 0.1, kScaleLine, "s");
    Title(p, "Lock scan   (2H, CDCl3)");
}

void DrawFindingZ0View(QPainter& p) {
    const kit::Plot plot{kPlotArea, {0, 1}, {-1, 1}};
    ZeroLine(p, plot);
    auto search = [](double t) {
        return 0.6 * std::cos(2 * std::numbers::pi * 14 * t * (1 - 0.4 * t));
    };
    kit::Trace(p, plot, search, QColor(0, 120, 60), 1.4);
    kit::Scale(p, plot, 0.1, kScaleLine, "s");
    Title(p, "Lock scan   (2H, CDCl3)");
    // The slide show asks for a click on the bottom of this Z, so the banner is
    // set out from where the Z must stand.
    const QFont font = kit::Ui(30, true);
    p.setFont(font);
    const int zLeft = 925;
    const int baseline = 313;
    const int start = zLeft - p.fontMetrics().horizontalAdvance("Finding ");
    kit::Panel(p, Span(start - 14, 278, zLeft + 70, 326));
    p.setPen(colour::kInk);
    p.drawText(QPoint(start, baseline), "Finding Z0");
}

void DrawProfileView(QPainter& p) {
    ShimTable(p);
    const kit::Plot plot{Span(600, 170, 1150, 376), {-10, 10}, {-40, 40}};
    kit::Frame(p, plot.area.adjusted(-1, -1, 1, 1), QColor(250, 251, 253));
    ZeroLine(p, plot);
    kit::Trace(p, plot, EarlierProfile, colour::kBorder, 1.4);
    kit::Trace(p, plot, Profile, colour::kTrace, 1.8);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(colour::kTrace);
    for (int z = -9; z <= 9; z += 2) p.drawEllipse(plot.At(z, Profile(z)), 2.5, 2.5);
    p.setRenderHint(QPainter::Antialiasing, false);
    const double z = plot.UOf(kCursorX);
    kit::Arrow(p, plot.At(z, Profile(z)).toPoint(), 14);
    ProfileAxes(p, plot);
}

}  // namespace orvane
