#pragma once

#include <string>
#include <string_view>

#include "reports.h"

// One line of the results file for a finished exercise set: when it ended
// (ISO 8601), the set's file, the score, passed or not, then each task's
// outcome and seconds ("right in 95 s"), one column each.
std::string ExerciseResultsHeader();
std::string ExerciseResultRow(std::string_view when, std::string_view set,
                              const ExerciseResult& result);
