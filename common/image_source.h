#pragma once

#include <string>

// Pictures on disk, as the desktop reads them.
class ImageSource {
  public:
    virtual ~ImageSource() = default;
    // True when the file at the path exists and decodes whole as a picture.
    virtual bool CanLoad(const std::string& path) = 0;
};
