#pragma once

#include <QImage>

#include "image_source.h"

// Reads the file with Qt's image plugins (JPEG among them), or the denser
// picture beside it that the screen needs, and keeps the picture it checked, so that the window
// shows exactly what was checked without reading the file again.
class QtImageSource : public ImageSource {
  public:
    bool CanLoad(const std::string& path) override;
    std::optional<PictureSize> Size(const std::string& path) override;
    bool Exists(const std::string& path) override;
    // The picture last read from the path; null if that was not the last one.
    QImage Loaded(const std::string& path) const;

  private:
    std::string path_;
    QImage image_;
};
