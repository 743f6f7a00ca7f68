#include "qt_image_source.h"

#include "whole_image.h"

bool QtImageSource::CanLoad(const std::string& path) {
    path_ = path;
    image_ = ReadWholeImage(QString::fromStdString(path));
    return !image_.isNull();
}

QImage QtImageSource::Loaded(const std::string& path) const {
    return path == path_ ? image_ : QImage();
}
