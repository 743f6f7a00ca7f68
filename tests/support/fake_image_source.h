#pragma once

#include <map>
#include <set>
#include <string>
#include <vector>

#include "image_source.h"

// Pictures kept in memory by path, the window's size unless told otherwise;
// every load is recorded.
class FakeImageSource : public ImageSource {
  public:
    bool CanLoad(const std::string& path) override {
        requested.push_back(path);
        return files.contains(path);
    }
    std::optional<PictureSize> Size(const std::string& path) override {
        if (!files.contains(path)) return std::nullopt;
        auto size = sizes.find(path);
        return size == sizes.end() ? PictureSize{1239, 705} : size->second;
    }
    bool Exists(const std::string& path) override {
        return files.contains(path) || damaged.contains(path);
    }
    std::set<std::string> files;
    std::set<std::string> damaged;  // there, but no whole picture
    std::map<std::string, PictureSize> sizes;
    std::vector<std::string> requested;
};
