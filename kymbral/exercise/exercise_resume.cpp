#include "exercise_resume.h"

#include <cmath>

#include "resume_fields.h"

namespace {

// Fields: tag, set key, task on hand, tenths of seconds used on it, then one
// list each of the tasks' outcomes (0 not tried, 1 wrong, 2 right) and tenths
// of seconds.
constexpr char kTag[] = "K1";
constexpr std::size_t kFieldCount = 6;
enum Outcome { kNotTried, kWrong, kRight };

std::int64_t Tenths(double seconds) {
    return std::llround(seconds * 10);
}

template <class Number>
void Join(std::string& text, const std::vector<std::optional<TaskRecord>>& records, Number number) {
    text += kResumeField;
    for (std::size_t i = 0; i < records.size(); ++i) {
        if (i > 0) text += kResumeItem;
        text += std::to_string(number(records[i]));
    }
}

}  // namespace

std::string ExerciseResumeText(const ExerciseResume& resume, std::string_view setKey) {
    std::string text = std::string(kTag) + kResumeField + std::string(setKey) + kResumeField +
                       std::to_string(resume.task) + kResumeField +
                       std::to_string(Tenths(resume.used));
    Join(text, resume.records, [](const std::optional<TaskRecord>& r) {
        return r ? (r->right ? kRight : kWrong) : kNotTried;
    });
    Join(text, resume.records,
         [](const std::optional<TaskRecord>& r) { return r ? Tenths(r->seconds) : 0; });
    return text;
}

std::optional<ExerciseResume> ReadExerciseResume(std::string_view text, std::string_view setKey,
                                                 std::size_t taskCount) {
    std::vector<std::string_view> fields = Split(text, kResumeField);
    if (fields.size() != kFieldCount || fields[0] != kTag || fields[1] != setKey) {
        return std::nullopt;
    }
    std::optional<std::int64_t> task = Count(fields[2], static_cast<std::int64_t>(taskCount));
    std::optional<std::int64_t> used = Count(fields[3]);
    auto outcomes = Counts(fields[4], taskCount, kRight);
    auto tenths = Counts(fields[5], taskCount);
    if (!task || !used || !outcomes || !tenths) return std::nullopt;
    ExerciseResume resume{static_cast<int>(*task), static_cast<double>(*used) / 10, {}};
    for (std::size_t i = 0; i < taskCount; ++i) {
        std::optional<TaskRecord> record;
        if ((*outcomes)[i] != kNotTried) {
            record = TaskRecord{.task = static_cast<int>(i) + 1,
                                .right = (*outcomes)[i] == kRight,
                                .seconds = static_cast<double>((*tenths)[i]) / 10};
        }
        resume.records.push_back(record);
    }
    return resume;
}
