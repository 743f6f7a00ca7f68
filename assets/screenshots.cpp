#include "screenshots.h"

#include <QPainter>

#include "orvane_layout.h"
#include "orvane_parts.h"
#include "screenshot_slides.h"

QImage DrawScreenshot(int slide, int ratio) {
    QImage image(orvane::layout::kImage * ratio, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(kit::colour::kPage);
    QPainter p(&image);
    PaintScreenshot(p, slide);
    return image;
}

void PaintScreenshot(QPainter& p, int slide) {
    const orvane::Slide& row = orvane::SlideAt(slide);
    orvane::DrawChrome(p, row);
    orvane::DrawLeftColumn(p, row);
    orvane::DrawCanvas(p, row);
    orvane::DrawParameterPanel(p, row);
}
