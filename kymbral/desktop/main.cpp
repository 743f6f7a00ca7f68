// Kymbral: the lock, shim and acquisition simulator; with an exercise set,
// its tasks in a panel beside the window.
#include <QApplication>
#include <QCommandLineParser>
#include <QFile>
#include <QFileInfo>

#include "exercise_panel_window.h"
#include "exercise_results_file.h"
#include "kymbral_window.h"
#include "qt_message_boxes.h"
#include "results_place.h"
#include "steady_clock.h"

namespace {

constexpr int kFailed = 1;

// The set in the file, or nothing after telling the student what is wrong with it.
std::optional<ExerciseSet> ReadSet(const QString& path) {
    QFile file(path);
    std::vector<std::string> problems;
    ExerciseSet set;
    if (!file.open(QIODevice::ReadOnly)) {
        problems.push_back(path.toStdString() + " cannot be read (" +
                           file.errorString().toStdString() + ")");
    } else {
        QByteArray bytes = file.readAll();
        ExerciseReading reading = ReadExercises(std::string_view(bytes.data(), bytes.size()));
        problems = reading.problems;
        set = reading.set;
    }
    if (problems.empty()) return set;
    std::string text;
    for (const std::string& problem : problems) text += (text.empty() ? "" : "\r") + problem;
    QtMessageBoxes(nullptr).Show(kymbral::kProgramName, text);
    return std::nullopt;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("kymbral");
    QCommandLineParser parser;
    parser.addHelpOption();
    QCommandLineOption exercises("exercises", "Work through the exercise set in FILE.", "FILE");
    QCommandLineOption results("results", "Add each finished set's result to FILE.", "FILE");
    parser.addOptions({exercises, results});
    parser.process(app);
    SteadyClock clock;
    if (!parser.isSet(exercises)) {
        KymbralWindow window(clock);
        window.Open();
        return QApplication::exec();
    }
    std::optional<ExerciseSet> set = ReadSet(parser.value(exercises));
    if (!set) return kFailed;
    QString setFile = QFileInfo(parser.value(exercises)).absoluteFilePath();
    AppendedExerciseResults kept(ResultsFile(parser.value(results)), setFile.toStdString());
    ExerciseRun run(std::move(*set), kept);
    KymbralWindow window(clock, nullptr, &run);
    ExercisePanelWindow panel(run, window.view);
    window.Open();
    window.view.Dispatch([&] { run.Begin(window.model()); });
    panel.Open();
    return QApplication::exec();
}
