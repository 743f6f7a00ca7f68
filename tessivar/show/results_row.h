#pragma once

#include <string>
#include <string_view>

#include "slide_show.h"

// One line of the results file: when the show ended (ISO 8601), the deck's
// folder, the score, then the wrong clicks on each slide, one column each.
// The header row that starts a new results file.
std::string ResultsHeader();
std::string ResultRow(std::string_view when, std::string_view deck, const ShowResult& result);
