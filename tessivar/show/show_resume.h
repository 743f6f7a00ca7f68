#pragma once

#include <string>
#include <vector>

#include "slide_show.h"

// Where the show stands: the slide on show, the penalty, the clue level and
// each slide's record.
ShowPosition PositionOf(const SlideShow& show);

// After the window loads and before it first shows: the show opens where a
// position of this deck left it, with its penalty on the score label and its
// clue on show, so that the next click costs what it would have cost had the
// student stayed. The position must fit the deck (one record per slide).
void ResumeShow(SlideShow& show, const ShowPosition& position);

// A short text that tells one deck from another: it changes with any
// picture, text or target.
std::string DeckKey(const std::vector<Slide>& slides);
