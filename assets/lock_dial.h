#pragma once

#include <QPainter>
#include <QPointF>

// A round lock-level dial read clockwise from the bottom: 0 at six o'clock,
// 50 at twelve, one full turn for 0 to 100. Without a level the dial has no
// hand, for pictures over which a program moves its own hands.
void DrawLockDial(QPainter& p, QPointF centre, double radius, double level = -1);
