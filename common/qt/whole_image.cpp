#include "whole_image.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>

namespace {

// Every encoder ends a JPEG with the end-of-image marker and a PNG with the
// IEND chunk; a file cut anywhere short of them lost part of its picture.
bool EndsWhole(const QByteArray& data, const QByteArray& format) {
    static const QByteArray kJpegEnd("\xFF\xD9", 2);
    static const QByteArray kPngEnd("\0\0\0\0IEND\xAE\x42\x60\x82", 12);
    if (format == "jpeg") return data.endsWith(kJpegEnd);
    if (format == "png") return data.endsWith(kPngEnd);
    return true;
}

}  // namespace

QImage DecodeWholeImage(const QByteArray& data) {
    QBuffer buffer;
    buffer.setData(data);
    QImageReader reader(&buffer);
    QByteArray format = reader.format();
    QImage image = reader.read();
    return EndsWhole(data, format) ? image : QImage();
}

QImage ReadWholeImage(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return DecodeWholeImage(file.readAll());
}
