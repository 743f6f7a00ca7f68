#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

// The pieces of a resume text (what a learning platform keeps for the next
// launch): fields separated by semicolons, a field's list items by commas,
// every number plain digits.
inline constexpr char kResumeField = ';';
inline constexpr char kResumeItem = ',';
// Far more than any show or set reaches; also keeps every sum of them exact.
inline constexpr std::int64_t kLargestCount = 1'000'000'000'000;

std::vector<std::string_view> Split(std::string_view text, char separator);
// Plain digits only: no sign, blank or anything after them.
std::optional<std::int64_t> Count(std::string_view text, std::int64_t largest = kLargestCount);
// A list of exactly `size` counts.
std::optional<std::vector<std::int64_t>> Counts(std::string_view text, std::size_t size,
                                                std::int64_t largest = kLargestCount);
