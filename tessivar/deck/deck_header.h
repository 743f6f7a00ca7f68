#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "csv.h"
#include "deck.h"

// A deck file's header row: the names of its columns, which may stand in any
// order, in any case, with blanks around them.

// The deck's column that a header's name names, if any.
std::optional<DeckColumn> ColumnNamed(std::string_view name);

// The separator of comma, semicolon and tab that makes the most of the header
// row's fields name the deck's columns; a comma when none does.
char SeparatorOf(std::string_view text);

// Where the header row puts each of the deck's columns.
struct DeckHeader {
    std::array<std::size_t, kDeckColumns> at{};
    std::size_t fields = 0;
    bool present = false;  // the first row names columns at all
    std::vector<std::string> problems;
};

DeckHeader ReadHeader(const CsvRecord& record);
