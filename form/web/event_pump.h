#pragma once

#include <deque>
#include <functional>

// Runs the page's events one at a time, as the desktop does: an event that
// comes while a handler runs (inside its wait or its message box) is held and
// run after it; a clock tick that comes meanwhile is dropped.
class EventPump {
  public:
    using Handler = std::function<void()>;

    // Each returns true when nothing runs and the caller must call Run().
    bool Post(Handler handler);
    bool PostTick(const Handler& tick);
    // Runs the held events in order, each followed by the after-event hook.
    void Run();
    void SetAfterEvent(Handler hook) { afterEvent_ = std::move(hook); }
    bool Running() const { return running_; }

  private:
    std::deque<Handler> held_;
    Handler afterEvent_;
    bool running_ = false;
};
