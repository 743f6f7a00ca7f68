#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "deck.h"

// One entry in the instructor's list: a slide of the deck, a picture of the
// folder that no slide shows yet (it has no target), or a row of the deck
// file that did not read, kept as it was until the instructor removes it.
struct AuthorEntry {
    std::string picture{};
    std::string text{};
    std::optional<TargetRect> target{};
    // The row as the file held it, in its column order: the columns that the
    // window does not change are written back as they were.
    std::vector<std::string> fields{};
    // Why the row did not read, and its text when broken quoting left no
    // fields; empty for slides and pictures.
    std::string problem{};
    std::string source{};
    bool operator==(const AuthorEntry&) const = default;
};

using AuthorList = std::vector<AuthorEntry>;

inline bool IsSlide(const AuthorEntry& entry) {
    return entry.target.has_value();
}
inline bool IsUnreadRow(const AuthorEntry& entry) {
    return !entry.problem.empty();
}

// Every row of the deck file in order, then the pictures that no slide shows.
AuthorList StartAuthoring(const DeckReading& reading, const std::vector<std::string>& pictures);
// The folder's pictures as they are now: those that no entry shows join the
// list; pictures without a slide that are gone leave it.
void ListPictures(AuthorList& list, const std::vector<std::string>& pictures);

// The slides, in list order: the entries that have a target.
Deck DeckOf(const AuthorList& list);
// Where the entry at `index` stands among the slides, or the first slide after it.
std::size_t SlideOf(const AuthorList& list, std::size_t index);
// The deck file's text: the header row as read (with the deck's columns it
// lacks), the slides and the rows that did not read, in list order.
std::string AuthorDeckText(const std::vector<std::string>& columns, const AuthorList& list);

// Moves an entry to another place (a drag) or one place up (-1) or down (+1);
// returns its new place.
std::size_t MoveEntryTo(AuthorList& list, std::size_t from, std::size_t to);
std::size_t MoveEntry(AuthorList& list, std::size_t index, int by);
// Takes a slide out of the deck (its picture stays listed, once) or a row
// that did not read out of the file.
void RemoveEntry(AuthorList& list, std::size_t index);
// Puts a removed entry back at its place, its picture's entry without a
// slide leaving the list: a removal undone.
void RestoreEntry(AuthorList& list, std::size_t index, const AuthorEntry& entry);

// The pictures in the folder, by name, in the formats that the show shows.
std::vector<std::string> PicturesIn(const std::filesystem::path& folder);
