#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// An exercise set: tasks an instructor writes in a spreadsheet and saves as
// exercises.csv, one row a task, its columns found by their header names.
inline constexpr char kExercisesFileName[] = "exercises.csv";

// What a task asks of the student.
enum class TaskKind {
    Lock,    // lock the magnet again after the scramble of a game level
    Sample,  // find the hidden sample's 90-degree pulse, T1 and T2
    Shim,    // shim from scrambled shims to a lock level, the lock settings left alone
};
inline constexpr std::array<std::string_view, 3> kTaskKindNames = {"lock", "sample", "shim"};
std::string_view KindName(TaskKind kind);

struct Task {
    TaskKind kind = TaskKind::Lock;
    std::string text{};     // what the student reads; lines broken by CR LF
    int level = 0;          // lock: the game's level, 1 to 3
    double tolerance = 10;  // sample: percent either side of each value
    double goal = 0;        // shim: the lock level to reach
    double minutes = 0;     // the time limit; 0 for none
    int points = 1;
    bool operator==(const Task&) const = default;
};

inline constexpr int kDefaultExercisePassingScore = 80;

struct ExerciseSet {
    std::vector<Task> tasks;
    int passingScore = kDefaultExercisePassingScore;  // of 100
    bool operator==(const ExerciseSet&) const = default;
};

// The set a file holds, or what is wrong with it: "exercises.csv line N: ...",
// at most ten of them, the first in the file. A set with problems is not run.
struct ExerciseReading {
    ExerciseSet set;
    std::vector<std::string> problems;
};

// The file's bytes as spreadsheets save them: UTF-8 or UTF-16 text, values
// separated by commas, semicolons or tabs.
ExerciseReading ReadExercises(std::string_view bytes);

// The file's text, as the author page downloads it: UTF-8 with a byte-order
// mark (for spreadsheets that need one), comma separated, every column named.
std::string ExercisesText(const ExerciseSet& set);

// Why the page cannot open the set its address names (?exercises=FILE): it
// opens only a file beside it, named without any path or address.
std::optional<std::string> ExercisesLinkProblem(std::string_view name);

// A number as a spreadsheet or a student writes it: digits with a decimal
// point or, in locales that write one, a decimal comma; blanks around it.
// Nothing when it is not one.
std::optional<double> DecimalNumber(std::string_view text);

// The points of every task together.
int PointsSet(const ExerciseSet& set);
