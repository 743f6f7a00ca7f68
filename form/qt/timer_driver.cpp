#include "timer_driver.h"

TimerDriver::TimerDriver(Timer& model, std::function<void()> tick, QObject* parent)
    : model_(model), timer_(new QTimer(parent)) {
    timer_->setTimerType(Qt::PreciseTimer);
    QObject::connect(timer_, &QTimer::timeout, timer_, std::move(tick));
    Sync();
}

void TimerDriver::Sync() {
    if (applied_.Same(model_)) return;
    if (model_.enabled && model_.intervalMs > 0) {
        timer_->start(model_.intervalMs);
    } else {
        timer_->stop();
    }
    applied_.Remember(model_);
}
