#include "web_services.h"

#include "page.h"
#include "picture_formats.h"

float PageClock::Now() {
    return static_cast<float>(page::TimeOfDay());
}

void WebMessageBoxes::Show(const std::string& title, const std::string& text) {
    lastText_ = text;
    form_.Publish();
    page::ShowMessage(title, text);
}

void WebWaiter::WaitUntil(const std::function<bool()>& done) {
    form_.Publish();
    while (!done()) page::Sleep(10);
}

bool WebImageSource::CanLoad(const std::string& path) {
    std::optional<std::string> bytes = page::FetchFile(path);
    fetched_[path] = bytes.has_value();
    std::optional<PictureSize> size;
    if (bytes && PictureIsWhole(*bytes)) size = page::DecodePicture(path, *bytes);
    if (size) {
        sizes_[path] = *size;
    } else {
        sizes_.erase(path);
    }
    return size.has_value();
}

void WebImageSource::Prefetch(const std::string& path) {
    page::FetchAhead(path);
}

std::optional<PictureSize> WebImageSource::Size(const std::string& path) {
    if (!sizes_.contains(path) && !CanLoad(path)) return std::nullopt;
    return sizes_.at(path);
}

bool WebImageSource::Exists(const std::string& path) {
    auto fetched = fetched_.find(path);
    if (fetched != fetched_.end()) return fetched->second;
    return fetched_[path] = page::FetchFile(path).has_value();
}
