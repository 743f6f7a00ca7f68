#pragma once

#include <filesystem>

#include "author_deck.h"
#include "deck_check.h"

// The deck as the instructor's list has it, checked as the show would check
// it once saved: rows that did not read, a deck without slides, and every
// slide's picture and target; slides are named as the list numbers them.
OpenedDeck CheckAuthorList(const AuthorList& list, const std::filesystem::path& folder,
                           ImageSource& images, const CheckProgress& progress = {});
