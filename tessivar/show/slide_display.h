#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "slide_show.h"

// The built-in screenshot of a slide, in the folder under the program's
// working directory.
std::filesystem::path ScreenshotPath(const std::filesystem::path& workingDirectory, int slide);

// Loads the current slide's picture into Picture1 and sets InfoBox to the
// screen number and the slide's text, followed by an empty line. Without its
// screenshot the show cannot go on: the student is told which file failed,
// the show is marked to end, and this returns false.
bool ShowSlide(SlideShow& show);

// The clue for the slide on show at the current clue level: ClueLabel's
// caption, and the line that hints at the target first and then points at it.
void ShowClue(SlideShow& show);

// What the student is told on reaching the end with slides not yet passed
// (their indices, in order, as the window numbers its screens).
std::string UnfinishedText(const std::vector<int>& slidesToDo);

// "Score =" and the score that the penalty leaves of the full score.
inline constexpr int kFullScore = 100;
std::string ScoreCaption(std::int64_t penalty);
