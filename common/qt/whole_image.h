#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

// A picture file read only if it decodes whole. The JPEG and PNG decoders
// accept a file cut short with no more than a console warning and show the
// missing part grey; a picture that lacks the end its format requires is
// refused here like one that cannot be opened or decoded. Other formats count
// as whole when they decode.
QImage ReadWholeImage(const QString& path);

// The same for a file already in memory.
QImage DecodeWholeImage(const QByteArray& data);
