#include "exercise_run.h"

#include <cmath>

#include "answer_check.h"
#include "eject_insert.h"
#include "exercise_resume.h"
#include "fingerprint.h"
#include "numtext.h"
#include "scramble_levels.h"
#include "task_text.h"
#include "unknown_sample.h"

namespace {

constexpr std::size_t kLongestDescription = 200;

void (*const kLevelGames[])(Kymbral&) = {nullptr, ScrambleEasy_Click, Scramble_Click,
                                         ScrambleHard_Click};

std::vector<std::int16_t> LockSettings(const SimulatorState& s) {
    return {s.LockGain, s.LockPower, s.LockPhase};
}

bool WithinTolerance(double answer, double value, double percent) {
    return std::abs(answer - value) <= value * percent / 100 * (1 + 1e-9);
}

std::string Description(const Task& task, int number) {
    std::string text = "Task " + std::to_string(number) + " (" + std::string(KindName(task.kind)) +
                       "): " + TaskText(task);
    if (text.size() <= kLongestDescription) return text;
    // Cut between characters, not inside one's UTF-8 bytes.
    std::size_t cut = kLongestDescription - 3;
    while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80) --cut;
    return text.substr(0, cut) + "...";
}

}  // namespace

ExerciseRun::ExerciseRun(ExerciseSet set, Reports& out)
    : set_(std::move(set)),
      key_(Fingerprint().Add(ExercisesText(set_)).Text()),
      out_(out),
      records_(set_.tasks.size()) {}

void ExerciseRun::Begin(Kymbral& k, std::string_view resume) {
    ++revision_;
    k_ = &k;
    std::optional<ExerciseResume> kept = ReadExerciseResume(resume, key_, set_.tasks.size());
    float used = 0;
    if (kept) {
        task_ = kept->task;
        used = static_cast<float>(kept->used);
        for (std::size_t i = 0; i < records_.size(); ++i) {
            if (!kept->records[i]) continue;
            TaskRecord record = *kept->records[i];
            record.kind = KindName(set_.tasks[i].kind);
            record.points = set_.tasks[i].points;
            records_[i] = record;
        }
    }
    if (Finished()) return;
    StartTask();
    started_ -= used;
}

void ExerciseRun::StartTask() {
    judged_ = false;
    verdict_.clear();
    Kymbral& k = *k_;
    const Task& task = OnHand();
    switch (task.kind) {
        case TaskKind::Lock:
            kLevelGames[task.level](k);
            break;
        case TaskKind::Sample:
            // Shown values are hidden with new ones drawn; hidden ones are
            // drawn afresh, as a second press of the button does.
            if (!k.form.PW90Value.visible) SampleScramble_Click(k);
            SampleScramble_Click(k);
            break;
        case TaskKind::Shim:
            ScrambleEasy_Click(k);
            lockSettings_ = LockSettings(k.state);
            break;
    }
    started_ = k.clock.Now();
    TellPosition();
}

double ExerciseRun::Elapsed() const {
    return Finished() || k_ == nullptr ? 0 : std::max(0.0f, k_->clock.Now() - started_);
}

bool ExerciseRun::TimeIsUp() const {
    return OnHand().minutes > 0 && Elapsed() > OnHand().minutes * 60;
}

void ExerciseRun::Act(const std::vector<std::string>& answers) {
    ++revision_;
    if (Finished()) return;
    if (judged_) {
        ++task_;
        if (!Finished()) StartTask();
        return;
    }
    if (TimeIsUp()) {
        Tick();
        return;
    }
    switch (OnHand().kind) {
        case TaskKind::Lock:
            // The game judges its own answer, and reports it back here.
            if (k_->form.Walkup.caption == "Answer") Walkup_Click(*k_);
            break;
        case TaskKind::Sample:
            CheckSample(answers);
            break;
        case TaskKind::Shim:
            CheckShim();
            break;
    }
}

