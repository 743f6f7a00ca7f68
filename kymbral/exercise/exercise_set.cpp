#include "exercise_set.h"

#include <algorithm>
#include <numeric>
#include <optional>

#include "csv.h"
#include "numtext.h"
#include "plain_file_name.h"
#include "sheet_columns.h"
#include "sheet_text.h"

namespace {

enum Column { kKind, kText, kLevel, kTolerance, kGoal, kMinutes, kPoints, kPassingScore, kColumns };
constexpr std::array<std::string_view, kColumns> kColumnNames = {
    "kind", "text", "level", "tolerance", "goal", "minutes", "points", "passing score"};
constexpr std::size_t kMostProblems = 10;
constexpr double kMostMinutes = 600;
constexpr int kMostPoints = 1000;

std::optional<int> Whole(std::string_view field) {
    std::optional<double> value = DecimalNumber(field);
    if (!value || *value != static_cast<double>(static_cast<long long>(*value)) || *value > 1e6) {
        return std::nullopt;
    }
    return static_cast<int>(*value);
}

class SheetReader {
  public:
    explicit SheetReader(ExerciseReading& reading) : reading_(reading) {}

    void Read(std::string_view text) {
        for (const CsvRecord& record : ParseCsv(text, SeparatorOf(text, kColumnNames))) {
            if (IsBlank(record)) continue;
            if (!headerRead_) {
                ReadHeader(record);
                if (!reading_.problems.empty()) return;
                continue;
            }
            ReadRow(record);
        }
        if (!headerRead_)
            Problem(1, "the file is empty: its first row must name the columns");
        else if (reading_.set.tasks.empty() && reading_.problems.empty())
            Problem(headerLine_,
                    "the file holds no tasks: add a row for each task under the header row");
    }

    void Problem(int line, const std::string& what) {
        if (reading_.problems.size() >= kMostProblems) return;
        reading_.problems.push_back(std::string(kExercisesFileName) + " line " +
                                    std::to_string(line) + ": " + what);
    }

  private:
    void ReadHeader(const CsvRecord& record) {
        headerRead_ = true;
        headerLine_ = record.line;
        at_.fill(-1);
        for (std::size_t i = 0; i < record.fields.size(); ++i) {
            std::optional<std::size_t> column = ColumnNamed(record.fields[i], kColumnNames);
            if (!column) continue;
            if (at_[*column] >= 0) {
                Problem(record.line, "the header row names the \"" +
                                         std::string(kColumnNames[*column]) + "\" column twice");
            }
            at_[*column] = static_cast<int>(i);
        }
        if (at_[kKind] < 0) {
            Problem(
                record.line,
                "the first row must name the columns: at least \"kind\", and any of \"text\", "
                "\"level\", \"tolerance\", \"goal\", \"minutes\", \"points\", \"passing score\"");
        }
    }

    std::string_view Field(const CsvRecord& record, Column column) const {
        int at = at_[column];
        if (at < 0 || static_cast<std::size_t>(at) >= record.fields.size()) return {};
        return WithoutBlanks(record.fields[static_cast<std::size_t>(at)]);
    }

    std::optional<TaskKind> Kind(const CsvRecord& record) {
        std::optional<std::size_t> kind = ColumnNamed(Field(record, kKind), kTaskKindNames);
        if (!kind) {
            Problem(record.line, "kind \"" + std::string(Field(record, kKind)) +
                                     "\" must be lock, sample or shim");
            return std::nullopt;
        }
        return static_cast<TaskKind>(*kind);
    }

    // A value that may be left blank for its default; the rule says what it must be.
    template <class Number>
    void Setting(const CsvRecord& record, Column column, Number& value,
                 std::optional<Number> (*read)(std::string_view), bool (*fits)(Number),
                 const char* rule, bool needed = false) {
        std::string_view field = Field(record, column);
        if (field.empty() && !needed) return;
        std::optional<Number> read_value = read(field);
        if (read_value && fits(*read_value)) {
            value = *read_value;
            return;
        }
        Problem(record.line, std::string(kColumnNames[column]) + " must be " + rule);
    }

