// Draws the programs' pictures at build time: the simulator's console
// background and the slide show's screenshots.
#include <QDir>
#include <QFileInfo>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QString>
#include <cstdio>
#include <functional>
#include <string_view>

#include "console_background.h"
#include "denser_pictures.h"
#include "embedded_fonts.h"
#include "screenshots.h"
#include "slide_table.h"

namespace {

// JPEG at quality 90; PNG at its tightest compression (Qt's quality 0).
bool Save(const QImage& image, const QString& path, const char* format = "JPG") {
    if (image.save(path, format, format == std::string_view("PNG") ? 0 : 90)) return true;
    std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    return false;
}

// The picture as the programs name it (a JPEG, as decks have them), and
// beside it at each denser ratio, lossless, as line art is best kept.
bool SaveAtEachRatio(const std::function<QImage(int ratio)>& draw, const QString& path) {
    if (!Save(draw(1), path)) return false;
    for (int ratio : kDenserRatios) {
        QString denser = DenserPictureName(path, ratio);
        if (!QDir().mkpath(QFileInfo(denser).path()) || !Save(draw(ratio), denser, "PNG")) {
            return false;
        }
    }
    return true;
}

bool SaveScreenshots(const QString& folder) {
    if (!QDir().mkpath(folder)) {
        std::fprintf(stderr, "cannot create %s\n", qPrintable(folder));
        return false;
    }
    for (int slide = 0; slide < kSlideCount; ++slide) {
        const QString name = QString("ScreenShot-%1.jpg").arg(slide);
        auto draw = [slide](int ratio) { return DrawScreenshot(slide, ratio); };
        if (!SaveAtEachRatio(draw, QDir(folder).filePath(name))) return false;
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    // Drawn with the programs' own fonts, never the machine's.
    if (!RegisterEmbeddedFonts()) {
        std::fprintf(stderr, "cannot load the carried fonts\n");
        return 1;
    }
    QGuiApplication::setFont(QFont(fonts::kSans));
    const QString command = argc == 3 ? QString(argv[1]) : QString();
    const QString target = argc == 3 ? QString::fromLocal8Bit(argv[2]) : QString();
    if (command == "background") return SaveAtEachRatio(DrawConsoleBackground, target) ? 0 : 1;
    if (command == "screenshots") return SaveScreenshots(target) ? 0 : 1;
    std::fprintf(stderr, "usage: %s background FILE | screenshots FOLDER\n", argv[0]);
    return 2;
}
