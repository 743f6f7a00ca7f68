#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string_view>

#include "csv.h"

// A spreadsheet file's header row names its columns, in any order, in any
// case, with blanks around the names; the reader finds each by its name.

// The text without the spaces and tabs around it.
std::string_view WithoutBlanks(std::string_view text);

// Which of `names` (written in lower case) the header's name names, if any.
std::optional<std::size_t> ColumnNamed(std::string_view name,
                                       std::span<const std::string_view> names);

// The separator of comma, semicolon and tab that makes the most of the header
// row's fields name one of `names`; a comma when none does.
char SeparatorOf(std::string_view text, std::span<const std::string_view> names);
