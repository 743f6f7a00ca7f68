#pragma once

#include <QImage>
#include <QString>

// Pictures drawn for dense screens lie in folders 2x and 3x beside the
// picture they stand for, as lossless PNG: "2x/ScreenShot-3.png" and
// "3x/ScreenShot-3.png" for "ScreenShot-3.jpg" (the page names them the same
// way, web/files.js). In folders of their own, a deck's tools never take
// them for pictures of the deck.
inline constexpr int kDenserRatios[] = {2, 3};

QString DenserPictureName(const QString& path, int ratio);

// The picture at `path` for a screen of `screenRatio` device pixels to a
// pixel: the least dense picture beside it that is dense enough (the
// densest there is, if none is), with its device pixel ratio set so that it
// is drawn at the size of the picture it stands for; else the picture itself.
QImage ReadForScreen(const QString& path, double screenRatio);
