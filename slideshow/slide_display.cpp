#include "slide_display.h"

#include <string>

#include "numtext.h"

namespace {

constexpr int kFailedExitCode = 1;

bool LoadScreenshot(SlideShow& show) {
    std::string path = ScreenshotPath(show.workingDirectory(), show.SlideIndex).string();
    if (!show.images.CanLoad(path)) {
        show.messages.Show(kProgramName, std::string("Cannot load the screenshot") + LineBreak +
                                             path + ParagraphBreak + "Tessivar will close.");
        show.exitCode = kFailedExitCode;
        return false;
    }
    show.form.Picture1.LoadPicture(path);
    return true;
}

}  // namespace

std::filesystem::path ScreenshotPath(const std::filesystem::path& workingDirectory, int slide) {
    return workingDirectory / "Orvane ScreenShots" /
           ("ScreenShot-" + std::to_string(slide) + ".jpg");
}

bool ShowSlide(SlideShow& show) {
    if (!LoadScreenshot(show)) return false;
    show.form.InfoBox.caption =
        "Screen: " + NumberText(static_cast<double>(show.SlideIndex)) + ParagraphBreak +
        std::string(show.slides[show.SlideIndex].SlideText) + ParagraphBreak;
    return true;
}
