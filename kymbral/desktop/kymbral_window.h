#pragma once

#include <memory>

#include "form_view.h"
#include "kymbral.h"

// The simulator's real window: the control models laid out, rendered by the
// form view and bound to their handlers.
class KymbralWindow {
  public:
    // Message boxes default to the desktop's, over this window; the games
    // are reported to `reports` when given (an exercise set's run).
    explicit KymbralWindow(Clock& clock, MessageBoxes* messages = nullptr,
                           Reports* reports = nullptr);
    ~KymbralWindow();

    // Runs start-up, shows the window and activates it once, as soon as it shows.
    void Open();

    FormView view;
    Kymbral& model() { return *kymbral_; }

  private:
    std::unique_ptr<MessageBoxes> ownMessages_;
    std::unique_ptr<MessageBoxes> syncedMessages_;
    std::unique_ptr<Waiter> waiter_;
    Reports nowhere_;  // without a set, the desktop keeps no record of the games
    std::unique_ptr<Kymbral> kymbral_;
};
