#pragma once

#include <QTimer>
#include <functional>

#include "controls.h"
#include "last_applied.h"

// Runs a precise QTimer exactly while the Timer model is enabled with a
// positive interval; switching it on, or changing the interval, starts the
// countdown afresh.
class TimerDriver {
  public:
    TimerDriver(Timer& model, std::function<void()> tick, QObject* parent);

    void Sync();

  private:
    Timer& model_;
    QTimer* timer_;
    LastApplied<Timer> applied_;
};
