#include <gtest/gtest.h>

#include "slide_form.h"

// The screenshot starts right at the window's corner and reaches beyond it;
// score, clue level and instructions lie over it, the mouse position hidden.
TEST(SlideForm, ThePictureFillsTheWindowUnderTheTexts) {
    SlideForm f = MakeSlideForm();
    EXPECT_EQ(f.Picture1.rect.left, 0);
    EXPECT_EQ(f.Picture1.rect.top, 0);
    EXPECT_GE(f.Picture1.rect.width, tessivar::kFormWidth);
    EXPECT_GE(f.Picture1.rect.height, tessivar::kFormHeight);
    EXPECT_FALSE(f.Picture1.sunkenBorder);
    EXPECT_EQ(f.Picture1.background, colours::ButtonFace);  // where no screenshot lies
    for (const Label* label : {&f.ScoreLabel, &f.ClueLabel}) EXPECT_TRUE(label->transparent);
    EXPECT_FALSE(f.MouseXYLabel.visible);
    EXPECT_TRUE(f.InfoBox.wordWrap);
    EXPECT_FALSE(f.InfoBox.transparent);
    EXPECT_TRUE(f.InfoLine.visible);
}
