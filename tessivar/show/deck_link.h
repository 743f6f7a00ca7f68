#pragma once

#include <optional>
#include <string>
#include <string_view>

// The web page plays a deck that its address names: only a folder beside the
// page, by its name alone, so that no link can make it load a deck from
// elsewhere. Nothing when `name` is such a name, else what the student is told.
std::optional<std::string> DeckLinkProblem(std::string_view name);
// True for such a name: a folder's name alone that an address keeps whole.
bool PlainDeckName(std::string_view name);
