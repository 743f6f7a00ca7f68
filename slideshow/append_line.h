#pragma once

#include <filesystem>
#include <string_view>

// Adds the line at the end of the file, creating it if need be, in one write
// that the system keeps whole even when another process appends at the same
// time. Never truncates or rewrites what is there. False when it failed.
bool AppendLine(const std::filesystem::path& file, std::string_view line);