    void ReadRow(const CsvRecord& record) {
        if (!record.problem.empty()) {
            Problem(record.line, record.problem);
            return;
        }
        std::size_t problems = reading_.problems.size();
        std::optional<TaskKind> kind = Kind(record);
        Task task{.kind = kind.value_or(TaskKind::Lock), .text = std::string(Field(record, kText))};
        auto decimal = +[](std::string_view f) { return DecimalNumber(f); };
        auto whole = +[](std::string_view f) { return Whole(f); };
        if (task.kind == TaskKind::Lock && kind) {
            Setting<int>(
                record, kLevel, task.level, whole,
                [](int level) { return level >= 1 && level <= 3; }, "1, 2 or 3", true);
        }
        if (task.kind == TaskKind::Sample) {
            Setting<double>(
                record, kTolerance, task.tolerance, decimal,
                [](double t) { return t > 0 && t <= 100; },
                "a percent greater than 0 and at most 100 (10 when left blank)");
        }
        if (task.kind == TaskKind::Shim && kind) {
            Setting<double>(
                record, kGoal, task.goal, decimal,
                [](double goal) { return goal > 0 && goal < 100; },
                "the lock level to reach, greater than 0 and less than 100", true);
        }
        Setting<double>(
            record, kMinutes, task.minutes, decimal,
            [](double m) { return m > 0 && m <= kMostMinutes; },
            "a time limit in minutes, greater than 0 and at most 600 (none when left blank)");
        Setting<int>(
            record, kPoints, task.points, whole, [](int p) { return p >= 1 && p <= kMostPoints; },
            "a whole number from 1 to 1000 (1 when left blank)");
        if (!Field(record, kPassingScore).empty() && !scoreRead_) {
            scoreRead_ = true;
            Setting<int>(
                record, kPassingScore, reading_.set.passingScore, whole,
                [](int s) { return s >= 0 && s <= 100; }, "a whole number from 0 to 100");
        }
        if (reading_.problems.size() == problems) reading_.set.tasks.push_back(std::move(task));
    }

    ExerciseReading& reading_;
    std::array<int, kColumns> at_{};
    bool headerRead_ = false;
    bool scoreRead_ = false;
    int headerLine_ = 1;
};

}  // namespace

std::optional<double> DecimalNumber(std::string_view text) {
    std::string number(WithoutBlanks(text));
    std::replace(number.begin(), number.end(), ',', '.');
    auto digits =
        std::count_if(number.begin(), number.end(), [](char c) { return c >= '0' && c <= '9'; });
    auto points = std::count(number.begin(), number.end(), '.');
    bool plain =
        digits > 0 && points <= 1 && static_cast<std::size_t>(digits + points) == number.size();
    if (!plain) return std::nullopt;
    return ReadNumber(number);
}

std::string_view KindName(TaskKind kind) {
    return kTaskKindNames[static_cast<std::size_t>(kind)];
}

ExerciseReading ReadExercises(std::string_view bytes) {
    ExerciseReading reading;
    SheetReader reader(reading);
    SheetText text = DecodeSheetText(bytes);
    if (text.badLine != 0) {
        reader.Problem(text.badLine, NotUtf8Problem());
        return reading;
    }
    reader.Read(text.utf8);
    if (!reading.problems.empty()) reading.set.tasks.clear();
    return reading;
}

std::string ExercisesText(const ExerciseSet& set) {
    std::string text = "\xEF\xBB\xBF" + CsvLine({kColumnNames.begin(), kColumnNames.end()});
    bool first = true;
    for (const Task& task : set.tasks) {
        auto shown = [](bool used, double value) {
            return used ? DecimalText(value) : std::string();
        };
        text += CsvLine({std::string(KindName(task.kind)), task.text,
                         shown(task.kind == TaskKind::Lock, task.level),
                         shown(task.kind == TaskKind::Sample, task.tolerance),
                         shown(task.kind == TaskKind::Shim, task.goal),
                         shown(task.minutes > 0, task.minutes), std::to_string(task.points),
                         first ? std::to_string(set.passingScore) : ""});
        first = false;
    }
    return text;
}

int PointsSet(const ExerciseSet& set) {
    return std::accumulate(set.tasks.begin(), set.tasks.end(), 0,
                           [](int sum, const Task& task) { return sum + task.points; });
}

std::optional<std::string> ExercisesLinkProblem(std::string_view name) {
    if (PlainLinkedName(name)) return std::nullopt;
    return "Kymbral opens only an exercise set beside this page, named without any path or "
           "address:\r" +
           std::string(name);
}
