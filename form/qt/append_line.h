#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

// Adds the line at the end of the file: after `header` when the file is new
// or empty, on a line of its own when the last line lacks its break. It goes
// in one write, under a lock that other Tessivar windows appending at the
// same time wait for; nothing else in the file is ever rewritten. When it
// fails, nothing of it stays in the file: returns why it failed.
std::optional<std::string> AppendLine(const std::filesystem::path& file, std::string_view header,
                                      std::string_view line);
