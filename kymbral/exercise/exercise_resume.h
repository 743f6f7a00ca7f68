#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "reports.h"

// Where an exercise set stands, as a learning platform keeps it for the next
// launch: the task on hand, the seconds used on it and each task's outcome
// so far, tied to one set by its key.
struct ExerciseResume {
    int task = 0;
    double used = 0;
    std::vector<std::optional<TaskRecord>> records;  // one a task; none where not yet tried
    bool operator==(const ExerciseResume&) const = default;
};

std::string ExerciseResumeText(const ExerciseResume& resume, std::string_view setKey);
// Kept of each record: right or wrong and its seconds (to a tenth); the rest
// the set gives again. Nothing when the text is not whole, of another set, or
// does not fit `taskCount` tasks.
std::optional<ExerciseResume> ReadExerciseResume(std::string_view text, std::string_view setKey,
                                                 std::size_t taskCount);
