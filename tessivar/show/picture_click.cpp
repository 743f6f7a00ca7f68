#include <algorithm>
#include <optional>
#include <string>

#include "numtext.h"
#include "show_resume.h"
#include "slide_display.h"
#include "slide_handlers.h"

namespace {

std::string Number(std::int64_t value) {
    return NumberText(static_cast<double>(value));
}

// The time since the last click goes to the slide that was on show.
void TimeSlide(SlideShow& show) {
    float now = show.clock.Now();
    show.records[show.SlideIndex].seconds += std::max(0.0f, now - show.shownSince);
    show.shownSince = now;
}

// Strictly inside: the area's edges do not count.
bool HitsTarget(const Slide& slide, double x, double y) {
    bool withinX = slide.TargetX - slide.AreaWidth < x && x < slide.TargetX;
    bool withinY = slide.TargetY - slide.AreaHeight < y && y < slide.TargetY;
    return withinX && withinY;
}

int LastSlide(const SlideShow& show) {
    return static_cast<int>(show.slides.size()) - 1;
}

void GoBack(SlideShow& show) {
    show.SlideIndex = show.SlideIndex == 0 ? LastSlide(show) : show.SlideIndex - 1;
}

// A round is finished when every slide was passed by its own correct click:
// going back from the first slide reaches the last one without the work.
std::vector<int> SlidesToDo(const SlideShow& show) {
    std::vector<int> toDo;
    for (std::size_t i = 0; i < show.records.size(); ++i) {
        if (!show.records[i].passed) toDo.push_back(static_cast<int>(i));
    }
    return toDo;
}

// The student cannot decline to start again.
void FinishRound(SlideShow& show) {
    std::optional<std::string> lost =
        show.reports.ShowFinished({kFullScore - show.Penalty, show.records});
    if (lost) show.messages.Show(tessivar::kProgramName, *lost);
    show.records.assign(show.slides.size(), {});
    show.messages.Show(tessivar::kProgramName, "You completed this exercise with a score of: " +
                                                   Number(kFullScore - show.Penalty) + "!" +
                                                   ParagraphBreak + "Do you want to try again?");
}

void GoForward(SlideShow& show) {
    show.ClueLevel = 0;
    show.records[show.SlideIndex].passed = true;
    if (++show.SlideIndex <= LastSlide(show)) return;
    std::vector<int> toDo = SlidesToDo(show);
    if (toDo.empty()) {
        FinishRound(show);
    } else {
        show.messages.Show(tessivar::kProgramName, UnfinishedText(toDo));
    }
    show.SlideIndex = 0;
    show.shownSince = show.clock.Now();  // the message's time is no slide's
}

// Every click costs the clue level it leaves, charged to the slide it leaves
// on show; on slide 0 the cost is shown once and then forgiven, every
// slide's share with it.
void Score(SlideShow& show) {
    show.Penalty += show.ClueLevel;
    show.records[show.SlideIndex].cost += show.ClueLevel;
    show.form.ScoreLabel.caption = ScoreCaption(show.Penalty);
    if (show.SlideIndex != 0) return;
    show.Penalty = 0;
    for (SlideRecord& record : show.records) record.cost = 0;
}

}  // namespace

void Picture1_MouseUp(SlideShow& show, int button, double x, double y) {
    TimeSlide(show);
    ++show.ClueLevel;
    if (button == kRightButton) {
        GoBack(show);
    } else if (button == kLeftButton && HitsTarget(show.slides[show.SlideIndex], x, y)) {
        GoForward(show);
    } else {
        ++show.records[show.SlideIndex].wrongClicks;
    }
    if (!ShowSlide(show)) return;
    show.form.InfoBox.caption += "(Right Click on screen to go back.)";
    ShowClue(show);
    Score(show);
    show.reports.ShowStands(PositionOf(show));
}
