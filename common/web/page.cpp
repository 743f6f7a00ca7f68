#include "page.h"

#include <emscripten.h>

// Module.page is the object the page hands to the module when it creates it.
EM_JS(void, page_apply, (const char* changes), { Module.page.apply(UTF8ToString(changes)); });

EM_ASYNC_JS(void, page_show_message, (const char* title, const char* text),
            { await Module.page.showMessage(UTF8ToString(title), UTF8ToString(text)); });

EM_ASYNC_JS(int, page_load_picture, (const char* path),
            { return (await Module.page.loadPicture(UTF8ToString(path))) ? 1 : 0; });

EM_JS(void, page_stop, (int status), { Module.page.stop(status); });

namespace page {

void Apply(const std::string& changes) {
    page_apply(changes.c_str());
}

void ShowMessage(const std::string& title, const std::string& text) {
    page_show_message(title.c_str(), text.c_str());
}

bool LoadPicture(const std::string& path) {
    return page_load_picture(path.c_str()) != 0;
}

void Sleep(int milliseconds) {
    emscripten_sleep(static_cast<unsigned>(milliseconds));
}

void Stop(int status) {
    page_stop(status);
}

}  // namespace page
