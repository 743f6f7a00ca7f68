#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// One slide's part in a show: the wrong clicks made on it, the points it
// cost (its share of the penalty, so that the shares add up to it), the
// seconds it was on show, and whether its own correct click passed it.
struct SlideRecord {
    std::int64_t wrongClicks = 0;
    std::int64_t cost = 0;
    double seconds = 0;
    bool passed = false;
    bool operator==(const SlideRecord&) const = default;
};

// Where a slide show stands after a click: all that a later resume needs to
// go on as if the student had stayed. One record per slide, in slide order.
struct ShowPosition {
    int slide = 0;
    std::int64_t penalty = 0;
    std::int64_t clueLevel = 0;
    std::vector<SlideRecord> slides;
    bool operator==(const ShowPosition&) const = default;
};

// How a finished show went: its score and each slide's record, in slide order.
struct ShowResult {
    std::int64_t score = 0;
    std::vector<SlideRecord> slides;
    bool operator==(const ShowResult&) const = default;
};

// An answered scramble game: its level (1 to 3), the seconds from its start
// to the answer, and whether the lock was back.
struct ScrambleAnswer {
    int level = 0;
    double seconds = 0;
    bool won = false;
    bool operator==(const ScrambleAnswer&) const = default;
};

// A task of an exercise set, judged: its number in the set (from 1), its
// kind, what was asked and what the student gave (as short texts), right or
// wrong, the seconds it took and the points it weighs.
struct TaskRecord {
    int task = 0;
    std::string kind{};
    std::string description{};
    std::string answer{};
    std::string expected{};
    bool right = false;
    double seconds = 0;
    int points = 0;
    bool operator==(const TaskRecord&) const = default;
};

// Where an exercise set stands: the task on hand (from 0) and the text that
// a later resume goes on from.
struct ExercisePosition {
    int task = 0;
    std::string resume{};
    bool operator==(const ExercisePosition&) const = default;
};

// How a finished set went: the points won of the points set, as a score of
// 100, against the set's passing score; one record a task, in set order.
struct ExerciseResult {
    int score = 0;
    bool passed = false;
    std::vector<TaskRecord> tasks{};
    bool operator==(const ExerciseResult&) const = default;
};

// What a student did, told in the programs' own terms. Where it goes is the
// implementation's business (a results file, a learning platform); this one
// keeps nothing, as the desktop simulator and a page outside a platform do.
class Reports {
  public:
    virtual ~Reports() = default;
    virtual void ShowStands(const ShowPosition&) {}
    // Answers what the student must be told when the result could not be kept.
    virtual std::optional<std::string> ShowFinished(const ShowResult&) { return std::nullopt; }
    virtual void ScrambleAnswered(const ScrambleAnswer&) {}
    virtual void TaskJudged(const TaskRecord&) {}
    virtual void ExerciseStands(const ExercisePosition&) {}
    // Answers what the student must be told when the result could not be kept.
    virtual std::optional<std::string> ExercisesFinished(const ExerciseResult&) {
        return std::nullopt;
    }
};
