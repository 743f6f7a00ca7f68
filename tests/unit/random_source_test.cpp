#include "random_source.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

namespace {

std::vector<float> Draws(RandomSource& source, int count) {
    std::vector<float> values;
    for (int i = 0; i < count; ++i) values.push_back(source.Rnd(1));
    return values;
}

}  // namespace

TEST(RandomSource, ValuesLieInTheUnitIntervalAndVary) {
    RandomSource source;
    std::set<float> distinct;
    for (float u : Draws(source, 10000)) {
        ASSERT_GE(u, 0.0f);
        ASSERT_LT(u, 1.0f);
        distinct.insert(u);
    }
    EXPECT_GT(distinct.size(), 9900u);
}

TEST(RandomSource, ZeroRepeatsTheMostRecentValue) {
    RandomSource source;
    float u = source.Rnd(1);
    EXPECT_EQ(source.Rnd(0), u);
    EXPECT_EQ(source.Rnd(0), u);
    EXPECT_NE(source.Rnd(5), u);  // any positive argument moves on
}

TEST(RandomSource, NegativeArgumentRestartsFromItsSeed) {
    RandomSource a, b;
    Draws(a, 17);
    float first = a.Rnd(-3);
    EXPECT_EQ(b.Rnd(-3), first);
    EXPECT_EQ(Draws(a, 10), Draws(b, 10));
    RandomSource c;
    EXPECT_NE(c.Rnd(-4), first);
}
