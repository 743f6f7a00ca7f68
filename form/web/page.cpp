#include "page.h"

#include <emscripten.h>

#include <cstdlib>

// Module.page is the object the page hands to the module when it creates it.
EM_JS(void, page_apply, (const char* changes), { Module.page.apply(UTF8ToString(changes)); });

EM_ASYNC_JS(void, page_show_message, (const char* title, const char* text),
            { await Module.page.showMessage(UTF8ToString(title), UTF8ToString(text)); });

EM_ASYNC_JS(int, page_decode_picture, (const char* path, const char* data, int length, int* size), {
    const loaded =
        await Module.page.decodePicture(UTF8ToString(path), HEAPU8.slice(data, data + length));
    if (!loaded) return 0;
    HEAP32.set(loaded, size >> 2);
    return 1;
});

// The bytes as they are (a deck file may hold anything), in memory the
// caller frees; null when the file cannot be had.
EM_ASYNC_JS(char*, page_fetch_file, (const char* path, int* size), {
    const bytes = await Module.page.fetchFile(UTF8ToString(path));
    if (!bytes) return 0;
    const data = _malloc(bytes.length + 1);
    HEAPU8.set(bytes, data);
    HEAP32[size >> 2] = bytes.length;
    return data;
});

// The value as UTF-8, an encoded NUL included, in memory the caller frees.
EM_JS(char*, page_address_parameter, (const char* name, int* size), {
    const value = new URLSearchParams(location.search).get(UTF8ToString(name));
    if (value == null) return 0;
    HEAP32[size >> 2] = lengthBytesUTF8(value);
    const data = _malloc(HEAP32[size >> 2] + 1);
    stringToUTF8(value, data, HEAP32[size >> 2] + 1);
    return data;
});

EM_JS(void, page_stop, (const char* why), { Module.page.stop(UTF8ToString(why)); });

EM_JS(void, page_fetch_ahead, (const char* path), { Module.page.fetchAhead(UTF8ToString(path)); });

EM_JS(double, page_time_of_day, (), { return Module.page.timeOfDay(); });

EM_JS(void, page_report, (const char* event), { Module.page.report(UTF8ToString(event)); });

EM_JS(void, page_show_panel, (const char* panel), { Module.page.showPanel(UTF8ToString(panel)); });

// What the platform around the page told it (page.resumeData(),
// page.learnerId()), as UTF-8 in memory the caller frees, like an address
// parameter.
EM_JS(char*, page_platform_text, (const char* name, int* size), {
    const value = Module.page[UTF8ToString(name)]();
    if (value == null) return 0;
    HEAP32[size >> 2] = lengthBytesUTF8(value);
    const data = _malloc(HEAP32[size >> 2] + 1);
    stringToUTF8(value, data, HEAP32[size >> 2] + 1);
    return data;
});

EM_JS(void, page_show_progress, (double done, double total),
      { Module.page.showProgress(done, total); });

namespace {

std::optional<std::string> Take(char* data, int size) {
    if (!data) return std::nullopt;
    std::string bytes(data, static_cast<std::size_t>(size));
    std::free(data);
    return bytes;
}

}  // namespace

namespace page {

void Apply(const std::string& changes) {
    page_apply(changes.c_str());
}

void ShowMessage(const std::string& title, const std::string& text) {
    page_show_message(title.c_str(), text.c_str());
}

std::optional<PictureSize> DecodePicture(const std::string& path, std::string_view bytes) {
    int size[2] = {};
    if (!page_decode_picture(path.c_str(), bytes.data(), static_cast<int>(bytes.size()), size)) {
        return std::nullopt;
    }
    return PictureSize{size[0], size[1]};
}

std::optional<std::string> FetchFile(const std::filesystem::path& path) {
    int size = 0;
    char* data = page_fetch_file(path.string().c_str(), &size);
    return Take(data, size);
}

std::optional<std::string> AddressParameter(const std::string& name) {
    int size = 0;
    char* data = page_address_parameter(name.c_str(), &size);
    return Take(data, size);
}

void ShowProgress(std::size_t done, std::size_t total) {
    page_show_progress(static_cast<double>(done), static_cast<double>(total));
}

void Sleep(int milliseconds) {
    emscripten_sleep(static_cast<unsigned>(milliseconds));
}

void Stop(const std::string& why) {
    page_stop(why.c_str());
}

void FetchAhead(const std::filesystem::path& path) {
    page_fetch_ahead(path.string().c_str());
}

double TimeOfDay() {
    return page_time_of_day();
}

void Report(const std::string& event) {
    page_report(event.c_str());
}

void ShowPanel(const std::string& panel) {
    page_show_panel(panel.c_str());
}

std::optional<std::string> ResumeData() {
    int size = 0;
    char* data = page_platform_text("resumeData", &size);
    return Take(data, size);
}

std::optional<std::string> LearnerId() {
    int size = 0;
    char* data = page_platform_text("learnerId", &size);
    return Take(data, size);
}

}  // namespace page
