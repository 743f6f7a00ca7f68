#include "page.h"

#include <emscripten.h>

// Module.page is the object the page hands to the module when it creates it.
EM_JS(void, page_apply, (const char* changes), { Module.page.apply(UTF8ToString(changes)); });

EM_ASYNC_JS(void, page_show_message, (const char* title, const char* text),
            { await Module.page.showMessage(UTF8ToString(title), UTF8ToString(text)); });

EM_ASYNC_JS(int, page_load_picture, (const char* path),
            { return (await Module.page.loadPicture(UTF8ToString(path))) ? 1 : 0; });

EM_JS(void, page_picture_size, (const char* path, int* size), {
    const[width, height] = Module.page.pictureSize(UTF8ToString(path));
    HEAP32[size >> 2] = width;
    HEAP32[(size >> 2) + 1] = height;
});

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

std::optional<PictureSize> PictureSizeOf(const std::string& path) {
    int size[2] = {0, 0};
    page_picture_size(path.c_str(), size);
    if (size[0] <= 0 || size[1] <= 0) return std::nullopt;
    return PictureSize{size[0], size[1]};
}

void Sleep(int milliseconds) {
    emscripten_sleep(static_cast<unsigned>(milliseconds));
}

void Stop(int status) {
    page_stop(status);
}

}  // namespace page
