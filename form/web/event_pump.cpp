#include "event_pump.h"

bool EventPump::Post(Handler handler) {
    held_.push_back(std::move(handler));
    return !running_;
}

bool EventPump::PostTick(const Handler& tick) {
    if (running_) return false;
    return Post(tick);
}

void EventPump::Run() {
    if (running_) return;
    running_ = true;
    while (!held_.empty()) {
        Handler next = std::move(held_.front());
        held_.pop_front();
        next();
        if (afterEvent_) afterEvent_();
    }
    running_ = false;
}
