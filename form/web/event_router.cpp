#include "event_router.h"

#include "key_clicks.h"

bool EventRouter::Post(const ClickEvent& click) {
    const Bindings* b = controls_.Find(click.control);
    return b && b->click && Dispatch(b->click);
}

bool EventRouter::Post(const MouseUpEvent& up) {
    const Bindings* b = controls_.Find(up.control);
    return b && b->mouseUp && Dispatch([b, up] { b->mouseUp(up.button, up.x, up.y); });
}

bool EventRouter::Post(const MouseMoveEvent& move) {
    const Bindings* b = controls_.Find(move.control);
    return b && b->mouseMove && Dispatch([b, move] { b->mouseMove(move.buttons, move.x, move.y); });
}

bool EventRouter::Post(const KeyUpEvent& keyUp) {
    const Bindings* b = controls_.Find(keyUp.control);
    return b && b->keyUp && Dispatch([b, keyCode = keyUp.keyCode] { b->keyUp(keyCode); });
}

bool EventRouter::Post(const TextEvent& text) {
    const Bindings* b = controls_.Find(text.control);
    return b && b->setText && pump_.Post([b, typed = text.text] { b->setText(typed); });
}

bool EventRouter::Post(const CheckEvent& check) {
    const Bindings* b = controls_.Find(check.control);
    return b && b->setChecked && pump_.Post([b, on = check.checked] { b->setChecked(on); });
}

bool EventRouter::Post(const TickEvent& tick) {
    const Bindings* b = controls_.Find(tick.control);
    return b && b->click && pump_.PostTick(WithAfter(b->click));
}

bool EventRouter::Post(const KeyEvent& key) {
    const Bindings* b = controls_.Find(key.control);
    if (!b) return false;
    return pointers_.Has(key.control) ? PointerKey(key) : KnobKey(*b, key.keyCode);
}

// Asks for the changes again, with the read-out that waited.
bool EventRouter::Post(const AnnounceEvent&) {
    return Dispatch([] {});
}

EventRouter::Handler EventRouter::WithAfter(Handler handler) {
    return [this, handler = std::move(handler)] {
        handler();
        if (afterEvent_) afterEvent_();
        publish_();
    };
}

bool EventRouter::Dispatch(Handler handler) {
    return pump_.Post(WithAfter(std::move(handler)));
}

// A key on a knob is the mouse button it stands for, by the mouse's path:
// the mouse-up handler, then the click for the left button.
bool EventRouter::KnobKey(const Bindings& knob, int keyCode) {
    int button = KnobButtonFor(keyCode);
    if (!knob.mouseUp || button == 0) return false;
    return Dispatch([&knob, button] {
        knob.mouseUp(button, 0, 0);
        if (button == kLeftButton && knob.click) knob.click();
    });
}

// A key held down clicks once. Where a text lies over the picture, the text
// takes the pointer's left click, and nothing reaches the picture.
bool EventRouter::PointerKey(const KeyEvent& key) {
    PointerStep step = pointers_.Key(key.control, key.keyCode, key.shift);
    bool clicks = step.button != 0 && !key.held;
    bool mustPump = false;
    if (step.label >= 0) {
        const Bindings& label = controls_.At(step.label);
        if (clicks && step.button == kLeftButton && label.click) mustPump = Dispatch(label.click);
    } else {
        const Bindings& picture = controls_.At(key.control);
        if (step.moved) {
            mustPump = Dispatch([&picture, step] {
                if (picture.mouseMove) picture.mouseMove(0, step.x, step.y);
            });
        }
        if (clicks) {
            mustPump = Dispatch([&picture, step] { picture.mouseUp(step.button, step.x, step.y); });
        }
    }
    // A pointer just placed is shown where it waits.
    if (step.placed && !step.moved) mustPump = Dispatch([] {}) || mustPump;
    return mustPump;
}

const char* EventRouter::KeysTaken(int id) const {
    if (pointers_.Has(id)) return "pointer";
    return controls_.At(id).mouseUp ? "knob" : "";
}
