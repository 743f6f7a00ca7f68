#include <gtest/gtest.h>

#include "keyed_target.h"

// Setting a target by keys: moved and sized a pixel or ten at a time, kept
// inside the picture and never empty; the first key places one in view.

namespace {

const PictureSize kShot{400, 300};
const TargetRect kWhole{0, 0, 400, 300};

}  // namespace

TEST(KeyedTarget, MovesAndSizesWithinThePicture) {
    struct Case {
        std::optional<TargetRect> before;
        TargetKey key;
        TargetRect inView;
        TargetRect after;
    };
    const Case cases[] = {
        {std::nullopt, {Arrow::Left, false, false}, kWhole, {150, 135, 100, 30}},
        {std::nullopt, {Arrow::Down, true, true}, {300, 280, 100, 20}, {300, 270, 100, 30}},
        {TargetRect{10, 20, 30, 40}, {Arrow::Right, false, false}, kWhole, {11, 20, 30, 40}},
        {TargetRect{10, 20, 30, 40}, {Arrow::Up, true, false}, kWhole, {10, 10, 30, 40}},
        {TargetRect{5, 5, 30, 40}, {Arrow::Left, true, false}, kWhole, {0, 5, 30, 40}},
        {TargetRect{365, 5, 30, 40}, {Arrow::Right, true, false}, kWhole, {370, 5, 30, 40}},
        {TargetRect{10, 20, 30, 40}, {Arrow::Down, true, true}, kWhole, {10, 20, 30, 50}},
        {TargetRect{10, 20, 30, 40}, {Arrow::Left, false, true}, kWhole, {10, 20, 29, 40}},
        {TargetRect{10, 20, 5, 40}, {Arrow::Left, true, true}, kWhole, {10, 20, 1, 40}},
        {TargetRect{10, 255, 30, 40}, {Arrow::Down, true, true}, kWhole, {10, 255, 30, 45}},
        // A target from a larger picture comes inside this one first.
        {TargetRect{390, 0, 500, 30}, {Arrow::Down, false, false}, kWhole, {0, 1, 400, 30}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(KeyedTarget(c.before, c.key, kShot, c.inView), c.after)
            << TargetDescription(c.before);
    }
    EXPECT_EQ(KeyedTarget(TargetRect{1, 2, 3, 4}, {}, {0, 0}, kWhole), std::nullopt);
    EXPECT_EQ(KeyedTarget(std::nullopt, {}, {50, 20}, kWhole), (TargetRect{0, 0, 50, 20}));
    EXPECT_EQ(TargetDescription(TargetRect{1, 2, 3, 4}), "Left 1, top 2, 3 by 4 pixels");
}
