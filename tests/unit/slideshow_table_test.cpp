#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "fake_image_source.h"
#include "recording_messages.h"
#include "slide_handlers.h"
#include "slide_table.h"

TEST(SlideTable, HasATargetForEachOfTheTwentySixSlides) {
    const std::pair<int, int> targets[] = {
        {2805, 8820},  {2055, 2085},  {8325, 7620},  {8790, 8205},  {1725, 6810}, {2685, 8970},
        {14925, 4800}, {13560, 3345}, {5745, 9930},  {12270, 9915}, {9375, 6630}, {18420, 3225},
        {6375, 1905},  {9510, 6630},  {6930, 7350},  {8925, 7365},  {8910, 8220}, {11760, 8475},
        {13410, 6630}, {9150, 8190},  {12480, 7440}, {6270, 1905},  {9405, 6645}, {6435, 1920},
        {9000, 6270},  {11070, 7305}};
    const SlideTable& slides = Slides();
    ASSERT_EQ(slides.size(), std::size(targets));
    for (int i = 0; i < kSlideCount; ++i) {
        EXPECT_EQ(slides[i].TargetX, targets[i].first) << "slide " << i;
        EXPECT_EQ(slides[i].TargetY, targets[i].second) << "slide " << i;
    }
}

TEST(SlideTable, TextsBreakLinesWithCarriageReturnsAlone) {
    EXPECT_EQ(std::string(LineBreak), "\r");
    EXPECT_EQ(std::string(ParagraphBreak), std::string(LineBreak) + LineBreak);
    for (const BuiltInSlide& slide : Slides()) {
        EXPECT_EQ(slide.SlideText.find('\n'), std::string_view::npos) << slide.SlideText;
        EXPECT_EQ(slide.SlideText.find("\r\r\r"), std::string_view::npos) << slide.SlideText;
        EXPECT_NE(slide.SlideText.back(), '\r') << slide.SlideText;
    }
}

TEST(SlideTable, KeepsTheTextsLetterForLetter) {
    const SlideTable& slides = Slides();
    EXPECT_EQ(slides[0].SlideText,
              "Here are the steps you should do to collect and process data on the Vastrel NMR."
              "\r\rImmediately after starting Orvane from the desktop,\r\r      click New Study");
    EXPECT_EQ(slides[6].SlideText,
              "Program automatically tries to find Z0.\r\rRecall\r"
              "Z0 increases/decreases the magnetic field slightly.\r"
              "If Z0 is too far off, it may not find it.\r"
              "We will deal with that problem later if needed.\r\rClick bottom of Z in Finding Z0");
    EXPECT_EQ(slides[21].SlideText,
              "You could repeat the experiment by repeating what is in Screens 1-12\r\r"
              "OR Type in ga and Enter in the top box.\r"
              "  ga   runs the experiment with the parameters you just set.\r\r"
              "Click ga on the command line.");
    // One line of more than 200 characters, left for the info box to wrap.
    std::string_view longLine = slides[24].SlideText.substr(0, slides[24].SlideText.find('\r'));
    EXPECT_GT(longLine.size(), 200u);
    EXPECT_TRUE(longLine.ends_with("from their center. These are not real."));
}

TEST(SlideTable, IsBuiltWhenTheWindowLoads) {
    RecordingMessages messages;
    FakeImageSource images;
    SlideShow show{messages, images};
    EXPECT_TRUE(show.slides.empty());
    Form_Load(show);
    EXPECT_EQ(show.slides[25].TargetX, 11070);
    EXPECT_EQ(show.slides[25].SlideText, Slides()[25].SlideText);
}
