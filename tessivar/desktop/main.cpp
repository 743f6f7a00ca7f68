// Tessivar: the slide-show quiz over screenshots of the console software, or
// over an instructor's own deck of them.
#include <QApplication>
#include <QCommandLineParser>

#include "author_window.h"
#include "check_progress_dialog.h"
#include "deck_check.h"
#include "qt_image_source.h"
#include "qt_message_boxes.h"
#include "results_file.h"
#include "tessivar_window.h"

namespace {

constexpr int kFailed = 1;

std::filesystem::path ToPath(const QString& text) {
    return std::filesystem::path(text.toStdU16String());
}

OpenedDeck CheckDeckFolder(const std::filesystem::path& folder) {
    QtImageSource images;
    CheckProgressDialog progress(nullptr);
    return OpenDeckFolder(folder, images, ReadWholeFile, progress.Callback());
}

int Play(const QStringList& folders, const std::filesystem::path& results) {
    std::filesystem::path folder = folders.isEmpty()
                                       ? CurrentScreenshotFolder()
                                       : std::filesystem::absolute(ToPath(folders[0]));
    PictureFolder pictures = [folder] { return folder; };
    std::vector<Slide> slides = BuiltInSlides();
    if (!folders.isEmpty() || std::filesystem::exists(folder / kDeckFileName)) {
        OpenedDeck opened = CheckDeckFolder(folder);
        if (!opened.problems.empty()) {
            QtMessageBoxes(nullptr).Show(tessivar::kProgramName, ProblemsText(opened.problems));
            return kFailed;
        }
        slides = std::move(opened.slides);
    } else {
        pictures = CurrentScreenshotFolder;  // as always, asked afresh
    }
    AppendedResults reports(results, folder.string());
    TessivarWindow window(nullptr, pictures, std::move(slides), &reports);
    window.Open();
    return QApplication::exec();
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("tessivar");
    QCommandLineParser parser;
    parser.addHelpOption();
    QCommandLineOption author("author", "Open the instructor's window on the deck in FOLDER.");
    QCommandLineOption results("results", "Add each show's result to FILE.", "FILE");
    parser.addOptions({author, results});
    parser.addPositionalArgument("FOLDER", "A deck: screenshots and their deck.csv.", "[FOLDER]");
    parser.process(app);
    QStringList folders = parser.positionalArguments();
    if (folders.size() > 1 || (parser.isSet(author) && folders.isEmpty())) parser.showHelp(kFailed);
    if (parser.isSet(author)) {
        AuthorWindow window(std::filesystem::absolute(ToPath(folders[0])));
        window.show();
        return QApplication::exec();
    }
    return Play(folders, ResultsFile(parser.value(results)));
}
