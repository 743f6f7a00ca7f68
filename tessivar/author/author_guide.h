#pragma once

#include <cstddef>
#include <optional>
#include <string>

#include "author_deck.h"
#include "image_source.h"

// The words of the instructor's window, for any view of it: the line over
// the picture that says what to do next or what is wrong, and the list's
// name for each entry.

struct AuthorView {
    std::string folder;  // the deck's folder, as the instructor knows it
    bool folderExists = true;
    // Why deck.csv is not written over, when it is there but cannot be read.
    std::string unreadable;
    const AuthorList& list;
    int chosen = -1;  // the entry shown; -1 for none
    // The chosen entry's picture, when it could be read.
    std::optional<PictureSize> picture{};
    // The pictures are files chosen in a browser, not a folder's.
    bool chosenFiles = false;
};

std::string AuthorGuide(const AuthorView& view);

// "3. a.png" for a slide, "b.png (not in the deck)" for a picture, "Not
// read: why" for a row; " (missing)" after a slide whose picture is not
// there, " (no text)" after one without a text.
std::string EntryLabel(const AuthorList& list, std::size_t index, bool missing);

// A row that did not read, as the file holds it.
std::string RowText(const AuthorEntry& entry);
