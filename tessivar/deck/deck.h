#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "plain_file_name.h"
#include "sheet_columns.h"

// A deck is a folder of screenshots with a deck file beside them: one row per
// slide, in show order, that an instructor writes or a spreadsheet saves.
inline constexpr char kDeckFileName[] = "deck.csv";

// The columns that the header row names, in any order, as it writes them.
enum DeckColumn { kPicture, kText, kLeft, kTop, kWidth, kHeight, kDeckColumns };
inline constexpr std::string_view kColumnNames[kDeckColumns] = {"picture", "text",  "left",
                                                                "top",     "width", "height"};

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

// A row of a deck file as read: its fields as the file holds them, in its
// column order, and either the slide it gives or why it gives none. A tool
// that writes the file back keeps what it does not use.
struct DeckRow {
    int line = 0;  // where it starts
    std::vector<std::string> fields{};
    std::string source{};  // its text in the file, when broken quoting leaves no fields
    std::optional<DeckSlide> slide{};
    std::vector<std::string> problems{};
};

// A deck file as read: the slides with the line each starts on, what is wrong
// with the rest (at most kMostProblems, the first in the file), the header's
// names as written (none without a header row) and every row after it.
struct DeckReading {
    Deck deck;
    std::vector<int> lines;
    std::vector<std::string> problems;
    std::vector<std::string> columns;
    std::vector<DeckRow> rows;
    // False when the file is not text that can be read: nothing may write over it.
    bool decoded = true;
};

// The student is shown this many problems at once, the first in the file.
inline constexpr std::size_t kMostProblems = 10;

// Reads the file's bytes: UTF-8 or UTF-16 text, its values separated by
// commas, semicolons or tabs (as the header row shows), its columns found by
// the header's names.
DeckReading ReadDeck(std::string_view bytes);

// The file's text: a byte-order mark (for spreadsheets that need one to know
// UTF-8), the header row, then the slides, comma separated.
std::string WriteDeck(const Deck& deck);
// A header row to write: the names as read, then those of the deck's columns
// they lack.
std::vector<std::string> WritingColumns(const std::vector<std::string>& columns);
// The start of the file, with its header row `columns`.
std::string HeaderLine(const std::vector<std::string>& columns);
// A slide's line under that header: its values in their columns, the fields
// the row had before in the others.
std::string SlideLine(const DeckSlide& slide, const std::vector<std::string>& columns,
                      std::vector<std::string> fields = {});

// The name in quotes, so that blanks at its ends can be seen.
std::string Quoted(std::string_view name);

// "deck.csv line N".
std::string DeckLine(int line);
// Adds "PLACE: what" to the problems unless there are enough already.
void AddProblem(std::vector<std::string>& problems, const std::string& place,
                const std::string& what);
// The line a problem names; 0 for a problem of the whole file.
int ProblemLine(const std::string& problem);
