#pragma once

#include <string>
#include <vector>

#include "slide_show.h"

// Where the show stands: the slide on show, the penalty, each slide's wrong
// clicks and time.
ShowPosition PositionOf(const SlideShow& show);

// After the window loads and before it first shows: the show opens where a
// position of this deck left it, with that penalty on the score label and no
// clue yet. The position must fit the deck (one entry per slide).
void ResumeShow(SlideShow& show, const ShowPosition& position);

// A short text that tells one deck from another: it changes with any
// picture, text or target.
std::string DeckKey(const std::vector<Slide>& slides);
