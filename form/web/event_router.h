#pragma once

#include <functional>

#include "control_registry.h"
#include "event_pump.h"
#include "keyboard_pointers.h"
#include "page_events.h"

// Takes the page's events to the handlers bound to their controls, each run
// in its turn (EventPump) and followed by the after-event hook and telling
// the page what changed. Text and tick marks the user changed wait their
// turn like clicks, but the page already shows them. Each Post returns true
// when the caller must then call Pump(); an event for a control without a
// handler of its kind is dropped.
class EventRouter {
  public:
    using Handler = std::function<void()>;

    EventRouter(const ControlRegistry& controls, KeyboardPointers& pointers, Handler publish)
        : controls_(controls), pointers_(pointers), publish_(std::move(publish)) {}

    bool Post(const ClickEvent& click);
    bool Post(const MouseUpEvent& mouseUp);
    bool Post(const MouseMoveEvent& mouseMove);
    bool Post(const KeyUpEvent& keyUp);
    bool Post(const TextEvent& text);
    bool Post(const CheckEvent& check);
    bool Post(const TickEvent& tick);
    bool Post(const KeyEvent& key);
    bool Post(const AnnounceEvent& announce);

    // Runs a handler as an event of its own.
    bool Dispatch(Handler handler);
    void Pump() { pump_.Run(); }
    bool Running() const { return pump_.Running(); }
    void SetAfterEvent(Handler hook) { afterEvent_ = std::move(hook); }

    // The keys a control takes besides its kind's, as the page knows them:
    // "pointer" for a picture box's keyboard pointer, "knob" for the mouse
    // buttons they stand for, "" for none.
    const char* KeysTaken(int id) const;

  private:
    Handler WithAfter(Handler handler);
    bool KnobKey(const Bindings& knob, int keyCode);
    bool PointerKey(const KeyEvent& key);

    const ControlRegistry& controls_;
    KeyboardPointers& pointers_;
    Handler publish_;
    Handler afterEvent_;
    EventPump pump_;
};
