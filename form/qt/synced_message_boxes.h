#pragma once

#include "form_view.h"
#include "message_boxes.h"

// Message boxes that first bring the window behind them up to date: a handler
// may open one halfway, and the student must see what the handler has done so
// far (a refused start already back on "GA"), not the state before the event.
class SyncedMessageBoxes : public MessageBoxes {
  public:
    SyncedMessageBoxes(FormView& view, MessageBoxes& boxes) : view_(view), boxes_(boxes) {}

    void Show(const std::string& title, const std::string& text) override {
        view_.Sync();
        boxes_.Show(title, text);
    }

  private:
    FormView& view_;
    MessageBoxes& boxes_;
};
