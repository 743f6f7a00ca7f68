#include "qt_waiter.h"

#include <QCoreApplication>
#include <QThread>

void QtWaiter::WaitUntil(const std::function<bool()>& done) {
    view_.Sync();
    view_.repaint();
    while (!done()) {
        // Paints and timers go on; input from the desktop waits in its queue.
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        QThread::msleep(10);
    }
}
