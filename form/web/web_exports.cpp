#include "web_exports.h"

#include <emscripten.h>

#include "page.h"

namespace {

WebForm* served = nullptr;

template <class PageEventKind>
int Post(const PageEventKind& event) {
    return served != nullptr && served->Post(event) ? 1 : 0;
}

}  // namespace

void ServeForm(WebForm& form) {
    served = &form;
    form.SetPublisher(page::Apply);
}

extern "C" {

// The page's events, an export a kind (page_events.h): each returns 1 when
// the page must then call web_pump.
EMSCRIPTEN_KEEPALIVE int web_post_click(int control) {
    return Post(ClickEvent{control});
}
EMSCRIPTEN_KEEPALIVE int web_post_mouse_up(int control, int button, double x, double y) {
    return Post(MouseUpEvent{control, button, x, y});
}
EMSCRIPTEN_KEEPALIVE int web_post_mouse_move(int control, int buttons, double x, double y) {
    return Post(MouseMoveEvent{control, buttons, x, y});
}
EMSCRIPTEN_KEEPALIVE int web_post_key_up(int control, int keyCode) {
    return Post(KeyUpEvent{control, keyCode});
}
EMSCRIPTEN_KEEPALIVE int web_post_text(int control, const char* text) {
    return Post(TextEvent{control, text});
}
EMSCRIPTEN_KEEPALIVE int web_post_check(int control, bool checked) {
    return Post(CheckEvent{control, checked});
}
EMSCRIPTEN_KEEPALIVE int web_post_tick(int control) {
    return Post(TickEvent{control});
}
EMSCRIPTEN_KEEPALIVE int web_post_key(int control, int keyCode, bool shift, bool held) {
    return Post(KeyEvent{control, keyCode, shift, held});
}
EMSCRIPTEN_KEEPALIVE int web_post_announce() {
    return Post(AnnounceEvent{});
}

// Runs the held events; may wait inside a handler, so the page calls it async.
EMSCRIPTEN_KEEPALIVE void web_pump() {
    if (served != nullptr) served->Pump();
}

}  // extern "C"
