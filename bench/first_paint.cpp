// Time from the start of main to the simulator window's first paint, offscreen,
// with the real clock. Process start-up before main (loading the libraries) is
// measured from outside, by timing the whole program.
#include <QApplication>
#include <QEvent>
#include <QObject>
#include <chrono>
#include <cstdio>

#include "kymbral_window.h"
#include "steady_clock.h"

namespace {

// Quits the application at the first paint of the watched widget.
class FirstPaint : public QObject {
  public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !painted) {
            painted = true;
            at = std::chrono::steady_clock::now();
            QMetaObject::invokeMethod(QCoreApplication::instance(), &QCoreApplication::quit,
                                      Qt::QueuedConnection);
        }
        return QObject::eventFilter(watched, event);
    }
    bool painted = false;
    std::chrono::steady_clock::time_point at;
};

}  // namespace

int main(int argc, char** argv) {
    auto start = std::chrono::steady_clock::now();
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    SteadyClock clock;
    KymbralWindow window(clock);
    FirstPaint watcher;
    window.view.installEventFilter(&watcher);
    window.Open();
    app.exec();
    double ms = std::chrono::duration<double, std::milli>(watcher.at - start).count();
    std::printf("main to first paint: %.1f ms\n", ms);
    return 0;
}
