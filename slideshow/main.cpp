// Tessivar: the slide-show quiz over screenshots of the console software.
#include <QApplication>

#include "tessivar_window.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    TessivarWindow window;
    window.Open();
    return app.exec();
}
