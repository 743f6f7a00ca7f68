#include "web_services.h"

#include "page.h"

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
    std::optional<PictureSize> size = page::LoadPicture(path);
    if (size) {
        sizes_[path] = *size;
    } else {
        sizes_.erase(path);
    }
    return size.has_value();
}

void WebImageSource::Prefetch(const std::string& path) {
    page::PrefetchPicture(path);
}

std::optional<PictureSize> WebImageSource::Size(const std::string& path) {
    if (!sizes_.contains(path) && !CanLoad(path)) return std::nullopt;
    return sizes_.at(path);
}
