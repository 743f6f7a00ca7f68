#pragma once

#include <optional>
#include <string>
#include <vector>

enum class ScormVersion { Scorm12, Scorm2004 };

// A course package of one program: one SCO, its launch page and every file
// that page needs.
struct CoursePackage {
    std::string identifier;  // tells the package from others on a platform
    std::string title;       // as the course shows it
    std::string launch;      // the launch page, one of the files
    // The score in percent that passes, for a program that scores.
    std::optional<int> masteryScore;
    std::vector<std::string> files;  // relative, '/' between folders
};

// imsmanifest.xml of the package, in the given version (SCORM 2004 as its
// 4th Edition).
std::string Manifest(const CoursePackage& package, ScormVersion version);

// A file name as the manifest's href: each byte outside the unreserved
// characters and '/' percent-encoded.
std::string Href(const std::string& file);
