// Draws the programs' pictures at build time: the simulator's console
// background and the slide show's screenshots.
#include <QGuiApplication>
#include <QImage>
#include <QString>
#include <cstdio>

#include "console_background.h"

namespace {

bool Save(const QImage& image, const QString& path) {
    if (image.save(path, "JPG", 90)) return true;
    std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc == 3 && QString(argv[1]) == "background") {
        return Save(DrawConsoleBackground(), QString::fromLocal8Bit(argv[2])) ? 0 : 1;
    }
    std::fprintf(stderr, "usage: %s background FILE\n", argv[0]);
    return 2;
}
