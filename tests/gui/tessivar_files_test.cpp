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
                if (!AppendLine(file, line)) return 1;
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
