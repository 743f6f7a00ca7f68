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

// Before any click the clue line points at the first slide's target: for the
// built-in show where the window's layout puts it, for a deck at its own.
TEST(SlideTable, TheFirstClueLinePointsAtTheFirstTarget) {
    RecordingMessages messages;
    FakeImageSource images;
    FakeClock clock;
    Reports nowhere;
    SlideShow builtIn{messages, images, clock, nowhere};
    Form_Load(builtIn);
    EXPECT_EQ(builtIn.form.InfoLine, MakeSlideForm().InfoLine);
    EXPECT_EQ(builtIn.form.InfoLine.x2, 2880);
    EXPECT_EQ(builtIn.form.InfoLine.y2, 8640);

    Slide first = ShownSlide({"a.png", "t", {600, 100, 50, 20}}, 1);
    SlideShow deck{messages, images, clock, nowhere, [] { return "/deck"; }, {first, first}};
    deck.firstSlide = 1;
    Form_Load(deck);
    EXPECT_EQ(deck.form.InfoLine.x2, 650 * 15 + 75);
    EXPECT_EQ(deck.form.InfoLine.y2, 108 * 15);
}
