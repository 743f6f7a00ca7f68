#include "slide_display.h"

#include <string>

#include "numtext.h"

namespace {

constexpr int kFailedExitCode = 1;

std::string PicturePath(const SlideShow& show, int slide) {
    return (show.folder() / show.slides[static_cast<std::size_t>(slide)].picture).string();
}

bool LoadScreenshot(SlideShow& show) {
    const Slide& slide = show.slides[show.SlideIndex];
    std::string path = PicturePath(show, show.SlideIndex);
    if (!show.images.CanLoad(path)) {
        show.messages.Show(kProgramName, std::string("Cannot load the screenshot") + LineBreak +
                                             path + ParagraphBreak + "Tessivar will close.");
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

std::string ScoreCaption(std::int64_t penalty) {
    return "Score =" + NumberText(static_cast<double>(kFullScore - penalty));
}
