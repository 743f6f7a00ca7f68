#include "tessivar_driver.h"

#include <cmath>

#include "non_finite_text.h"
#include "numtext.h"
#include "slide_display.h"
#include "tessivar_positions.h"

namespace {

constexpr int kButtons[] = {1, 1, 1, 1, 1, 1, 1, 1, 2, 2, 4, 0, 3, 8};
constexpr const char* kBackHint = "(Right Click on screen to go back.)";

std::string Number(std::int64_t value) {
    return NumberText(static_cast<double>(value));
}

void Expect(bool holds, std::string what, TessivarOutcome& out) {
    if (!holds) out.problems.push_back(std::move(what));
}

}  // namespace

TessivarDriver::TessivarDriver(std::uint64_t seed) : random_(seed) {
    for (int slide = 0; slide < kSlideCount; ++slide) {
        images_.files.insert(ScreenshotPath(workingDirectory_, slide).string());
    }
    Form_Load(show_);
    Form_Activate(show_);
}

TessivarOutcome TessivarDriver::Step() {
    TessivarOutcome out;
    if (std::uniform_int_distribution<int>(0, 9)(random_) < 7) {
        Release(out);
    } else {
        Move(out);
    }
    for (const Label* label : {&show_.form.ScoreLabel, &show_.form.ClueLabel,
                               &show_.form.MouseXYLabel, &show_.form.InfoBox}) {
        Expect(!ShowsNonFinite(label->caption), label->name + ": " + label->caption, out);
    }
    return out;
}

int TessivarDriver::AnyButton() {
    return kButtons[std::uniform_int_distribution<std::size_t>(0,
                                                               std::size(kButtons) - 1)(random_)];
}

void TessivarDriver::Release(TessivarOutcome& out) {
    // Now and then the student loses the way for a long while: the clue level
    // and the penalty grow far, and the score goes deep below zero.
    if (std::uniform_int_distribution<int>(0, 2999)(random_) == 0) lost_ = !lost_;
    int button = AnyButton();
    Position at = ChoosePosition(random_, show_.slides[show_.SlideIndex], lost_);
    out.detail = "button " + std::to_string(button) + " at " + std::to_string(at.x) + ", " +
                 std::to_string(at.y) + " (" + at.where + ") on slide " +
                 std::to_string(show_.SlideIndex);
    std::size_t messagesBefore = messages_.shown.size();
    Picture1_MouseUp(show_, button, at.x, at.y);
    model_.Release(button, at.x, at.y);
    out.handler = model_.finalScore        ? "Picture1_MouseUp ending the show"
                  : model_.clueLevel == 0  ? "Picture1_MouseUp going on"
                  : button == kRightButton ? "Picture1_MouseUp going back"
                                           : "Picture1_MouseUp missing";
    CheckShow(out);
    CheckClueLine(out);
    CheckMessages(messagesBefore, out);
}

// A move only records the position; nothing the student sees changes.
void TessivarDriver::Move(TessivarOutcome& out) {
    Position at = ChoosePosition(random_, show_.slides[show_.SlideIndex], lost_);
    out.handler = "Picture1_MouseMove";
    out.detail = std::to_string(at.x) + ", " + std::to_string(at.y) + " (" + at.where + ")";
    SlideForm before = show_.form;
    int slide = show_.SlideIndex;
    Picture1_MouseMove(show_, AnyButton(), at.x, at.y);
    std::string expected =
        NumberText(static_cast<float>(at.x)) + "," + NumberText(static_cast<float>(at.y));
    Expect(show_.form.MouseXYLabel.caption == expected,
           "MouseXYLabel shows " + show_.form.MouseXYLabel.caption, out);
    Expect(show_.SlideIndex == slide && show_.form.InfoBox == before.InfoBox &&
               show_.form.InfoLine == before.InfoLine && show_.form.ScoreLabel == before.ScoreLabel,
           "a move changed the show", out);
}

void TessivarDriver::CheckShow(TessivarOutcome& out) const {
    const SlideForm& f = show_.form;
    int slide = show_.SlideIndex;
    Expect(slide >= 0 && slide < kSlideCount && slide == model_.slide,
           "on slide " + std::to_string(slide) + ", not " + std::to_string(model_.slide), out);
    if (slide != model_.slide) return;
    Expect(show_.ClueLevel == model_.clueLevel, "clue level " + Number(show_.ClueLevel), out);
    Expect(show_.Penalty == model_.penalty, "penalty " + Number(show_.Penalty), out);
    Expect(f.ClueLabel.caption == "Clue Level =" + Number(show_.ClueLevel),
           "ClueLabel shows " + f.ClueLabel.caption, out);
    Expect(f.ScoreLabel.caption == "Score =" + Number(model_.shownScore),
           "ScoreLabel shows " + f.ScoreLabel.caption, out);
    std::string screen = "Screen: " + Number(slide) + ParagraphBreak +
                         show_.slides[slide].SlideText + ParagraphBreak + kBackHint;
    Expect(f.InfoBox.caption == screen, "InfoBox shows " + f.InfoBox.caption, out);
    Expect(f.Picture1.picture == ScreenshotPath(workingDirectory_, slide).string(),
           "Picture1 shows " + f.Picture1.picture, out);
    Expect(show_.exitCode == 0, "the show wants to end", out);
}

// The line starts where it always did and points ever more plainly at the target.
void TessivarDriver::CheckClueLine(TessivarOutcome& out) const {
    const LineFigure& line = show_.form.InfoLine;
    const Slide& target = show_.slides[show_.SlideIndex];
    bool finite = std::isfinite(line.x1) && std::isfinite(line.y1) && std::isfinite(line.x2) &&
                  std::isfinite(line.y2);
    Expect(finite && line.x1 == 14040 && line.y1 == 6840,
           "InfoLine starts elsewhere or not at a finite place", out);
    Expect(line.visible == (show_.ClueLevel > 0),
           "InfoLine does not show exactly from clue level 1", out);
    if (show_.ClueLevel >= 2) {
        Expect(line.x2 == target.TargetX && line.y2 == target.TargetY, "InfoLine misses the target",
               out);
    }
}

// The end-of-show message, exactly when the last slide is passed forward.
void TessivarDriver::CheckMessages(std::size_t before, TessivarOutcome& out) const {
    std::size_t expected = before + (model_.finalScore ? 1 : 0);
    Expect(messages_.shown.size() == expected,
           std::to_string(messages_.shown.size() - before) + " messages", out);
    if (!model_.finalScore || messages_.shown.size() != expected) return;
    const RecordingMessages::Shown& shown = messages_.shown.back();
    std::string text =
        "You completed this exercise with a score of: " + Number(*model_.finalScore) + "!" +
        ParagraphBreak + "Do you want to try again?";
    Expect(shown.title == "Tessivar" && shown.text == text, "end message: " + shown.text, out);
}
