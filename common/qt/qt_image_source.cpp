#include "qt_image_source.h"

#include <QImageReader>

bool QtImageSource::CanLoad(const std::string& path) {
    checkedPath_ = QString::fromStdString(path);
    // A readable header is not enough: a truncated file fails only when decoded.
    checked_ = QImageReader(checkedPath_).read();
    return !checked_.isNull();
}

std::optional<PictureSize> QtImageSource::Size(const std::string& path) {
    QSize size = QImageReader(QString::fromStdString(path)).size();
    if (size.isEmpty()) return std::nullopt;
    return PictureSize{size.width(), size.height()};
}

QImage QtImageSource::Take(const std::string& path, double zoom) {
    QImage picture;
    if (checkedPath_ == QString::fromStdString(path)) std::swap(picture, checked_);
    checkedPath_.clear();
    if (picture.isNull()) picture = QImage(QString::fromStdString(path));
    if (zoom == 1 || picture.isNull()) return picture;
    return picture.scaled((QSizeF(picture.size()) * zoom).toSize(), Qt::IgnoreAspectRatio,
                          Qt::SmoothTransformation);
}
