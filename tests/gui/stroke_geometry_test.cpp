#include <gtest/gtest.h>
#include <limits>

#include "stroke_geometry.h"

namespace {

Stroke LineOn(UserScale scale, double x1, double y1, double x2, double y2) {
    return {StrokeKind::Line, x1, y1, x2, y2, colours::White, scale};
}

TEST(StrokeGeometry, ScaleSpanCoversTheAreaPixels) {
    auto segment = MapStroke(LineOn({0, 0, 200, 100}, 0, 0, 199, 99.9), 100, 50);
    ASSERT_TRUE(segment);
    EXPECT_EQ(*segment, (PixelSegment{{0, 0}, {99, 49}}));
}

TEST(StrokeGeometry, NegativeHeightTurnsYUpwards) {
    auto segment = MapStroke(LineOn({0, 1000, 100, -2000}, 0, 1000, 50, 0), 100, 100);
    ASSERT_TRUE(segment);
    EXPECT_EQ(*segment, (PixelSegment{{0, 0}, {50, 50}}));
}

TEST(StrokeGeometry, FarEndsAreCutToTheArea) {
    auto segment = MapStroke(LineOn({0, 0, 100, 100}, -1e12, 50, 1e12, 50), 100, 100);
    ASSERT_TRUE(segment);
    EXPECT_EQ(segment->from, (PixelSpot{-1, 50}));
    EXPECT_EQ(segment->to, (PixelSpot{101, 50}));
}

TEST(StrokeGeometry, InvisibleOrNotFiniteStrokesGiveNothing) {
    double nan = std::numeric_limits<double>::quiet_NaN();
    double huge = std::numeric_limits<double>::max();
    UserScale unit{0, 0, 100, 100};
    EXPECT_FALSE(MapStroke(LineOn(unit, 200, 0, 300, 100), 100, 100));
    EXPECT_FALSE(MapStroke(LineOn(unit, nan, 0, 10, 10), 100, 100));
    EXPECT_FALSE(MapStroke(LineOn({0, 0, 0, 100}, 1, 1, 2, 2), 100, 100));
    // Ends so far apart that their distance overflows: nothing, rather than garbage.
    EXPECT_FALSE(MapStroke(LineOn(unit, -huge, -huge, huge, huge), 100, 100));
}

}  // namespace
