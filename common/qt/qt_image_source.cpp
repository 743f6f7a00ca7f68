#include "qt_image_source.h"

#include <QImageReader>

bool QtImageSource::CanLoad(const std::string& path) {
    // A readable header is not enough: a truncated file fails only when decoded.
    return !QImageReader(QString::fromStdString(path)).read().isNull();
}
