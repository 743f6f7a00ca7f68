#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "deck.h"

// One picture in the instructor's list: a slide of the deck, or a picture of
// the folder that no slide shows yet (it has no target).
struct AuthorEntry {
    std::string picture;
    std::string text;
    std::optional<TargetRect> target;
    bool operator==(const AuthorEntry&) const = default;
};

using AuthorList = std::vector<AuthorEntry>;

// The deck's slides in order, then the pictures that no slide shows.
AuthorList StartAuthoring(const Deck& deck, const std::vector<std::string>& pictures);
// The slides, in list order: the entries that have a target.
Deck DeckOf(const AuthorList& list);
// Where the entry at `index` stands among the slides, or the first slide after it.
std::size_t SlideOf(const AuthorList& list, std::size_t index);

// Moves an entry one place up (-1) or down (+1); returns its new place.
std::size_t MoveEntry(AuthorList& list, std::size_t index, int by);
// Takes a slide out of the deck; its picture stays listed, once.
void RemoveEntry(AuthorList& list, std::size_t index);

// The JPEG and PNG pictures in the folder, by name.
std::vector<std::string> PicturesIn(const std::filesystem::path& folder);
