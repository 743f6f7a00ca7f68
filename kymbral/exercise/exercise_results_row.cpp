#include "exercise_results_row.h"

#include <cmath>

#include "csv.h"

std::string ExerciseResultsHeader() {
    return CsvLine({"finished", "exercise set", "score", "result", "each task"});
}

std::string ExerciseResultRow(std::string_view when, std::string_view set,
                              const ExerciseResult& result) {
    std::vector<std::string> fields = {std::string(when), std::string(set),
                                       std::to_string(result.score),
                                       result.passed ? "passed" : "not passed"};
    for (const TaskRecord& task : result.tasks) {
        fields.push_back((task.right ? "right in " : "wrong in ") +
                         std::to_string(std::lround(task.seconds)) + " s");
    }
    return CsvLine(fields);
}
