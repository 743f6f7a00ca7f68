#include "web_services.h"

#include "page.h"

void WebMessageBoxes::Show(const std::string& title, const std::string& text) {
    form_.Publish();
    page::ShowMessage(title, text);
}

void WebWaiter::WaitUntil(const std::function<bool()>& done) {
    form_.Publish();
    while (!done()) page::Sleep(10);
}

bool WebImageSource::CanLoad(const std::string& path) {
    return page::LoadPicture(path);
}

std::optional<PictureSize> WebImageSource::Size(const std::string& path) {
    return page::PictureSizeOf(path);
}
