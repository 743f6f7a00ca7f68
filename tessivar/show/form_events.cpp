#include "appearance.h"
#include "numtext.h"
#include "show_resume.h"
#include "slide_display.h"
#include "slide_handlers.h"

namespace {

// Until the first click the clue line points at the first slide's target: it
// ends 5 pixels right of the target, two fifths of the way down it, which for
// the built-in show is where the window's layout draws it.
constexpr double kStartClueGap = 5 * kTwipsPerPixel;

void PointAtFirstTarget(SlideShow& show) {
    if (show.slides.empty()) return;
    const Slide& first = show.slides[show.firstSlide];
    show.form.InfoLine.x2 = first.TargetX + kStartClueGap;
    show.form.InfoLine.y2 = first.TargetY - first.AreaHeight + first.AreaHeight * 2 / 5;
}

}  // namespace

void Form_Load(SlideShow& show) {
    show.slides = show.deck;
    show.records.assign(show.slides.size(), {});
    PointAtFirstTarget(show);
}

void Form_Activate(SlideShow& show) {
    // Score, clue level and the clue line keep their start-up look until the
    // first click; a resumed show goes on with the clue level it left.
    show.SlideIndex = show.firstSlide;
    if (!ShowSlide(show)) return;
    show.shownSince = show.clock.Now();
    show.reports.ShowStands(PositionOf(show));
}

void Picture1_MouseMove(SlideShow& show, int, double x, double y) {
    show.form.MouseXYLabel.caption =
        NumberText(static_cast<float>(x)) + "," + NumberText(static_cast<float>(y));
}
