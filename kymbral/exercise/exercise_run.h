#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "exercise_set.h"
#include "kymbral.h"

// A student working through an exercise set beside the console window. Each
// task starts from the program's own games (a scramble, the unknown sample)
// and is judged once: by the game's own answer, or by what the student types
// in the panel and checks. The window's handlers know nothing of it; they
// report their games to it as to any other listener.
class ExerciseRun : public Reports {
  public:
    // `out` is told each judged task, where the set stands and how it ended.
    ExerciseRun(ExerciseSet set, Reports& out);

    // Starts the set on the window's simulator: at its first task, or where a
    // resume text of this set left it, with the time used on that task kept.
    void Begin(Kymbral& k, std::string_view resume = {});
    // The panel's button: checks the task on hand with the answers typed in
    // the panel's boxes, or goes on to the next task once it is judged.
    void Act(const std::vector<std::string>& answers);
    // About once a second: a task whose time is up is judged, and where the
    // set stands is told (so that a resume keeps the time used).
    void Tick();

    void ScrambleAnswered(const ScrambleAnswer& answer) override;

    // Moves on whenever the run may show something new (each of the calls
    // above), so that a view redraws its panel only then, not after every
    // tick of the window's clock.
    int Revision() const { return revision_; }

    const ExerciseSet& Set() const { return set_; }
    int TaskOnHand() const { return task_; }
    // The task on hand is judged, and the next one waits for the button.
    bool Judged() const { return judged_; }
    // Every task is judged.
    bool Finished() const { return task_ >= static_cast<int>(set_.tasks.size()); }
    // Seconds since the task on hand started, its time used before a resume included.
    double Elapsed() const;
    const std::vector<std::optional<TaskRecord>>& Records() const { return records_; }
    // What the student was last told of a check: why it could not be judged,
    // or the verdict.
    const std::string& Verdict() const { return verdict_; }
    // Points won so far, and the score of a finished set.
    int PointsWon() const;
    int Score() const;

  private:
    const Task& OnHand() const { return set_.tasks[static_cast<std::size_t>(task_)]; }
    void StartTask();
    void CheckSample(const std::vector<std::string>& answers);
    void CheckShim();
    void Judge(std::string answer, std::string expected, bool right, std::string verdict);
    bool TimeIsUp() const;
    void TellPosition();

    ExerciseSet set_;
    std::string key_;  // ties a resume text to this set
    Reports& out_;
    Kymbral* k_ = nullptr;
    int task_ = 0;
    int revision_ = 0;
    bool judged_ = false;
    float started_ = 0;  // by the simulator's clock
    std::vector<std::optional<TaskRecord>> records_;
    std::string verdict_;
    std::vector<std::int16_t> lockSettings_;  // a shim task's, as it started
};
