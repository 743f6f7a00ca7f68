#include "exercise_panel.h"

#include <cmath>

#include "task_text.h"

namespace {

// Minutes and seconds, counted down in whole seconds.
std::string Clock(double seconds) {
    long whole = static_cast<long>(std::ceil(std::max(0.0, seconds)));
    std::string tens = whole % 60 < 10 ? "0" : "";
    return std::to_string(whole / 60) + ":" + tens + std::to_string(whole % 60);
}

std::string TimeLeft(const ExerciseRun& run, const Task& task) {
    if (run.Judged()) return "";
    if (task.minutes <= 0) return "No time limit";
    double left = task.minutes * 60 - run.Elapsed();
    return left > 0 ? "Time left: " + Clock(left) : "Time is up";
}

}  // namespace

ExercisePanel PanelOf(const ExerciseRun& run) {
    const ExerciseSet& set = run.Set();
    std::string points = std::to_string(run.PointsWon()) + " of " + std::to_string(PointsSet(set));
    if (run.Finished()) {
        bool passed = run.Score() >= set.passingScore;
        return {.heading = "Exercises done",
                .task = "Every task has been tried.",
                .verdict = run.Verdict(),
                .points = "Score: " + std::to_string(run.Score()) + " of 100 (points " + points +
                          "; " + std::to_string(set.passingScore) +
                          " to pass): " + (passed ? "passed" : "not passed")};
    }
    const Task& task = set.tasks[static_cast<std::size_t>(run.TaskOnHand())];
    return {.heading = "Task " + std::to_string(run.TaskOnHand() + 1) + " of " +
                       std::to_string(set.tasks.size()),
            .task = TaskText(task),
            .timeLeft = TimeLeft(run, task),
            .answers = run.Judged() ? std::vector<std::string>{} : AnswerLabels(task),
            // Judging the last task ends the set: a judged task has one after it.
            .action = run.Judged() ? "Next task" : "Check",
            .verdict = run.Verdict(),
            .points = "Points: " + points};
}
