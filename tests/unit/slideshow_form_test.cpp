#include <gtest/gtest.h>

#include "slide_form.h"

namespace {

const Font kDefault{"MS Sans Serif", 8.25, false};
const Font kArialBold{"Arial", 8.25, true};

}  // namespace

TEST(SlideForm, PictureFillsTheWindowAndReachesBeyondIt) {
    SlideForm f = MakeSlideForm();
    EXPECT_EQ(std::string(kFormCaption), "Tessivar");
    EXPECT_EQ(kFormWidth / 15, 1239);
    EXPECT_EQ(kFormHeight / 15, 705);
    EXPECT_EQ(f.Picture1.name, "Picture1");
    EXPECT_EQ(f.Picture1.rect, (TwipRect{0, 0, 23175, 12735}));
    EXPECT_FALSE(f.Picture1.sunkenBorder);
    EXPECT_EQ(f.Picture1.font, kDefault);
    EXPECT_EQ(f.Picture1.picture, "");
    EXPECT_EQ(f.Picture1.background, colours::ButtonFace);  // where no screenshot lies
}

TEST(SlideForm, ScoreAndClueLevelLieOverTheScreenshot) {
    SlideForm f = MakeSlideForm();
    EXPECT_EQ(f.ScoreLabel.caption, "Score = 0");
    EXPECT_EQ(f.ScoreLabel.rect, (TwipRect{16320, 9720, 1695, 255}));
    EXPECT_EQ(f.ClueLabel.caption, "Clue Level = 0");
    EXPECT_EQ(f.ClueLabel.rect, (TwipRect{14160, 9720, 1695, 255}));
    for (const Label* label : {&f.ScoreLabel, &f.ClueLabel}) {
        EXPECT_EQ(label->font, kArialBold) << label->name;
        EXPECT_EQ(label->alignment, Alignment::Centre) << label->name;
        EXPECT_TRUE(label->transparent) << label->name;
        EXPECT_TRUE(label->visible) << label->name;
    }
}

TEST(SlideForm, MousePositionLabelIsHidden) {
    SlideForm f = MakeSlideForm();
    EXPECT_EQ(f.MouseXYLabel.caption, "0,0");
    EXPECT_EQ(f.MouseXYLabel.rect, (TwipRect{12600, 9720, 1455, 255}));
    EXPECT_EQ(f.MouseXYLabel.font, kDefault);
    EXPECT_EQ(f.MouseXYLabel.alignment, Alignment::Centre);
    EXPECT_FALSE(f.MouseXYLabel.visible);
}

TEST(SlideForm, InfoBoxIsAnOpaqueWrappedTextBesideTheClueLine) {
    SlideForm f = MakeSlideForm();
    EXPECT_EQ(f.InfoBox.caption, "HelpInfoBox");
    EXPECT_EQ(f.InfoBox.rect, (TwipRect{14160, 6720, 3855, 2775}));
    EXPECT_EQ(f.InfoBox.font, kDefault);
    EXPECT_EQ(f.InfoBox.alignment, Alignment::Left);
    EXPECT_TRUE(f.InfoBox.wordWrap);
    EXPECT_FALSE(f.InfoBox.transparent);
    EXPECT_EQ(f.InfoBox.background, colours::ButtonFace);
    EXPECT_EQ(f.InfoBox.foreground, colours::ButtonText);

    const LineFigure& line = f.InfoLine;
    EXPECT_EQ(line.colour, Colour::Rgb(0, 0, 192));
    EXPECT_EQ(line.width, 2);
    EXPECT_TRUE(line.visible);
    EXPECT_EQ(line.x1, 14040);
    EXPECT_EQ(line.y1, 6840);
    EXPECT_EQ(line.x2, 2880);
    EXPECT_EQ(line.y2, 8640);
}
