#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>

#include "image_source.h"
#include "message_boxes.h"
#include "slide_form.h"
#include "slide_table.h"

inline constexpr char kProgramName[] = "Tessivar";

// Where the program runs from; asked afresh for every screenshot it loads.
using WorkingDirectory = std::function<std::filesystem::path()>;

inline std::filesystem::path CurrentWorkingDirectory() {
    return std::filesystem::current_path();
}

// The whole slide show: its table, its window's controls, where the student
// stands and the services the handlers use. Every handler takes it by reference.
struct SlideShow {
    SlideShow(MessageBoxes& messages, ImageSource& images,
              WorkingDirectory workingDirectory = CurrentWorkingDirectory)
        : messages(messages), images(images), workingDirectory(std::move(workingDirectory)) {}

    MessageBoxes& messages;
    ImageSource& images;
    WorkingDirectory workingDirectory;

    SlideTable slides{};  // filled when the window loads
    SlideForm form = MakeSlideForm();
    std::int16_t SlideIndex = 0;
    // Releases on the picture since the current slide was reached by a correct click.
    std::int64_t ClueLevel = 0;
    // The score shown is 100 less this.
    std::int64_t Penalty = 0;
    // Non-zero once a screenshot could not be loaded: the program must end
    // with this status.
    int exitCode = 0;
};
