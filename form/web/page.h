#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "image_source.h"

// The page's side of the binding, as C++ calls it. The waits return to the
// browser until the page resolves them; handlers above them do not notice.
namespace page {

// Hands the page the changes of the control models (JSON from WebForm).
void Apply(const std::string& changes);
// A modal message box; returns when the user closes it.
void ShowMessage(const std::string& title, const std::string& text);
// Decodes a picture's bytes, kept for drawing under its path; its size, or
// nothing when the browser cannot decode it.
std::optional<PictureSize> DecodePicture(const std::string& path, std::string_view bytes);
// The bytes of a file beside the page (or, for a deck tried in the author
// page, of a file chosen there); nothing when it cannot be had.
std::optional<std::string> FetchFile(const std::filesystem::path& path);
// How a deck's check goes: `done` of `total` pictures; the page shows it
// when it takes long.
void ShowProgress(std::size_t done, std::size_t total);
// A parameter of the page's address (?name=value), decoded; nothing without it.
std::optional<std::string> AddressParameter(const std::string& name);
// Gives the browser the given time to paint and run its timers.
void Sleep(int milliseconds);
// The program cannot go on: the page takes no more input and shows why.
void Stop(const std::string& why);
// Starts fetching the file likely to be asked for next.
void FetchAhead(const std::filesystem::path& path);
// Seconds since midnight by the page's clock.
double TimeOfDay();
// What the student did (JSON from PageReports), for the learning platform
// the page runs in, if any.
void Report(const std::string& event);
// A panel beside the window (an exercise set's): its texts as JSON, shown
// in place of what it showed before.
void ShowPanel(const std::string& panel);
// What the platform kept at the end of the last launch for a resume, when
// it launches the page to resume; nothing otherwise.
std::optional<std::string> ResumeData();
// Who the student is to the platform the page runs in (its learner id);
// nothing outside a platform.
std::optional<std::string> LearnerId();

}  // namespace page
