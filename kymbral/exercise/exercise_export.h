#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "exercise_set.h"

// What the exercise author page writes for an instructor: the set's file,
// or a course package of Kymbral that runs it on a learning platform. Only a
// set that Kymbral would run leaves the page.

// The page names its download buttons by this enum (its codes are made from it).
enum class ExerciseExportKind { kSet, kScorm12, kScorm2004 };

struct ExerciseExport {
    std::vector<std::string> problems;  // why nothing is written
    std::string fileName;
    std::string bytes;
};

// `text`: the set as the page wrote it; `builtPackage`: a course package of
// Kymbral that the build made, whose page files the set's package takes over.
ExerciseExport ExportExercises(std::string_view text, ExerciseExportKind kind,
                               std::string_view builtPackage = {});
