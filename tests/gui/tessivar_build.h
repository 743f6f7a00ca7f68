#pragma once

#include <filesystem>

// The build folder, where the screenshots are drawn: Tessivar's working
// directory when it runs from there.
inline std::filesystem::path TessivarBuildDir() {
    return std::filesystem::path(TESSIVAR_SCREENSHOT_DIR).parent_path();
}
