#include "numtext.h"
#include "show_resume.h"
#include "slide_display.h"
#include "slide_handlers.h"

void Form_Load(SlideShow& show) {
    show.slides = show.deck;
    show.wrongClicks.assign(show.slides.size(), 0);
    show.secondsOnSlide.assign(show.slides.size(), 0);
}

void Form_Activate(SlideShow& show) {
    // Score, clue level and the clue line keep their start-up look until the
    // first click.
    show.ClueLevel = 0;
    show.SlideIndex = show.firstSlide;
    if (!ShowSlide(show)) return;
    show.shownSince = show.clock.Now();
    show.reports.ShowStands(PositionOf(show));
}

void Picture1_MouseMove(SlideShow& show, int, double x, double y) {
    show.form.MouseXYLabel.caption =
        NumberText(static_cast<float>(x)) + "," + NumberText(static_cast<float>(y));
}
