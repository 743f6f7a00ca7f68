#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "image_source.h"
#include "message_boxes.h"
#include "slide.h"
#include "slide_form.h"

inline constexpr char kProgramName[] = "Tessivar";

// Where the show's pictures are; asked afresh for every picture it loads.
using PictureFolder = std::function<std::filesystem::path()>;

// The built-in show's folder under the program's working directory.
inline std::filesystem::path ScreenshotFolder(const std::filesystem::path& workingDirectory) {
    return workingDirectory / kScreenshotFolder;
}
inline std::filesystem::path CurrentScreenshotFolder() {
    return ScreenshotFolder(std::filesystem::current_path());
}

// How a show went: its score and each slide's wrong clicks, in slide order.
struct ShowResult {
    std::int64_t score = 0;
    std::vector<std::int64_t> wrongClicks;
};

// The whole slide show: its table, its window's controls, where the student
// stands and the services the handlers use. Every handler takes it by reference.
struct SlideShow {
    SlideShow(MessageBoxes& messages, ImageSource& images,
              PictureFolder folder = CurrentScreenshotFolder,
              std::vector<Slide> deck = BuiltInSlides())
        : messages(messages), images(images), folder(std::move(folder)), deck(std::move(deck)) {}

    MessageBoxes& messages;
    ImageSource& images;
    PictureFolder folder;
    std::vector<Slide> deck;  // what the show plays, once the window loads
    // Told at the end of each show, before the student sees the score; what
    // it returns, when it could not keep the result, the student is told.
    std::function<std::optional<std::string>(const ShowResult&)> showEnded;

    std::vector<Slide> slides;  // filled when the window loads
    SlideForm form = MakeSlideForm();
    int firstSlide = 0;  // where the show opens
    int SlideIndex = 0;
    // Releases on the picture since the current slide was reached by a correct click.
    std::int64_t ClueLevel = 0;
    // The score shown is 100 less this.
    std::int64_t Penalty = 0;
    // Wrong clicks on each slide since the show started.
    std::vector<std::int64_t> wrongClicks;
    // Non-zero once a screenshot could not be loaded: the program must end
    // with this status.
    int exitCode = 0;
};
