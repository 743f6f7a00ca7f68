#pragma once

#include <cstdint>
#include <filesystem>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "fake_image_source.h"
#include "recording_messages.h"
#include "slide_handlers.h"
#include "tessivar_model.h"

struct TessivarOutcome {
    std::string_view handler;
    std::string detail;
    std::vector<std::string> problems;
};

// Drives the slide show with random releases and moves anywhere on and far
// off the picture, and holds it to the model of the show after each one.
class TessivarDriver {
  public:
    explicit TessivarDriver(std::uint64_t seed);
    TessivarOutcome Step();

  private:
    int AnyButton();
    void Release(TessivarOutcome& out);
    void Move(TessivarOutcome& out);
    void CheckShow(TessivarOutcome& out) const;
    void CheckClueLine(TessivarOutcome& out) const;
    void CheckMessages(std::size_t before, TessivarOutcome& out) const;

    std::mt19937_64 random_;
    RecordingMessages messages_;
    FakeImageSource images_;
    std::filesystem::path workingDirectory_ = "/home/student/nmr";
    SlideShow show_{messages_, images_, [this] { return ScreenshotFolder(workingDirectory_); }};
    TessivarModel model_{show_.slides};
    bool lost_ = false;
};
