#pragma once

#include <optional>

// Paces the reading out of a value that keeps changing (the lock level while
// a knob is held): a change is read at once when the last reading is at
// least an interval old; otherwise it waits, and only the latest is read
// when the interval is up. Times are in seconds on any steady clock.
class AnnouncePacer {
  public:
    AnnouncePacer() = default;
    explicit AnnouncePacer(double interval) : interval_(interval) {}

    // A change at `now`: true when it is to be read at once.
    bool Changed(double now);
    // When the change that waits is due; none when nothing waits.
    std::optional<double> Due() const;
    // True, once, when the change that waits is due by `now`: read it then.
    bool TakeDue(double now);

  private:
    double interval_ = 1.0;
    std::optional<double> lastRead_;
    bool waiting_ = false;
};
