#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

enum class ScormVersion { Scorm12, Scorm2004 };

// A course package of one program: one SCO, its launch page and every file
// that page needs.
struct CoursePackage {
    std::string identifier{};  // tells the package from others on a platform
    std::string title{};       // as the course shows it
    std::string launch{};      // the launch page, one of the files
    // What the launch page's address tells it: name and value, such as the
    // deck that Tessivar plays.
    std::vector<std::pair<std::string, std::string>> launchParameters{};
    // The score in percent that passes, for a program that scores.
    std::optional<int> masteryScore{};
    std::vector<std::string> files{};  // relative, '/' between folders
};

// imsmanifest.xml of the package, in the given version (SCORM 2004 as its
// 4th Edition).
std::string Manifest(const CoursePackage& package, ScormVersion version);

// The launch page's address in the package, with its parameters.
std::string LaunchHref(const CoursePackage& package);

// A file name as the manifest's href: each byte outside the unreserved
// characters and '/' percent-encoded.
std::string Href(const std::string& file);
