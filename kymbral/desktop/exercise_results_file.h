#pragma once

#include <filesystem>
#include <string>

#include "reports.h"

// Each finished exercise set goes to the end of the results file as one
// line, as Tessivar's shows do; a result that cannot be written is told to
// the student, naming the file and why.
class AppendedExerciseResults : public Reports {
  public:
    AppendedExerciseResults(std::filesystem::path file, std::string set)
        : file_(std::move(file)), set_(std::move(set)) {}

    std::optional<std::string> ExercisesFinished(const ExerciseResult& result) override;

  private:
    std::filesystem::path file_;
    std::string set_;
};
