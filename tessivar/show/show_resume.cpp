#include "show_resume.h"

#include "fingerprint.h"
#include "numtext.h"
#include "slide_display.h"

ShowPosition PositionOf(const SlideShow& show) {
    return {show.SlideIndex, show.Penalty, show.ClueLevel, show.records};
}

void ResumeShow(SlideShow& show, const ShowPosition& position) {
    show.firstSlide = show.SlideIndex = position.slide;
    show.Penalty = position.penalty;
    show.ClueLevel = position.clueLevel;
    show.records = position.slides;
    show.form.ScoreLabel.caption = ScoreCaption(show.Penalty);
    ShowClue(show);
}

std::string DeckKey(const std::vector<Slide>& slides) {
    Fingerprint fingerprint;
    for (const Slide& slide : slides) {
        fingerprint.Add(slide.picture).Add(slide.SlideText);
        for (double value : {slide.TargetX, slide.TargetY, slide.AreaWidth, slide.AreaHeight}) {
            fingerprint.Add(NumberText(value));
        }
    }
    return fingerprint.Text();
}
