#pragma once

#include <optional>
#include <string>

struct PictureSize {
    int width = 0;
    int height = 0;
};

// Pictures on disk, as the desktop reads them.
class ImageSource {
  public:
    virtual ~ImageSource() = default;
    // True when the file at the path exists and decodes whole as a picture.
    virtual bool CanLoad(const std::string& path) = 0;
    // The picture's size in pixels; nothing when unreadable.
    virtual std::optional<PictureSize> Size(const std::string& path) = 0;
};
