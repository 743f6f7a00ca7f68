#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "image_source.h"
#include "slide.h"

// A deck ready to play, or what keeps it from playing (at most ten problems,
// the first in the file, each with its line).
struct OpenedDeck {
    std::vector<Slide> slides;
    std::vector<std::string> problems;
};

// Reads a deck file's text and checks it whole before the show starts: every
// row, and every picture in `folder` (it exists, decodes whole and holds its
// target). Nothing a deck file holds makes this fail otherwise.
OpenedDeck OpenDeck(std::string_view deckText, const std::filesystem::path& folder,
                    ImageSource& images);

// A whole file's bytes, or nothing when it cannot be read.
using FileReader = std::function<std::optional<std::string>(const std::filesystem::path&)>;
std::optional<std::string> ReadWholeFile(const std::filesystem::path& file);

// The same for the deck file in `folder`, read with `read`.
OpenedDeck OpenDeckFolder(const std::filesystem::path& folder, ImageSource& images,
                          const FileReader& read = ReadWholeFile);

// The problems as one message, one to a line.
std::string ProblemsText(const std::vector<std::string>& problems);
