#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "accessible.h"
#include "announce_pacer.h"
#include "controls.h"
#include "key_clicks.h"
#include "key_codes.h"
#include "reading_order.h"

namespace {

constexpr int px = kTwipsPerPixel;

TwipRect Px(int left, int top, int width, int height) {
    return {left * px, top * px, width * px, height * px};
}

TEST(ReadingOrder, RowsTopToBottomAndAreasLeftToRight) {
    struct Case {
        const char* layout;
        std::vector<TwipRect> rects;
        std::vector<std::size_t> order;
    };
    const Case cases[] = {
        {"a grid, given out of order",
         {Px(100, 40, 50, 20), Px(0, 0, 50, 20), Px(100, 0, 50, 20), Px(0, 40, 50, 20)},
         {1, 2, 3, 0}},
        {"a column beside a list as tall as it: the column first",
         {Px(200, 0, 80, 200), Px(0, 0, 80, 20), Px(0, 100, 80, 20)},
         {1, 2, 0}},
        {"buttons drawn to meet, one pixel over each other: two rows",
         {Px(0, 17, 90, 17), Px(0, 0, 90, 18)},
         {1, 0}},
        {"a staircase of two columns a pixel over each other, then a list meeting the last "
         "by a pixel: the staircase row by row",
         {Px(0, 0, 130, 17), Px(129, 50, 130, 17), Px(0, 25, 130, 17), Px(258, 0, 100, 100),
          Px(129, 75, 130, 17)},
         {0, 2, 1, 4, 3}},
        {"nothing apart: top first, then left", {Px(10, 0, 90, 90), Px(0, 5, 90, 90)}, {0, 1}},
    };
    for (const Case& c : cases) EXPECT_EQ(ReadingOrder(c.rects), c.order) << c.layout;
}

TEST(KnobKeys, StandForTheMouseButtons) {
    const std::pair<int, int> cases[] = {
        {kSpaceKey, kLeftButton},
        {kEnterKey, kLeftButton},
        {kDownKey, kLeftButton},
        {kUpKey, kRightButton},
        {kLeftKey, 0},
        {kRightKey, 0},
        {kBackspaceKey, 0},
        {'A', 0},
    };
    for (auto [key, button] : cases) EXPECT_EQ(KnobButtonFor(key), button) << key;
}

TEST(KeyboardPointer, MovesWithinWhatIsSeenAndClicksWhereItIs) {
    const TwipRect seen = Px(0, 0, 100, 50);
    struct Case {
        int key;
        bool shift;
        double x, y;  // pixels, after the key
        int button;
    };
    const Case cases[] = {
        {kRightKey, false, 54, 25, 0},  // from the middle, one step
        {kLeftKey, true, 14, 25, 0},    // Shift: ten steps
        {kLeftKey, true, 0, 25, 0},     // not past the edge
        {kDownKey, true, 0, 49, 0},     // nor past the last pixel
        {kUpKey, false, 0, 45, 0},
        {kEnterKey, false, 0, 45, kLeftButton},
        {kBackspaceKey, false, 0, 45, kRightButton},
        {'A', false, 0, 45, 0},
    };
    KeyboardPointer pointer;
    for (const Case& c : cases) {
        PointerKeyResult result = pointer.Key(c.key, c.shift, seen);
        EXPECT_EQ(pointer.x, c.x * px) << c.key;
        EXPECT_EQ(pointer.y, c.y * px) << c.key;
        EXPECT_EQ(result.button, c.button) << c.key;
        EXPECT_EQ(result.moved, c.button == 0 && c.key != 'A') << c.key;
    }
}

TEST(AnnouncePacer, ReadsAMovingValueOnceASecondAndItsLatestLast) {
    AnnouncePacer pacer;
    EXPECT_TRUE(pacer.Changed(10.0));
    EXPECT_FALSE(pacer.Changed(10.3));  // waits
    EXPECT_FALSE(pacer.Changed(10.6));  // still one waiting
    EXPECT_EQ(pacer.Due(), std::optional(11.0));
    EXPECT_FALSE(pacer.TakeDue(10.9));
    EXPECT_TRUE(pacer.TakeDue(11.0));
    EXPECT_FALSE(pacer.TakeDue(11.5));  // read once
    EXPECT_EQ(pacer.Due(), std::nullopt);
    EXPECT_FALSE(pacer.Changed(11.5));
    EXPECT_TRUE(pacer.TakeDue(12.0));
    EXPECT_TRUE(pacer.Changed(13.5));  // quiet long enough: at once
}

TEST(SpokenText, LineBreaksOfEveryKindAreLineFeeds) {
    EXPECT_EQ(SpokenText("Screen:  2\r\rClick\r\nhere\n"), "Screen:  2\n\nClick\nhere\n");
}

}  // namespace
