// Kymbral: the lock, shim and acquisition simulator.
#include <QApplication>

#include "kymbral_window.h"
#include "steady_clock.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    SteadyClock clock;
    KymbralWindow window(clock);
    window.Open();
    return app.exec();
}
