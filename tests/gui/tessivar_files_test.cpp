#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <QTemporaryDir>
#include <csignal>
#include <fstream>
#include <functional>
#include <iterator>
#include <map>
#include <sstream>

#include "append_line.h"
#include "author_window.h"
#include "fake_clock.h"
#include "fake_image_source.h"
#include "recording_messages.h"
#include "results_file.h"
#include "slide_handlers.h"

// Files written beside other programs and against failing disks: whole lines,
// whole files or none.

namespace {

std::string Read(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// Runs `work` in a child process; its exit status.
int InChild(const std::function<int()>& work) {
    pid_t child = fork();
    if (child == 0) _exit(work());
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

}  // namespace

TEST(TessivarFiles, ResultLinesFromTwoProcessesAtOnceStayWhole) {
    QTemporaryDir dir;
    std::filesystem::path file = dir.filePath("results.csv").toStdString();
    std::ofstream(file) << "kept\n";
    constexpr int kLines = 2000;
    auto writer = [&](char mark) {
        std::string line = std::string(700, mark) + "\n";
        return [=] {
            for (int i = 0; i < kLines; ++i) {
                if (AppendLine(file, "", line)) return 1;
            }
            return 0;
        };
    };
    pid_t first = fork();
    if (first == 0) _exit(writer('a')());
    EXPECT_EQ(InChild(writer('b')), 0);
    int status = 0;
    waitpid(first, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);

    std::istringstream lines(Read(file));
    std::string line;
    std::getline(lines, line);
    EXPECT_EQ(line, "kept");
    std::map<char, int> counts;
    while (std::getline(lines, line)) {
        ASSERT_EQ(line, std::string(700, line[0]));
        ++counts[line[0]];
    }
    EXPECT_EQ(counts, (std::map<char, int>{{'a', kLines}, {'b', kLines}}));
}

TEST(TessivarFiles, ASaveThatFailsLeavesTheOldDeckWhole) {
    QTemporaryDir dir;
    std::filesystem::path file = dir.filePath("deck.csv").toStdString();
    const std::string old = "picture,text,left,top,width,height\r\na.jpg,t,0,0,1,1\r\n";
    std::ofstream(file, std::ios::binary) << old;
    // A disk that fills up: writes beyond 1 kB fail.
    int saved = InChild([&] {
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit{1024, 1024};
        setrlimit(RLIMIT_FSIZE, &limit);
        QString error;
        return SaveWhole(file, std::string(100000, 'x'), &error) ? 1 : 0;
    });
    EXPECT_EQ(saved, 0) << "the save did not notice the failure";
    EXPECT_EQ(Read(file), old);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path().toStdString()), {}), 1);
}

TEST(TessivarFiles, AResultFileStartsWithItsHeaderAndEachRowOnANewLine) {
    QTemporaryDir dir;
    std::filesystem::path file = dir.filePath("results.csv").toStdString();
    EXPECT_FALSE(AppendLine(file, "h\r\n", "a,1\r\n"));
    EXPECT_EQ(Read(file), "h\r\na,1\r\n");
    std::ofstream(file, std::ios::binary) << "a,1";  // saved by a spreadsheet
    EXPECT_FALSE(AppendLine(file, "h\r\n", "b,2\r\n"));
    EXPECT_EQ(Read(file), "a,1\r\nb,2\r\n");
}

// The student hears of a result that is lost, with the file and the reason,
// and no part of it stays in the file.
TEST(TessivarFiles, AResultThatCannotBeWrittenIsToldAndLeavesNothingHalfWritten) {
    QTemporaryDir dir;
    std::filesystem::path folder = dir.path().toStdString();
    const std::pair<std::filesystem::path, const char*> places[] = {
        {folder / "missing" / "results.csv", "No such file or directory"},
        {folder, "Is a directory"},
    };
    for (const auto& [file, reason] : places) {
        RecordingMessages messages;
        FakeImageSource images;
        images.files = {"/deck/a.png"};
        FakeClock clock;
        AppendedResults results(file, "/deck");
        SlideShow show(messages, images, clock, results, [] { return "/deck"; },
                       {ShownSlide({"a.png", "t", {0, 0, 10, 10}}, 1)});
        Form_Load(show);
        Form_Activate(show);
        Picture1_MouseUp(show, kLeftButton, 75, 75);
        ASSERT_EQ(messages.shown.size(), 2u) << file;
        EXPECT_EQ(messages.shown[0].text, "Tessivar could not write your result to\r" +
                                              file.string() + "\r(" + reason +
                                              ").\r\rPlease tell your instructor.");
    }

    // A disk that fills up halfway through the line.
    std::filesystem::path file = folder / "results.csv";
    const std::string kept = "finished,deck\r\nearlier,1\r\n";
    std::ofstream(file, std::ios::binary) << kept;
    int status = InChild([&] {
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit{kept.size() + 10, kept.size() + 10};
        setrlimit(RLIMIT_FSIZE, &limit);
        std::optional<std::string> failed = AppendLine(file, "", std::string(100, 'x') + "\r\n");
        return failed == std::optional<std::string>("File too large") ? 0 : 1;
    });
    EXPECT_EQ(status, 0);
    EXPECT_EQ(Read(file), kept);
}
