#pragma once

#include <gtest/gtest.h>

#include <filesystem>

#include "fake_clock.h"
#include "fake_image_source.h"
#include "recording_messages.h"
#include "recording_reports.h"
#include "slide_display.h"
#include "slide_handlers.h"

// The slide show as its window opens it, loaded and activated, with all 26
// screenshots in place under a made-up working directory.
struct SlideShowTest : ::testing::Test {
    RecordingMessages messages;
    FakeImageSource images;
    FakeClock clock;
    RecordingReports reports;
    std::filesystem::path workingDirectory = "/home/student/nmr";
    SlideShow show{messages, images, clock, reports,
                   [this] { return ScreenshotFolder(workingDirectory); }};

    SlideShowTest() {
        for (int slide = 0; slide < kSlideCount; ++slide) {
            images.files.insert(ScreenshotPath(workingDirectory, slide).string());
        }
        Form_Load(show);
        Form_Activate(show);
    }

    const Slide& Current() const { return show.slides[show.SlideIndex]; }
    // Just inside the lower-right corner of the accepted area.
    void ClickTarget() {
        Picture1_MouseUp(show, kLeftButton, Current().TargetX - 1, Current().TargetY - 1);
    }
    // No slide's accepted area reaches the picture's top-left corner.
    void ClickWrong() { Picture1_MouseUp(show, kLeftButton, 0, 0); }
    void GoTo(int slide) {
        while (show.SlideIndex != slide) ClickTarget();
    }
};