void ExerciseRun::CheckSample(const std::vector<std::string>& answers) {
    MainForm& f = k_->form;
    const TextBox* boxes[] = {&f.PW90Value, &f.T1Value, &f.T2Value};
    const char* names[] = {"pw90", "T1", "T2"};
    std::string given, expected;
    bool right = true;
    for (std::size_t i = 0; i < 3; ++i) {
        std::optional<double> answer =
            i < answers.size() ? DecimalNumber(answers[i]) : std::nullopt;
        if (!answer) {
            verdict_ = "Type a number in each box, then press Check.";
            return;
        }
        double value = ReadNumber(boxes[i]->text);
        right = right && WithinTolerance(*answer, value, OnHand().tolerance);
        given += std::string(i ? " " : "") + names[i] + "=" + DecimalText(*answer);
        expected += std::string(i ? " " : "") + names[i] + "=" + DecimalText(value);
    }
    bool shown = f.PW90Value.visible;
    std::string verdict =
        shown   ? "Wrong: the sample's properties were on show in the window."
        : right ? "Right: each value is within " + DecimalText(OnHand().tolerance) + " %."
                : "Wrong: not every value is within " + DecimalText(OnHand().tolerance) + " %.";
    verdict += " The true values: pw90 " + f.PW90Value.text + " µs, T1 " + f.T1Value.text +
               " s, T2 " + f.T2Value.text + " s.";
    if (!shown) SampleScramble_Click(*k_);  // shows them, as the window's button does
    Judge(given, expected, right && !shown, verdict);
}

void ExerciseRun::CheckShim() {
    double level = ReadNumber(k_->form.Info.caption);
    bool kept = LockSettings(k_->state) == lockSettings_;
    bool right = kept && level >= OnHand().goal;
    std::string verdict = !kept   ? "Wrong: lock gain, lock power or lock phase was changed."
                          : right ? "Right: the lock level is " + DecimalText(level) + "."
                                  : "Wrong: the lock level is " + DecimalText(level) + ", below " +
                                        DecimalText(OnHand().goal) + ".";
    Judge("lock level " + DecimalText(level) + (kept ? "" : ", lock settings changed"),
          "lock level " + DecimalText(OnHand().goal), right, verdict);
}

void ExerciseRun::ScrambleAnswered(const ScrambleAnswer& answer) {
    ++revision_;
    if (Finished() || judged_) return;
    const Task& task = OnHand();
    if (task.kind == TaskKind::Shim) {
        Judge("Answer pressed", "lock level " + DecimalText(task.goal), false,
              "Wrong: Answer loaded the settings that cancel the errors.");
        return;
    }
    if (task.kind != TaskKind::Lock) return;  // a game of the student's own, beside the task
    bool inTime = !TimeIsUp();
    bool right = answer.won && answer.level == task.level && inTime;
    std::string verdict = right                        ? "Right: the magnet is locked."
                          : !inTime                    ? "Wrong: the time was up."
                          : answer.level != task.level ? "Wrong: that was a game of another level."
                                                       : "Wrong: the lock was not back.";
    Judge(answer.won ? "locked" : "not locked", "locked", right, verdict);
}

void ExerciseRun::Tick() {
    ++revision_;
    if (Finished()) return;
    if (!judged_ && TimeIsUp()) {
        Judge("no answer", "an answer within " + LimitText(OnHand().minutes), false,
              "Wrong: the time is up.");
        return;
    }
    TellPosition();
}

void ExerciseRun::Judge(std::string answer, std::string expected, bool right, std::string verdict) {
    const Task& task = OnHand();
    double limit = task.minutes > 0 ? task.minutes * 60 : Elapsed();
    TaskRecord record{.task = task_ + 1,
                      .kind = std::string(KindName(task.kind)),
                      .description = Description(task, task_ + 1),
                      .answer = std::move(answer),
                      .expected = std::move(expected),
                      .right = right,
                      .seconds = std::min(Elapsed(), limit),
                      .points = task.points};
    records_[static_cast<std::size_t>(task_)] = record;
    judged_ = true;
    verdict_ = std::move(verdict);
    out_.TaskJudged(record);
    bool last = task_ + 1 == static_cast<int>(set_.tasks.size());
    if (last) {
        ++task_;  // the set is over: nothing more is on hand
        judged_ = false;
    }
    TellPosition();
    if (!last) return;
    ExerciseResult result{Score(), Score() >= set_.passingScore, {}};
    for (const auto& kept : records_) result.tasks.push_back(kept.value_or(TaskRecord{}));
    if (std::optional<std::string> lost = out_.ExercisesFinished(result)) {
        k_->messages.Show(kymbral::kProgramName, *lost);
    }
}

// A judged task counts as done: a resume goes on at the next one.
void ExerciseRun::TellPosition() {
    int onHand = judged_ ? task_ + 1 : task_;
    double used = judged_ ? 0 : Elapsed();
    out_.ExerciseStands({onHand, ExerciseResumeText({onHand, used, records_}, key_)});
}

int ExerciseRun::PointsWon() const {
    int won = 0;
    for (const auto& record : records_) won += record && record->right ? record->points : 0;
    return won;
}

int ExerciseRun::Score() const {
    int set = PointsSet(set_);
    return set == 0 ? 0 : static_cast<int>(std::lround(100.0 * PointsWon() / set));
}
