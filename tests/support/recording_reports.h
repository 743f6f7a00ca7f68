#pragma once

#include <optional>
#include <string>
#include <vector>

#include "reports.h"

// Records every report instead of sending it anywhere.
class RecordingReports : public Reports {
  public:
    void ShowStands(const ShowPosition& position) override { positions.push_back(position); }
    std::optional<std::string> ShowFinished(const ShowResult& result) override {
        results.push_back(result);
        return notKept;
    }
    void ScrambleAnswered(const ScrambleAnswer& answer) override { games.push_back(answer); }
    void TaskJudged(const TaskRecord& record) override { tasks.push_back(record); }
    void ExerciseStands(const ExercisePosition& position) override {
        exercisePositions.push_back(position);
    }
    std::optional<std::string> ExercisesFinished(const ExerciseResult& result) override {
        exerciseResults.push_back(result);
        return notKept;
    }

    std::vector<ShowPosition> positions;
    std::vector<ShowResult> results;
    std::vector<ScrambleAnswer> games;
    std::vector<TaskRecord> tasks;
    std::vector<ExercisePosition> exercisePositions;
    std::vector<ExerciseResult> exerciseResults;
    std::optional<std::string> notKept;  // the answer to each finished show or set
};
