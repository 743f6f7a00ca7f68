#pragma once

#include <optional>
#include <string>

struct PictureSize {
    int width = 0;
    int height = 0;
};

// Picture files: on disk for the desktop, beside the page for the browser.
class ImageSource {
  public:
    virtual ~ImageSource() = default;
    // True when the file at the path exists and decodes whole as a picture.
    virtual bool CanLoad(const std::string& path) = 0;
    // The picture's size in pixels; nothing when unreadable.
    virtual std::optional<PictureSize> Size(const std::string& path) = 0;
    // True when there is a file at the path, picture or not.
    virtual bool Exists(const std::string& path) = 0;
};
