#pragma once

#include <filesystem>
#include <string>

#include "reports.h"
#include "results_place.h"

// Each show's result goes to the end of the file as one line, with the time
// it ended and the deck's folder, whatever else writes there; a result that
// cannot be written is told to the student, naming the file and why.
class AppendedResults : public Reports {
  public:
    AppendedResults(std::filesystem::path file, std::string deck)
        : file_(std::move(file)), deck_(std::move(deck)) {}

    std::optional<std::string> ShowFinished(const ShowResult& result) override;

  private:
    std::filesystem::path file_;
    std::string deck_;
};
