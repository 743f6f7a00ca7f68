#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

// A picture file read only if it is one of the formats the programs show and
// decodes whole: a file cut short, which the decoders would show with its
// missing part grey, is refused like one that cannot be opened or decoded.
QImage ReadWholeImage(const QString& path);

// The same for a file already in memory.
QImage DecodeWholeImage(const QByteArray& data);
