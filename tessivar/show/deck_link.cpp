#include "deck_link.h"

#include "deck.h"
#include "slide_table.h"

bool PlainDeckName(std::string_view name) {
    return PlainLinkedName(name);
}

std::optional<std::string> DeckLinkProblem(std::string_view name) {
    if (PlainDeckName(name)) return std::nullopt;
    return std::string(
               "Tessivar plays only a deck in a folder beside this page, named without "
               "any path or address:") +
           LineBreak + std::string(name);
}
