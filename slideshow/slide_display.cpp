#include "slide_display.h"

#include <string>

#include "numtext.h"

namespace {

constexpr int kFailedExitCode = 1;

bool LoadScreenshot(SlideShow& show) {
    const Slide& slide = show.slides[show.SlideIndex];
    std::string path = (show.folder() / slide.picture).string();
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
    show.form.InfoBox.caption = "Screen: " + NumberText(static_cast<double>(show.SlideIndex)) +
                                ParagraphBreak + show.slides[show.SlideIndex].SlideText +
                                ParagraphBreak;
    return true;
}

std::string ScoreCaption(std::int64_t penalty) {
    return "Score =" + NumberText(static_cast<double>(kFullScore - penalty));
}
