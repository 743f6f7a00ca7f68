#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// A deck is a folder of screenshots with a deck file beside them: one row per
// slide, in show order, that an instructor writes or a spreadsheet saves.
inline constexpr char kDeckFileName[] = "deck.csv";

// A target on a picture, in the picture's own pixels.
struct TargetRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool operator==(const TargetRect&) const = default;
};

struct DeckSlide {
    std::string picture;  // a file name in the deck's folder
    std::string text;     // lines separated by carriage returns alone
    TargetRect target;
    bool operator==(const DeckSlide&) const = default;
};

using Deck = std::vector<DeckSlide>;

// A deck file as read: the rows that read well, the line each starts on, and
// what is wrong with the others.
struct DeckReading {
    Deck deck;
    std::vector<int> lines;
    std::vector<std::string> problems;
};

// The student is shown this many problems at once, the first in the file.
inline constexpr std::size_t kMostProblems = 10;

DeckReading ReadDeck(std::string_view text);
// The file's text: a byte-order mark (for spreadsheets that need one to know
// UTF-8), the header row, then the slides.
std::string WriteDeck(const Deck& deck);

// A file name alone: nothing that could lead out of the deck's folder.
bool PlainFileName(std::string_view name);

// Adds "deck.csv line N: what" to the problems unless there are enough already.
void AddProblem(std::vector<std::string>& problems, int line, const std::string& what);
// The line a problem names; 0 for a problem of the whole file.
int ProblemLine(const std::string& problem);
