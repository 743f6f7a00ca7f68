#include <gtest/gtest.h>

#include <string>

#include "fake_clock.h"
#include "fake_image_source.h"
#include "recording_messages.h"
#include "slide_handlers.h"
#include "slide_table.h"

TEST(SlideTable, TextsBreakLinesWithCarriageReturnsAlone) {
    for (const BuiltInSlide& slide : Slides()) {
        EXPECT_EQ(slide.SlideText.find('\n'), std::string_view::npos) << slide.SlideText;
        EXPECT_EQ(slide.SlideText.find("\r\r\r"), std::string_view::npos) << slide.SlideText;
        EXPECT_NE(slide.SlideText.back(), '\r') << slide.SlideText;
    }
}

TEST(SlideTable, IsBuiltWhenTheWindowLoads) {
    RecordingMessages messages;
    FakeImageSource images;
    FakeClock clock;
    Reports nowhere;
    SlideShow show{messages, images, clock, nowhere};
    EXPECT_TRUE(show.slides.empty());
    Form_Load(show);
    EXPECT_EQ(show.slides[25].TargetX, 11070);
    EXPECT_EQ(show.slides[25].SlideText, Slides()[25].SlideText);
}
