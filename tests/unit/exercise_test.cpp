#include <gtest/gtest.h>

#include "answer_check.h"
#include "eject_insert.h"
#include "exercise_export.h"
#include "exercise_panel.h"
#include "exercise_run.h"
#include "knob_settings.h"
#include "knobs.h"
#include "numtext.h"
#include "scramble_levels.h"
#include "started_kymbral.h"
#include "unknown_sample.h"
#include "update_views.h"

namespace {

// Sets as spreadsheets save them: LibreOffice's "Text CSV" (comma, CR LF,
// quotes only where needed) and Excel's "CSV UTF-8" in a locale that writes
// decimal commas (byte-order mark, semicolons, empty trailing fields).
const std::string kLibreOffice =
    "kind,text,level,tolerance,goal,minutes,points,passing score\r\n"
    "lock,,2,,,5,2,60\r\n"
    "sample,\"Find the pulse,\nT1 and T2\",,,,,1,\r\n"
    "shim,,,,50,,1,\r\n";
const std::string kExcel =
    "\xEF\xBB\xBF"
    "Minutes;Kind; Points ;Tolerance;Text;;\r\n"
    "0,5;Sample;3;12,5;;;\r\n"
    ";;;;;;\r\n";

// The window's games reported to the run on hand, as the programs wire them.
struct ToRun : Reports {
    ExerciseRun* run = nullptr;
    void ScrambleAnswered(const ScrambleAnswer& answer) override { run->ScrambleAnswered(answer); }
};

struct ExerciseTest : ::testing::Test, ToRun, StartedKymbral {
    ExerciseTest() : StartedKymbral(this) {}
    RecordingReports out;
    // A run of the set on the window, begun.
    ExerciseRun& Run(const std::string& text, std::string_view resume = {}) {
        runs.push_back(std::make_unique<ExerciseRun>(Set(text), out));
        run = runs.back().get();
        run->Begin(k, resume);
        return *run;
    }
    std::vector<std::unique_ptr<ExerciseRun>> runs;

    ExerciseSet Set(const std::string& text) {
        ExerciseReading reading = ReadExercises(text);
        EXPECT_EQ(reading.problems, std::vector<std::string>{});
        return reading.set;
    }
    // What a student does to relock: the sample in, each knob turned to cancel
    // its hidden error, the lock settings back at their defaults.
    void Relock() {
        SimulatorState& s = k.state;
        s.Z0 = CancellingSetting(s.Z0Offset, 51);
        CancelShimErrors(s);
        s.LockGain = s.LockPower = 20;
        s.LockPhase = static_cast<std::int16_t>(140 - s.LockPhaseOffset);
        Insert_Click(k);
        WriteShimLabels(k);
        UpdateViews(k);
    }
    // The hidden sample's values, each off by `percent`.
    std::vector<std::string> SampleAnswers(double percent) {
        std::vector<std::string> answers;
        for (const TextBox* box : {&k.form.PW90Value, &k.form.T1Value, &k.form.T2Value})
            answers.push_back(DecimalText(ReadNumber(box->text) * (1 + percent / 100)));
        return answers;
    }
};

}  // namespace

TEST(ExerciseFileTest, SetsAsSpreadsheetsSaveThem) {
    ExerciseReading office = ReadExercises(kLibreOffice);
    ASSERT_EQ(office.problems, std::vector<std::string>{});
    EXPECT_EQ(office.set.passingScore, 60);
    EXPECT_EQ(office.set.tasks,
              (std::vector<Task>{{.kind = TaskKind::Lock, .level = 2, .minutes = 5, .points = 2},
                                 {.kind = TaskKind::Sample, .text = "Find the pulse,\nT1 and T2"},
                                 {.kind = TaskKind::Shim, .goal = 50}}));
    EXPECT_EQ(ReadExercises(ExercisesText(office.set)).set, office.set);

    ExerciseReading excel = ReadExercises(kExcel);
    ASSERT_EQ(excel.problems, std::vector<std::string>{});
    EXPECT_EQ(excel.set.passingScore, kDefaultExercisePassingScore);
    EXPECT_EQ(excel.set.tasks,
              (std::vector<Task>{
                  {.kind = TaskKind::Sample, .tolerance = 12.5, .minutes = 0.5, .points = 3}}));
    EXPECT_EQ(ReadExercises(ExercisesText(excel.set)).set, excel.set);
}

