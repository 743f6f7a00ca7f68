#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "image_source.h"

// The page's side of the binding, as C++ calls it. The waits return to the
// browser until the page resolves them; handlers above them do not notice.
namespace page {

// Hands the page the changes of the control models (JSON from WebForm).
void Apply(const std::string& changes);
// A modal message box; returns when the user closes it.
void ShowMessage(const std::string& title, const std::string& text);
// Fetches and decodes a picture beside the page, kept for drawing under its
// path; its size, or nothing when it is missing or damaged.
std::optional<PictureSize> LoadPicture(const std::string& path);
// The bytes of a file beside the page; nothing when it cannot be fetched.
std::optional<std::string> FetchFile(const std::filesystem::path& path);
// A parameter of the page's address (?name=value), decoded; nothing without it.
std::optional<std::string> AddressParameter(const std::string& name);
// Gives the browser the given time to paint and run its timers.
void Sleep(int milliseconds);
// The program cannot go on: the page takes no more input and shows why.
void Stop(const std::string& why);
// Fetches ahead the picture likely to be loaded next.
void PrefetchPicture(const std::string& path);
// Seconds since midnight by the page's clock.
double TimeOfDay();

}  // namespace page
