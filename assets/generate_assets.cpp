// Draws the programs' pictures at build time: the simulator's console
// background and the slide show's screenshots.
#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QString>
#include <cstdio>

#include "console_background.h"
#include "embedded_fonts.h"
#include "screenshots.h"
#include "slide_table.h"

namespace {

bool Save(const QImage& image, const QString& path) {
    if (image.save(path, "JPG", 90)) return true;
    std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    return false;
}

bool SaveScreenshots(const QString& folder) {
    if (!QDir().mkpath(folder)) {
        std::fprintf(stderr, "cannot create %s\n", qPrintable(folder));
        return false;
    }
    for (int slide = 0; slide < kSlideCount; ++slide) {
        const QString name = QString("ScreenShot-%1.jpg").arg(slide);
        if (!Save(DrawScreenshot(slide), QDir(folder).filePath(name))) return false;
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
    if (command == "background") return Save(DrawConsoleBackground(), target) ? 0 : 1;
    if (command == "screenshots") return SaveScreenshots(target) ? 0 : 1;
    std::fprintf(stderr, "usage: %s background FILE | screenshots FOLDER\n", argv[0]);
    return 2;
}