TEST(ExerciseFileTest, BadSetsAreRefusedLineByLine) {
    const std::string header = "kind,level,tolerance,goal,minutes,points,passing score\r\n";
    const std::pair<std::string, std::vector<std::string>> cases[] = {
        {header + "lock,4,,,,,\r\nlock,,,,,,\r\nlocks,1,,,,,\r\n",
         {"exercises.csv line 2: level must be 1, 2 or 3",
          "exercises.csv line 3: level must be 1, 2 or 3",
          "exercises.csv line 4: kind \"locks\" must be lock, sample or shim"}},
        {header + "sample,,0,,-1,1.5,101\r\nshim,,,,,,\r\nshim,,,0,600.5,,\r\nshim,,,100,,,\r\n",
         {"exercises.csv line 2: tolerance must be a percent greater than 0 and at most 100 (10 "
          "when left blank)",
          "exercises.csv line 2: minutes must be a time limit in minutes, greater than 0 and at "
          "most 600 (none when left blank)",
          "exercises.csv line 2: points must be a whole number from 1 to 1000 (1 when left blank)",
          "exercises.csv line 2: passing score must be a whole number from 0 to 100",
          "exercises.csv line 3: goal must be the lock level to reach, greater than 0 and less "
          "than 100",
          "exercises.csv line 4: goal must be", "exercises.csv line 4: minutes must be",
          "exercises.csv line 5: goal must be"}},
        {"text,points\r\nLock it,1\r\n",
         {"exercises.csv line 1: the first row must name the columns: at least \"kind\", and any "
          "of \"text\", \"level\", \"tolerance\", \"goal\", \"minutes\", \"points\", \"passing "
          "score\""}},
        {"kind,kind\r\n", {"exercises.csv line 1: the header row names the \"kind\" column twice"}},
        {"kind\r\n\r\n",
         {"exercises.csv line 1: the file holds no tasks: add a row for each task "
          "under the header row"}},
        {"kind,text\r\nsample,caf\xE9\r\n",
         {"exercises.csv line 2: " + std::string("this line holds text that is not UTF-8")}},
        {"kind,text\r\nsample,\"open\r\n", {"exercises.csv line 2: "}},
    };
    for (const auto& [text, problems] : cases) {
        ExerciseReading reading = ReadExercises(text);
        EXPECT_TRUE(reading.set.tasks.empty()) << text;
        ASSERT_EQ(reading.problems.size(), problems.size()) << text;
        for (std::size_t i = 0; i < problems.size(); ++i)
            EXPECT_TRUE(reading.problems[i].starts_with(problems[i])) << reading.problems[i];
    }
}

TEST_F(ExerciseTest, ALockTaskIsTheGamesOwnAnswerWithinTheTimeLimit) {
    struct Case {
        float seconds;
        bool relock;
        bool right;
        const char* verdict;
    };
    for (const Case& c : {Case{299, true, true, "Right: the magnet is locked."},
                          Case{299, false, false, "Wrong: the lock was not back."},
                          Case{301, true, false, "Wrong: the time is up."}}) {
        ExerciseRun& run = Run("kind,level,minutes\r\nlock,2,5\r\n");
        EXPECT_EQ(k.form.Walkup.caption, "Answer");
        EXPECT_FALSE(SampleInserted(k.form));
        EXPECT_EQ(k.state.ScrambleLevel, 2);
        clock.Advance(c.seconds);
        if (c.relock) Relock();
        run.Tick();  // the view's second
        run.Act({});
        ASSERT_TRUE(run.Finished()) << c.seconds;
        EXPECT_EQ(run.Verdict(), c.verdict);
        EXPECT_EQ(out.tasks.back().right, c.right);
        EXPECT_NEAR(out.tasks.back().seconds, std::min(c.seconds, 300.0f), 0.01);
        // Once the time is up, Check no longer answers the game.
        EXPECT_EQ(k.form.Walkup.caption == "Answer", c.seconds > 300);
    }
}

