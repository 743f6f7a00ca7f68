#include "slide_display.h"

#include <string>

#include "numtext.h"

namespace {

constexpr int kFailedExitCode = 1;

std::string PicturePath(const SlideShow& show, int slide) {
    return (show.folder() / show.slides[static_cast<std::size_t>(slide)].picture).string();
}

float TenthOfTheWay(double from, double to) {
    auto start = static_cast<float>(from);
    return start + 0.1f * (static_cast<float>(to) - start);
}

// Runs of three or more read as "3 to 9".
std::vector<std::string> ScreenRuns(const std::vector<int>& slides) {
    std::vector<std::string> runs;
    for (std::size_t start = 0, end; start < slides.size(); start = end) {
        for (end = start + 1; end < slides.size() && slides[end] == slides[end - 1] + 1; ++end) {
        }
        if (end - start >= 3) {
            runs.push_back(std::to_string(slides[start]) + " to " +
                           std::to_string(slides[end - 1]));
        } else {
            for (std::size_t i = start; i < end; ++i) runs.push_back(std::to_string(slides[i]));
        }
    }
    return runs;
}

std::string JoinedWithAnd(const std::vector<std::string>& items) {
    std::string text;
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (i > 0) text += i + 1 == items.size() ? " and " : ", ";
        text += items[i];
    }
    return text;
}

bool LoadScreenshot(SlideShow& show) {
    const Slide& slide = show.slides[show.SlideIndex];
    std::string path = PicturePath(show, show.SlideIndex);
    if (!show.images.CanLoad(path)) {
        show.messages.Show(tessivar::kProgramName, std::string("Cannot load the screenshot") +
                                                       LineBreak + path + ParagraphBreak +
                                                       "Tessivar will close.");
        show.exitCode = kFailedExitCode;
        return false;
    }
    show.form.Picture1.LoadPicture(path, slide.zoom);
    return true;
}

}  // namespace

std::filesystem::path ScreenshotPath(const std::filesystem::path& workingDirectory, int slide) {
    return ScreenshotFolder(workingDirectory) / ScreenshotName(slide);
}

bool ShowSlide(SlideShow& show) {
    if (!LoadScreenshot(show)) return false;
    // The next slide's screenshot, while the student works on this one.
    show.images.Prefetch(
        PicturePath(show, (show.SlideIndex + 1) % static_cast<int>(show.slides.size())));
    show.form.InfoBox.caption = "Screen: " + NumberText(static_cast<double>(show.SlideIndex)) +
                                ParagraphBreak + show.slides[show.SlideIndex].SlideText +
                                ParagraphBreak;
    return true;
}

void ShowClue(SlideShow& show) {
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
    show.form.ClueLabel.caption = "Clue Level =" + NumberText(static_cast<double>(show.ClueLevel));
}

std::string UnfinishedText(const std::vector<int>& slidesToDo) {
    bool one = slidesToDo.size() == 1;
    return std::string("You have not finished this exercise yet: ") +
           (one ? "screen " : "screens ") + JoinedWithAnd(ScreenRuns(slidesToDo)) +
           (one ? " is" : " are") + " still to do." + ParagraphBreak + "Click the named place on " +
           (one ? "it" : "each of them") + " to finish the exercise.";
}

std::string ScoreCaption(std::int64_t penalty) {
    return "Score =" + NumberText(static_cast<double>(kFullScore - penalty));
}
