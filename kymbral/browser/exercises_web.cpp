// The exercise author page's module: the set's rules for the page that
// makes one. No window, no waits; the page calls it and reads its answers.
#include <emscripten.h>

#include "exercise_export.h"
#include "json_out.h"
#include "task_text.h"

namespace {

// What each kind is set by: the column of its one setting.
constexpr const char* kSettings[] = {"level", "tolerance", "goal"};

JsonOut out;
ExerciseExport exported;

void Problems(const std::vector<std::string>& problems) {
    out.Key("problems").Open('[');
    for (const std::string& problem : problems) out.Value(problem);
    out.Close(']');
}

}  // namespace

extern "C" {

// The kinds of task, in the file's words, with the setting each takes.
EMSCRIPTEN_KEEPALIVE const char* exercises_kinds() {
    out.Reset();
    out.Open('[');
    for (std::size_t kind = 0; kind < kTaskKindNames.size(); ++kind) {
        out.Open('{').Key("name").Value(kTaskKindNames[kind]).Key("setting").Value(kSettings[kind]);
        out.Close('}');
    }
    out.Close(']');
    return out.Text().c_str();
}

// A set's file as it was chosen: {problems, passingScore, tasks: [{kind,
// text, level, tolerance, goal, minutes, points}]}; no tasks with problems.
EMSCRIPTEN_KEEPALIVE const char* exercises_read(const char* bytes, int length) {
    ExerciseReading reading =
        ReadExercises(std::string_view(bytes, static_cast<std::size_t>(length)));
    out.Reset();
    out.Open('{');
    Problems(reading.problems);
    out.Key("passingScore").Value(reading.set.passingScore).Key("tasks").Open('[');
    for (const Task& task : reading.set.tasks) {
        out.Open('{').Key("kind").Value(KindName(task.kind)).Key("text").Value(task.text);
        out.Key("level").Value(task.level).Key("tolerance").Value(task.tolerance);
        out.Key("goal").Value(task.goal).Key("minutes").Value(task.minutes);
        out.Key("points").Value(task.points).Close('}');
    }
    out.Close(']').Close('}');
    return out.Text().c_str();
}

// The set as the page wrote it: {problems, texts: what the student reads of
// each task, its own text or its kind's}.
EMSCRIPTEN_KEEPALIVE const char* exercises_check(const char* text) {
    ExerciseReading reading = ReadExercises(text);
    out.Reset();
    out.Open('{');
    Problems(reading.problems);
    out.Key("texts").Open('[');
    for (const Task& task : reading.set.tasks) out.Value(TaskText(task));
    out.Close(']').Close('}');
    return out.Text().c_str();
}

// The set's file or a package (kind: an ExerciseExportKind), built over the
// site's own package of Kymbral: {problems, file}; its bytes follow.
EMSCRIPTEN_KEEPALIVE const char* exercises_export(int kind, const char* text, const char* built,
                                                  int length) {
    exported = ExportExercises(text, static_cast<ExerciseExportKind>(kind),
                               std::string_view(built, static_cast<std::size_t>(length)));
    out.Reset();
    out.Open('{');
    Problems(exported.problems);
    out.Key("file").Value(exported.fileName).Close('}');
    return out.Text().c_str();
}
EMSCRIPTEN_KEEPALIVE const char* exercises_exported() {
    return exported.bytes.data();
}
EMSCRIPTEN_KEEPALIVE int exercises_exported_length() {
    return static_cast<int>(exported.bytes.size());
}

}  // extern "C"
