#pragma once

#include "image_source.h"

// Reads the file with Qt's image plugins (JPEG among them).
class QtImageSource : public ImageSource {
  public:
    bool CanLoad(const std::string& path) override;
};