TEST_F(ExerciseTest, AGameOfAnotherLevelDoesNotAnswerALockTask) {
    ExerciseRun& run = Run("kind,level\r\nlock,3\r\n");
    ScrambleEasy_Click(k);  // the student starts an easier game
    Relock();
    Walkup_Click(k);
    EXPECT_EQ(run.Verdict(), "Wrong: that was a game of another level.");
}

TEST_F(ExerciseTest, ASampleTaskTakesEachValueWithinItsTolerance) {
    const std::tuple<const char*, double, bool> cases[] = {
        {"kind\r\nsample\r\n", 9.99, true},
        {"kind\r\nsample\r\n", -10.01, false},
        {"kind,tolerance\r\nsample,2\r\n", 1.99, true},
        {"kind,tolerance\r\nsample,2\r\n", 2.01, false},
    };
    for (auto [text, off, right] : cases) {
        ExerciseRun& run = Run(text);
        EXPECT_FALSE(k.form.PW90Value.visible);
        EXPECT_EQ(PanelOf(run).answers.size(), 3u);
        run.Act({"7", "", "1"});
        EXPECT_EQ(run.Verdict(), "Type a number in each box, then press Check.");
        EXPECT_FALSE(run.Judged());
        std::vector<std::string> answers = SampleAnswers(off);
        answers[0] = " " + answers[0];
        std::replace(answers[1].begin(), answers[1].end(), '.', ',');
        run.Act(answers);
        ASSERT_TRUE(run.Finished());
        EXPECT_EQ(out.tasks.back().right, right) << text << off;
        EXPECT_TRUE(k.form.PW90Value.visible) << "the true values are shown after the check";
    }
}

TEST_F(ExerciseTest, ValuesOnShowInTheWindowAreNoAnswer) {
    ExerciseRun& run = Run("kind\r\nsample\r\n");
    SampleScramble_Click(k);  // the student shows them
    run.Act(SampleAnswers(0));
    EXPECT_FALSE(out.tasks.back().right);
    EXPECT_TRUE(run.Verdict().starts_with("Wrong: the sample's properties were on show"));
}

TEST_F(ExerciseTest, AShimTaskWantsTheGoalWithTheLockSettingsLeftAlone) {
    for (int knob : {-1, 5, 7}) {
        ExerciseRun& run = Run("kind,goal\r\nshim,50\r\n");
        EXPECT_EQ(k.form.Walkup.caption, "Answer");
        Relock();
        if (knob >= 0) KeyIn_MouseUp(k, knob, 2);
        run.Act({});
        EXPECT_EQ(out.tasks.back().right, knob < 0) << knob;
    }
    // The goal itself is reached; a tenth above it is not.
    Run("kind,goal\r\nshim,50\r\n");
    Relock();
    std::string reached = k.form.Info.caption;
    for (auto [goal, right] :
         {std::pair{ReadNumber(reached), true}, {ReadNumber(reached) + 0.1, false}}) {
        Run("kind,goal\r\nshim," + DecimalText(goal) + "\r\n");
        Relock();
        ASSERT_EQ(k.form.Info.caption, reached);
        run->Act({});
        EXPECT_EQ(out.tasks.back().right, right) << goal;
    }
    ExerciseRun& run = Run("kind,goal\r\nshim,50\r\n");
    Insert_Click(k);
    Walkup_Click(k);  // Answer: the settings that cancel the errors
    EXPECT_EQ(run.Verdict(), "Wrong: Answer loaded the settings that cancel the errors.");
}

