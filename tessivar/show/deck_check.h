#pragma once

#include <cstddef>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "image_source.h"
#include "slide.h"

// A deck ready to play, or what keeps it from playing (at most ten problems,
// the first in the deck, each with its place).
struct OpenedDeck {
    std::vector<Slide> slides;
    std::vector<std::string> problems;
};

// Told how many of the deck's pictures are checked, of how many: none before
// the check, then after each picture, and all of them when it ends. A view
// shows it when checking takes long.
using CheckProgress = std::function<void(std::size_t done, std::size_t total)>;

// Checks the slides whole before the show starts: every picture in `folder`
// (named as one of the picture formats, there, decoded whole, checked once
// however many slides show it) and every target (on its picture, where the
// texts over the picture leave it to be clicked). `places` names each slide
// in the problems: "deck.csv line 7", "slide 3".
OpenedDeck CheckDeck(const Deck& deck, const std::vector<std::string>& places,
                     const std::filesystem::path& folder, ImageSource& images,
                     const CheckProgress& progress = {});

// Reads a deck file's bytes and checks it whole. Nothing a deck file holds
// makes this fail otherwise.
OpenedDeck OpenDeck(std::string_view deckBytes, const std::filesystem::path& folder,
                    ImageSource& images, const CheckProgress& progress = {});

// A whole file's bytes, or nothing when it cannot be read.
using FileReader = std::function<std::optional<std::string>(const std::filesystem::path&)>;
std::optional<std::string> ReadWholeFile(const std::filesystem::path& file);

// The same for the deck file in `folder`, read with `read`.
OpenedDeck OpenDeckFolder(const std::filesystem::path& folder, ImageSource& images,
                          const FileReader& read = ReadWholeFile,
                          const CheckProgress& progress = {});

// What is said of a picture that is there but does not decode whole.
std::string DamagedPicture(const std::string& picture);

// The problems as one message, one to a line.
std::string ProblemsText(const std::vector<std::string>& problems);
