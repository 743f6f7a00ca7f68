#include "qt_image_source.h"

#include <QFileInfo>
#include <QImageReader>

#include "whole_image.h"

bool QtImageSource::CanLoad(const std::string& path) {
    path_ = path;
    image_ = ReadWholeImage(QString::fromStdString(path));
    return !image_.isNull();
}

QImage QtImageSource::Loaded(const std::string& path) const {
    return path == path_ ? image_ : QImage();
}

std::optional<PictureSize> QtImageSource::Size(const std::string& path) {
    QSize size = path == path_ ? image_.size() : QImageReader(QString::fromStdString(path)).size();
    if (size.isEmpty()) return std::nullopt;
    return PictureSize{size.width(), size.height()};
}

bool QtImageSource::Exists(const std::string& path) {
    return QFileInfo(QString::fromStdString(path)).isFile();
}
