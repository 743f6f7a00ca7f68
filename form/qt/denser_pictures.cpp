#include "denser_pictures.h"

#include <QFileInfo>

#include "whole_image.h"

QString DenserPictureName(const QString& path, int ratio) {
    QFileInfo file(path);
    return QString("%1/%2x/%3.png").arg(file.path()).arg(ratio).arg(file.completeBaseName());
}

QImage ReadForScreen(const QString& path, double screenRatio) {
    QImage plain = ReadWholeImage(path);
    if (screenRatio <= 1 || plain.isNull()) return plain;
    QImage densest;
    for (int ratio : kDenserRatios) {
        QImage denser = ReadWholeImage(DenserPictureName(path, ratio));
        // Drawn for the picture it stands beside, or not used.
        if (denser.isNull() || denser.size() != plain.size() * ratio) continue;
        denser.setDevicePixelRatio(ratio);
        densest = denser;
        if (ratio >= screenRatio) break;
    }
    return densest.isNull() ? plain : densest;
}