TEST_F(ExerciseTest, TheScoreIsThePointsWonOfThePointsSet) {
    ExerciseRun& run = Run(kLibreOffice);
    EXPECT_EQ(PanelOf(run).heading, "Task 1 of 3");
    EXPECT_EQ(PanelOf(run).timeLeft, "Time left: 5:00");
    clock.Advance(61.5f);
    EXPECT_EQ(PanelOf(run).timeLeft, "Time left: 3:59");
    Relock();
    run.Act({});
    EXPECT_EQ(PanelOf(run).action, "Next task");
    EXPECT_EQ(PanelOf(run).points, "Points: 2 of 4");
    run.Act({});
    EXPECT_EQ(PanelOf(run).timeLeft, "No time limit");
    run.Act(SampleAnswers(50));
    run.Act({});
    Relock();
    run.Act({});
    EXPECT_EQ(out.exerciseResults, (std::vector<ExerciseResult>{{75, true, out.tasks}}));
    EXPECT_EQ(PanelOf(run).points, "Score: 75 of 100 (points 3 of 4; 60 to pass): passed");
    EXPECT_EQ(PanelOf(run).action, "");
    std::vector<std::pair<int, bool>> right;
    for (const TaskRecord& task : out.tasks) right.emplace_back(task.task, task.right);
    EXPECT_EQ(right, (std::vector<std::pair<int, bool>>{{1, true}, {2, false}, {3, true}}));
    EXPECT_EQ(out.tasks[1].answer.substr(0, 5), "pw90=");
}

TEST_F(ExerciseTest, AResumeKeepsWhatWasDoneAndTheTimeUsed) {
    const std::string set = kLibreOffice;
    {
        ExerciseRun& run = Run(set);
        clock.Advance(12.5f);
        Relock();
        run.Act({});
        run.Act({});  // on to the sample
        clock.Advance(42);
        run.Tick();
    }
    std::string kept = out.exercisePositions.back().resume;
    EXPECT_EQ(out.exercisePositions.back().task, 1);

    StartedKymbral later;
    RecordingReports again;
    ExerciseRun run(Set(set), again);
    run.Begin(later.k, kept);
    EXPECT_EQ(run.TaskOnHand(), 1);
    EXPECT_NEAR(run.Elapsed(), 42, 0.01);
    EXPECT_EQ(PanelOf(run).points, "Points: 2 of 4");
    EXPECT_NEAR(run.Records()[0]->seconds, out.tasks[0].seconds, 0.05);
    ExerciseRun other(Set(kExcel), again);
    other.Begin(later.k, kept);  // another set's position is no resume
    EXPECT_EQ(other.TaskOnHand(), 0);
}

// A platform takes a description of at most 250 characters; a long text in
// any language is cut between its characters, never inside one.
TEST_F(ExerciseTest, ALongTaskTextIsCutBetweenCharacters) {
    std::string text;
    while (text.size() < 400) text += "Sch\xC3\xA4tzen Sie T1 ";
    for (int offset = 0; offset < 17; ++offset) {  // the cut at every byte of the 17 that repeat
        ExerciseRun& run =
            Run("kind,text,goal\r\nshim," + std::string(offset, 'x') + text + ",50\r\n");
        run.Act({});
        const std::string& description = out.tasks.back().description;
        EXPECT_LE(description.size(), 200u);
        EXPECT_TRUE(description.ends_with("...")) << description;
        EXPECT_EQ(std::count(description.begin(), description.end(), '\xC3'),
                  std::count(description.begin(), description.end(), '\xA4'))
            << offset;
    }
}

TEST(ExerciseExportTest, OnlyASetThatRunsLeavesThePage) {
    ExerciseExport set = ExportExercises(kExcel, ExerciseExportKind::kSet);
    EXPECT_EQ(set.problems, std::vector<std::string>{});
    EXPECT_EQ(set.fileName, "exercises.csv");
    EXPECT_EQ(set.bytes, ExercisesText(ReadExercises(kExcel).set));
    EXPECT_EQ(ExportExercises("kind\r\nlocks\r\n", ExerciseExportKind::kSet).problems,
              std::vector<std::string>{
                  "exercises.csv line 2: kind \"locks\" must be lock, sample or shim"});
    EXPECT_EQ(
        ExportExercises(kExcel, ExerciseExportKind::kScorm12, "no zip").problems,
        std::vector<std::string>{"Kymbral's page could not be read from this site's package."});
}
