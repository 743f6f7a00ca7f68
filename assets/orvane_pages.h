#pragma once

// The bodies of the parameter panel's pages, right of the panel's own menu.

#include <QPainter>

#include "screenshot_slides.h"

namespace orvane {

void DrawStandardPage(QPainter& p, const Slide& slide);
void DrawLockPage(QPainter& p, const Slide& slide);
void DrawShimPage(QPainter& p, const Slide& slide);
void DrawAcquirePage(QPainter& p, const Slide& slide);
void DrawProcessPage(QPainter& p, const Slide& slide);
void DrawReferencePage(QPainter& p, const Slide& slide);

}  // namespace orvane
