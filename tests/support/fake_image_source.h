#pragma once

#include <set>
#include <string>
#include <vector>

#include "image_source.h"

// Pictures kept in memory by path; every request is recorded.
class FakeImageSource : public ImageSource {
  public:
    bool CanLoad(const std::string& path) override {
        requested.push_back(path);
        return files.contains(path);
    }
    std::set<std::string> files;
    std::vector<std::string> requested;
};
