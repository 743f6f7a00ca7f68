#include <gtest/gtest.h>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <fstream>
#include <sstream>

#include "exercise_panel_window.h"
#include "exercise_results_file.h"
#include "fake_clock.h"
#include "kymbral_window.h"
#include "recording_messages.h"

namespace {

// A set as `kymbral --exercises FILE` plays it: the window, the run and the
// panel beside it, the results going to a file of their own.
struct ExercisePanelTest : ::testing::Test {
    QTemporaryDir folder;
    std::filesystem::path results = folder.filePath("results.csv").toStdString();
    FakeClock clock{100};
    RecordingMessages messages;
    AppendedExerciseResults kept{results, "/course/exercises.csv"};
    ExerciseRun run{ReadExercises("kind,level,minutes\r\nsample,,\r\nlock,1,1\r\n").set, kept};
    KymbralWindow window{clock, &messages, &run};
    ExercisePanelWindow panel{run, window.view};

    void SetUp() override {
        window.Open();
        window.view.Dispatch([this] { run.Begin(window.model()); });
        panel.Open();
    }
    template <class Widget>
    Widget& Find(const char* name) {
        auto* widget = panel.findChild<Widget*>(name);
        EXPECT_NE(widget, nullptr) << name;
        return *widget;
    }
    std::string Text(const char* label) { return Find<QLabel>(label).text().toStdString(); }
    // What a screen reader names the box by.
    std::string BuddyOf(const QWidget& box) {
        for (QLabel* label : panel.findChildren<QLabel*>())
            if (label->buddy() == &box) return label->text().toStdString();
        return "";
    }
    // The panel's clock, without waiting for it.
    void Second() { QMetaObject::invokeMethod(panel.findChild<QTimer*>(), "timeout"); }
};

}  // namespace

TEST_F(ExercisePanelTest, ASetPlayedInThePanelEndsInALineOfTheResultsFile) {
    EXPECT_EQ(Text("TaskHeading"), "Task 1 of 2");
    Kymbral& k = window.model();
    const TextBox* values[] = {&k.form.PW90Value, &k.form.T1Value, &k.form.T2Value};
    for (int i = 0; i < 3; ++i) {
        auto& box = Find<QLineEdit>(("Answer" + std::to_string(i)).c_str());
        ASSERT_TRUE(box.isVisible());
        if (i == 0) {
            EXPECT_EQ(BuddyOf(box), "90-degree pulse width (µs)");
        }
        QTest::keyClicks(&box, QString::fromStdString(values[i]->text).trimmed());
    }
    QTest::keyClick(&Find<QLineEdit>("Answer2"), Qt::Key_Return);
    EXPECT_TRUE(Text("Verdict").starts_with("Right: each value is within 10 %."))
        << Text("Verdict");
    EXPECT_EQ(Text("Points"), "Points: 1 of 2");
    ASSERT_EQ(Find<QPushButton>("TaskAction").text(), "Next task");

    QTest::mouseClick(&Find<QPushButton>("TaskAction"), Qt::LeftButton);
    EXPECT_EQ(Text("TaskHeading"), "Task 2 of 2");
    EXPECT_FALSE(Find<QLineEdit>("Answer0").isVisible());
    EXPECT_EQ(k.form.Walkup.caption, "Answer");
    EXPECT_EQ(Text("TimeLeft"), "Time left: 1:00");
    clock.Advance(61);
    Second();
    EXPECT_EQ(Text("Verdict"), "Wrong: the time is up.");
    EXPECT_TRUE(Text("Points").starts_with("Score: 50 of 100")) << Text("Points");
    EXPECT_FALSE(Find<QPushButton>("TaskAction").isVisible());

    std::ifstream file(results, std::ios::binary);
    std::stringstream lines;
    lines << file.rdbuf();
    std::string text = lines.str();
    ASSERT_TRUE(text.starts_with("finished,exercise set,score,result,each task\r\n")) << text;
    EXPECT_NE(text.find(",/course/exercises.csv,50,not passed,right in 0 s,wrong in 60 s\r\n"),
              std::string::npos)
        << text;
    EXPECT_TRUE(messages.shown.empty());
}
