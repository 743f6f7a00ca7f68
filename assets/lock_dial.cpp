#include "lock_dial.h"

#include <QRadialGradient>
#include <QString>
#include <cmath>
#include <numbers>

#include "draw_kit.h"

namespace {

// Screen direction of a dial reading: the hands turn clockwise from straight down.
QPointF Direction(double reading) {
    const double theta = -2.0 * std::numbers::pi * reading / 100.0;
    return {std::sin(theta), std::cos(theta)};
}

void Face(QPainter& p, QPointF centre, double radius) {
    QRadialGradient shade(centre, radius);
    shade.setColorAt(0.0, Qt::white);
    shade.setColorAt(0.85, QColor(246, 248, 251));
    shade.setColorAt(1.0, QColor(214, 221, 230));
    p.setPen(QPen(kit::colour::kMuted, 1.5));
    p.setBrush(shade);
    p.drawEllipse(centre, radius, radius);
}

void Ticks(QPainter& p, QPointF centre, double radius) {
    for (int reading = 0; reading < 100; reading += 2) {
        const bool major = reading % 10 == 0;
        const QPointF d = Direction(reading);
        const double inner = radius - (major ? 13 : 8);
        p.setPen(QPen(major ? kit::colour::kInk : kit::colour::kMuted, major ? 2 : 1));
        p.drawLine(centre + d * inner, centre + d * (radius - 4));
    }
}

void Numbers(QPainter& p, QPointF centre, double radius) {
    for (int reading = 0; reading < 100; reading += 10) {
        const QPointF at = centre + Direction(reading) * (radius - 23);
        const QRect box(static_cast<int>(at.x()) - 10, static_cast<int>(at.y()) - 7, 20, 14);
        kit::Text(p, box, QString::number(reading), Qt::AlignCenter, kit::Ui(10, true));
    }
}

void Hand(QPainter& p, QPointF centre, double radius, double level) {
    p.setPen(QPen(kit::colour::kInk, 2.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(centre, centre + Direction(level) * (radius - 10));
    p.setPen(Qt::NoPen);
    p.setBrush(kit::colour::kInk);
    p.drawEllipse(centre, 4, 4);
}

}  // namespace

void DrawLockDial(QPainter& p, QPointF centre, double radius, double level) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    Face(p, centre, radius);
    Ticks(p, centre, radius);
    Numbers(p, centre, radius);
    if (level >= 0) Hand(p, centre, radius, level);
    p.restore();
}
