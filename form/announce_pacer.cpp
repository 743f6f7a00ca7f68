#include "announce_pacer.h"

bool AnnouncePacer::Changed(double now) {
    if (lastRead_ && now - *lastRead_ < interval_) {
        waiting_ = true;
        return false;
    }
    lastRead_ = now;
    waiting_ = false;
    return true;
}

std::optional<double> AnnouncePacer::Due() const {
    if (!waiting_) return std::nullopt;
    return *lastRead_ + interval_;
}

bool AnnouncePacer::TakeDue(double now) {
    if (!waiting_ || now < *Due()) return false;
    lastRead_ = now;
    waiting_ = false;
    return true;
}
