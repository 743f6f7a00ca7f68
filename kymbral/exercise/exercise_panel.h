#pragma once

#include <string>
#include <vector>

#include "exercise_run.h"

// The panel beside the console window, as texts that both views show: the
// task's number in the set, what it asks, the time left, the boxes its answer
// is typed in, the one button, what the last check found and the points.
struct ExercisePanel {
    std::string heading{};
    std::string task{};
    std::string timeLeft{};
    std::vector<std::string> answers{};  // the boxes' labels; none when nothing is typed
    std::string action{};                // the button's caption; empty once the set is over
    std::string verdict{};
    std::string points{};
    bool operator==(const ExercisePanel&) const = default;
};

ExercisePanel PanelOf(const ExerciseRun& run);
