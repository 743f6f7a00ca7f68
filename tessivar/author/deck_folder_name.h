#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// A deck's name is the name of its folder wherever it is unpacked (Windows,
// macOS, Linux) and part of the file names that the page downloads, which
// browsers and file systems keep to 255 bytes.
inline constexpr std::size_t kLongestDeckName = 100;  // bytes of UTF-8

// Why the name cannot be a deck's folder everywhere, or nothing.
std::optional<std::string> DeckNameProblem(std::string_view name);
