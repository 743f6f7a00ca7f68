#include "deck_link.h"

#include "deck.h"
#include "slide_table.h"

bool PlainDeckName(std::string_view name) {
    // An address would read what follows these as a query or a fragment.
    return PlainFileName(name) && name.find_first_of("?#") == std::string_view::npos;
}

std::optional<std::string> DeckLinkProblem(std::string_view name) {
    if (PlainDeckName(name)) return std::nullopt;
    return std::string(
               "Tessivar plays only a deck in a folder beside this page, named without "
               "any path or address:") +
           LineBreak + std::string(name);
}
