#include "console_background.h"

QImage DrawConsoleBackground() {
    QImage image(1445, 633, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}
