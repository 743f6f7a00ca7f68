#include "page_reports.h"

#include "resume_text.h"

JsonOut& PageReports::Start(const char* event) {
    out_.Reset();
    return out_.Open('{').Key("event").Value(event);
}

void PageReports::Finish() {
    out_.Close('}');
    send_(out_.Text());
}

void PageReports::ShowStands(const ShowPosition& position) {
    Start("position").Key("slide").Value(position.slide);
    out_.Key("resume").Value(ResumeText(position, deckKey_));
    Finish();
}

// Each slide's wrong clicks, seconds on show and the points it cost.
std::optional<std::string> PageReports::ShowFinished(const ShowResult& result) {
    Start("show").Key("score").Value(static_cast<double>(result.score));
    out_.Key("slides").Open('[');
    for (const SlideRecord& slide : result.slides) {
        out_.Open('{').Key("wrong").Value(static_cast<double>(slide.wrongClicks));
        out_.Key("seconds").Value(slide.seconds);
        out_.Key("cost").Value(static_cast<double>(slide.cost)).Close('}');
    }
    out_.Close(']');
    Finish();
    return std::nullopt;  // the page keeps nothing itself
}

void PageReports::ScrambleAnswered(const ScrambleAnswer& answer) {
    Start("scramble").Key("level").Value(answer.level).Key("seconds").Value(answer.seconds);
    out_.Key("won").Value(answer.won);
    Finish();
}

void PageReports::TaskJudged(const TaskRecord& record) {
    Start("task").Key("task").Value(record.task).Key("kind").Value(record.kind);
    out_.Key("description").Value(record.description).Key("answer").Value(record.answer);
    out_.Key("expected").Value(record.expected).Key("right").Value(record.right);
    out_.Key("seconds").Value(record.seconds).Key("points").Value(record.points);
    Finish();
}

// The platform's place for a show's slide takes the task on hand.
void PageReports::ExerciseStands(const ExercisePosition& position) {
    Start("position").Key("slide").Value(position.task).Key("resume").Value(position.resume);
    Finish();
}

std::optional<std::string> PageReports::ExercisesFinished(const ExerciseResult& result) {
    Start("exercises").Key("score").Value(result.score).Key("passed").Value(result.passed);
    Finish();
    return std::nullopt;
}
