#include "task_text.h"

#include <cmath>

#include "numtext.h"

namespace {

// The buttons that start each level's game, as the window captions them.
constexpr const char* kLevelButtons[] = {"", "Scramble", "Scramble Hard", "Scramble Nightmare"};

std::string Within(const Task& task) {
    return task.minutes > 0 ? " You have " + LimitText(task.minutes) + "." : "";
}

}  // namespace

std::string LimitText(double minutes) {
    double seconds = std::round(minutes * 60);
    if (seconds < 120) return DecimalText(seconds) + " seconds";
    return DecimalText(minutes) + " minutes";
}

std::string TaskText(const Task& task) {
    if (!task.text.empty()) return task.text;
    switch (task.kind) {
        case TaskKind::Lock:
            return "The magnet is scrambled as by \"" + std::string(kLevelButtons[task.level]) +
                   "\" and the sample is out. "
                   "Insert it, bring the lock level above 53 with lock gain and lock power at "
                   "20, then press Answer in the window or Check here." +
                   Within(task);
        case TaskKind::Sample:
            return "The sample's properties are hidden. Find its 90-degree pulse width, T1 and "
                   "T2 by experiment, type them below and press Check. Each must be within " +
                   DecimalText(task.tolerance) + " % of the true value." + Within(task);
        case TaskKind::Shim:
            return "The shims are scrambled and the sample is out. Insert it and shim until the "
                   "lock level is at least " +
                   DecimalText(task.goal) +
                   ", leaving lock gain, lock power and lock phase as they are, then press "
                   "Check." +
                   Within(task);
    }
    return {};
}

std::vector<std::string> AnswerLabels(const Task& task) {
    if (task.kind != TaskKind::Sample) return {};
    return {"90-degree pulse width (µs)", "T1 (s)", "T2 (s)"};
}
