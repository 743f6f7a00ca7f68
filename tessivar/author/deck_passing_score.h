#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "author_deck.h"
#include "deck.h"

// The passing score of a deck's course packages goes with the deck: a column
// of deck.csv of its own, which the show's reading leaves alone, holding the
// score in every slide's row, so that sorting the rows in a spreadsheet keeps it.

inline constexpr std::string_view kPassingScoreColumn = "passing score";
// The score of a deck that does not keep one.
inline constexpr int kDefaultPassingScore = 80;

bool IsPassingScore(int score);

// The score that the deck file keeps: in the first slide's row that holds one.
int PassingScoreIn(const DeckReading& reading);

// The deck file's text (as AuthorDeckText) with `score` in its column.
std::string ScoredDeckText(const std::vector<std::string>& columns, const AuthorList& list,
                           int score);
