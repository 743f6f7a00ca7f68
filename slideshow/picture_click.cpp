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
    show.secondsOnSlide[show.SlideIndex] += std::max(0.0f, now - show.shownSince);
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

// The student cannot decline to start again.
void GoForward(SlideShow& show) {
    show.ClueLevel = 0;
    if (++show.SlideIndex <= LastSlide(show)) return;
    std::optional<std::string> lost = show.reports.ShowFinished(
        {kFullScore - show.Penalty, show.wrongClicks, show.secondsOnSlide});
    if (lost) show.messages.Show(kProgramName, *lost);
    show.wrongClicks.assign(show.slides.size(), 0);
    show.secondsOnSlide.assign(show.slides.size(), 0);
    show.messages.Show(kProgramName, "You completed this exercise with a score of: " +
                                         Number(kFullScore - show.Penalty) + "!" + ParagraphBreak +
                                         "Do you want to try again?");
    show.SlideIndex = 0;
    show.shownSince = show.clock.Now();  // the message's time is no slide's
}

float TenthOfTheWay(double from, double to) {
    auto start = static_cast<float>(from);
    return start + 0.1f * (static_cast<float>(to) - start);
}

// The first wrong click hints at the direction, later ones point at the target.
void DrawClue(SlideShow& show) {
    LineFigure& line = show.form.InfoLine;
    const Slide& slide = show.slides[show.SlideIndex];
    line.visible = show.ClueLevel > 0;
    if (show.ClueLevel == 1) {
        line.x2 = TenthOfTheWay(line.x1, slide.TargetX);
        line.y2 = TenthOfTheWay(line.y1, slide.TargetY);
    } else if (show.ClueLevel > 1) {
        line.x2 = slide.TargetX;
        line.y2 = slide.TargetY;
    }
}

// Every click costs the clue level it leaves; on slide 0 the cost is shown
// once and then forgiven.
void Score(SlideShow& show) {
    show.form.ClueLabel.caption = "Clue Level =" + Number(show.ClueLevel);
    show.Penalty += show.ClueLevel;
    show.form.ScoreLabel.caption = ScoreCaption(show.Penalty);
    if (show.SlideIndex == 0) show.Penalty = 0;
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
        ++show.wrongClicks[show.SlideIndex];
    }
    if (!ShowSlide(show)) return;
    show.form.InfoBox.caption += "(Right Click on screen to go back.)";
    DrawClue(show);
    Score(show);
    show.reports.ShowStands(PositionOf(show));
}
