#pragma once

#include <QImage>
#include <QString>

#include "image_source.h"

// Reads the file with Qt's image plugins (JPEG among them). The picture that
// the last check decoded is kept until taken, so that showing it right after
// does not decode it twice.
class QtImageSource : public ImageSource {
  public:
    bool CanLoad(const std::string& path) override;
    std::optional<PictureSize> Size(const std::string& path) override;

    // The picture at `path`, at `zoom` times its size: the one just checked
    // if it is that one, else read afresh.
    QImage Take(const std::string& path, double zoom);

  private:
    QString checkedPath_;
    QImage checked_;
};
