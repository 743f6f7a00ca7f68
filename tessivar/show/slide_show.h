#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "clock.h"
#include "image_source.h"
#include "message_boxes.h"
#include "reports.h"
#include "slide.h"
#include "slide_form.h"

namespace tessivar {
inline constexpr char kProgramName[] = "Tessivar";
}  // namespace tessivar

// Where the show's pictures are; asked afresh for every picture it loads.
using PictureFolder = std::function<std::filesystem::path()>;

// The built-in show's folder under the program's working directory.
inline std::filesystem::path ScreenshotFolder(const std::filesystem::path& workingDirectory) {
    return workingDirectory / kScreenshotFolder;
}
inline std::filesystem::path CurrentScreenshotFolder() {
    return ScreenshotFolder(std::filesystem::current_path());
}

// The whole slide show: its table, its window's controls, where the student
// stands and the services the handlers use. Every handler takes it by reference.
struct SlideShow {
    SlideShow(MessageBoxes& messages, ImageSource& images, Clock& clock, Reports& reports,
              PictureFolder folder = CurrentScreenshotFolder,
              std::vector<Slide> deck = BuiltInSlides())
        : messages(messages),
          images(images),
          clock(clock),
          reports(reports),
          folder(std::move(folder)),
          deck(std::move(deck)) {}

    MessageBoxes& messages;
    ImageSource& images;
    Clock& clock;  // times each slide for the reports
    // Told where the show stands after every click, and each show's result
    // before the student sees the score.
    Reports& reports;
    PictureFolder folder;
    std::vector<Slide> deck;  // what the show plays, once the window loads

    std::vector<Slide> slides;  // filled when the window loads
    SlideForm form = MakeSlideForm();
    int firstSlide = 0;  // where the show opens
    int SlideIndex = 0;
    // Releases on the picture since the current slide was reached by a correct click.
    std::int64_t ClueLevel = 0;
    // The score shown is 100 less this.
    std::int64_t Penalty = 0;
    // Each slide's wrong clicks, cost, time and pass in this round of the
    // show; a round ends when every slide is passed and the score is given.
    std::vector<SlideRecord> records;
    float shownSince = 0;  // clock reading when the current slide came on show
    // Non-zero once a screenshot could not be loaded: the program must end
    // with this status.
    int exitCode = 0;
};
