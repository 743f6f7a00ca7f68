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
    void SampleAnswered(const SampleAnswer& answer) override { samples.push_back(answer); }

    std::vector<ShowPosition> positions;
    std::vector<ShowResult> results;
    std::vector<ScrambleAnswer> games;
    std::vector<SampleAnswer> samples;
    std::optional<std::string> notKept;  // the answer to each finished show
};
