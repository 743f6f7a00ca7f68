#include "qt_image_source.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QImageReader>

#include "denser_pictures.h"

bool QtImageSource::CanLoad(const std::string& path) {
    path_ = path;
    image_ = ReadForScreen(QString::fromStdString(path), qApp->devicePixelRatio());
    return !image_.isNull();
}

QImage QtImageSource::Loaded(const std::string& path) const {
    return path == path_ ? image_ : QImage();
}

std::optional<PictureSize> QtImageSource::Size(const std::string& path) {
    QSize size = path == path_ ? image_.deviceIndependentSize().toSize()
                               : QImageReader(QString::fromStdString(path)).size();
    if (size.isEmpty()) return std::nullopt;
    return PictureSize{size.width(), size.height()};
}

bool QtImageSource::Exists(const std::string& path) {
    return QFileInfo(QString::fromStdString(path)).isFile();
}
