#include "whole_image.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <string_view>

#include "picture_formats.h"

QImage DecodeWholeImage(const QByteArray& data) {
    if (!PictureIsWhole(
            std::string_view(data.constData(), static_cast<std::size_t>(data.size())))) {
        return {};
    }
    QBuffer buffer;
    buffer.setData(data);
    return QImageReader(&buffer).read();
}

QImage ReadWholeImage(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return DecodeWholeImage(file.readAll());
}
