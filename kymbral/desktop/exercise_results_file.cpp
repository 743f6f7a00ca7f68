#include "exercise_results_file.h"

#include "append_line.h"
#include "exercise_results_row.h"
#include "results_place.h"

std::optional<std::string> AppendedExerciseResults::ExercisesFinished(
    const ExerciseResult& result) {
    std::optional<std::string> failed =
        AppendLine(file_, ExerciseResultsHeader(), ExerciseResultRow(FinishedAt(), set_, result));
    if (!failed) return std::nullopt;
    return "Kymbral could not write your result to\r" + file_.string() + "\r(" + *failed +
           ").\r\rPlease tell your instructor.";
}
