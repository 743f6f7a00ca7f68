#pragma once

#include <functional>

// Holds the program in one handler until a condition on the clock holds. The
// window stays painted meanwhile; other events wait until the handler ends.
class Waiter {
  public:
    virtual ~Waiter() = default;
    virtual void WaitUntil(const std::function<bool()>& done) = 0;
};
