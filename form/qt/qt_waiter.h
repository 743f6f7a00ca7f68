#pragma once

#include "form_view.h"
#include "waiter.h"

// Waits inside a handler with the window alive: what the handler has drawn so
// far is shown first, the window keeps painting, and the user's clicks and
// keys stay queued until the handler ends. Clock ticks are not run meanwhile.
class QtWaiter : public Waiter {
  public:
    explicit QtWaiter(FormView& view) : view_(view) {}
    void WaitUntil(const std::function<bool()>& done) override;

  private:
    FormView& view_;
};
