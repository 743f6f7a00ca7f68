#include "web_exports.h"

#include <emscripten.h>

#include "page.h"

namespace {

WebForm* served = nullptr;

}  // namespace

void ServeForm(WebForm& form) {
    served = &form;
    form.SetPublisher(page::Apply);
}

extern "C" {

// An event of the page's; 1 when the page must then call web_pump.
EMSCRIPTEN_KEEPALIVE int web_post(int control, int event, int button, double x, double y,
                                  const char* text) {
    if (served == nullptr) return 0;
    return served->Post(control, static_cast<WebForm::Event>(event), button, x, y, text) ? 1 : 0;
}

// Runs the held events; may wait inside a handler, so the page calls it async.
EMSCRIPTEN_KEEPALIVE void web_pump() {
    if (served != nullptr) served->Pump();
}

}  // extern "C"
