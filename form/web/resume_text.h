#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "reports.h"

// Where a show stands, as the text a learning platform keeps for the next
// launch (its suspend data), tied to one deck by the deck's key.
std::string ResumeText(const ShowPosition& position, std::string_view deckKey);

// The position that the text holds when it is whole, of the deck with this
// key, and fits that deck's slides; nothing otherwise.
std::optional<ShowPosition> ReadResume(std::string_view text, std::string_view deckKey,
                                       std::size_t slideCount);
