#include "show_resume.h"

#include <cstdint>
#include <cstdio>

#include "numtext.h"
#include "slide_display.h"

namespace {

// FNV-1a, 64 bits: stable across platforms and builds, which std::hash is not.
class Fingerprint {
  public:
    void Add(std::string_view text) {
        for (char c : text) {
            hash_ ^= static_cast<unsigned char>(c);
            hash_ *= 0x100000001b3ULL;
        }
        hash_ ^= 0xff;  // ends each field, so that "ab","c" differs from "a","bc"
        hash_ *= 0x100000001b3ULL;
    }
    void Add(double number) { Add(NumberText(number)); }
    std::string Text() const {
        char text[17];
        std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(hash_));
        return text;
    }

  private:
    std::uint64_t hash_ = 0xcbf29ce484222325ULL;
};

}  // namespace

ShowPosition PositionOf(const SlideShow& show) {
    return {show.SlideIndex, show.Penalty, show.wrongClicks, show.secondsOnSlide};
}

void ResumeShow(SlideShow& show, const ShowPosition& position) {
    show.firstSlide = position.slide;
    show.Penalty = position.penalty;
    show.wrongClicks = position.wrongClicks;
    show.secondsOnSlide = position.seconds;
    show.form.ScoreLabel.caption = ScoreCaption(show.Penalty);
    // At start-up the line points at the first slide's target.
    show.form.InfoLine.visible = false;
}

std::string DeckKey(const std::vector<Slide>& slides) {
    Fingerprint fingerprint;
    for (const Slide& slide : slides) {
        fingerprint.Add(slide.picture);
        fingerprint.Add(slide.SlideText);
        for (double value : {slide.TargetX, slide.TargetY, slide.AreaWidth, slide.AreaHeight}) {
            fingerprint.Add(value);
        }
    }
    return fingerprint.Text();
}
