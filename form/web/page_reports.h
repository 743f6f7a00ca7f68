#pragma once

#include <functional>
#include <string>

#include "json_out.h"
#include "reports.h"

// The reports as events for the page (JSON), which hands them on to a
// learning platform when it runs inside one and drops them otherwise.
class PageReports : public Reports {
  public:
    using Send = std::function<void(const std::string& event)>;
    explicit PageReports(Send send) : send_(std::move(send)) {}

    // A show's position is kept for the next launch under its deck's key.
    void SetDeckKey(std::string key) { deckKey_ = std::move(key); }

    void ShowStands(const ShowPosition& position) override;
    std::optional<std::string> ShowFinished(const ShowResult& result) override;
    void ScrambleAnswered(const ScrambleAnswer& answer) override;
    void TaskJudged(const TaskRecord& record) override;
    void ExerciseStands(const ExercisePosition& position) override;
    std::optional<std::string> ExercisesFinished(const ExerciseResult& result) override;

  private:
    JsonOut& Start(const char* event);
    void Finish();

    Send send_;
    std::string deckKey_;
    JsonOut out_;
};
