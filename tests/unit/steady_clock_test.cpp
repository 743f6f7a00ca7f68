#include "steady_clock.h"

#include <gtest/gtest.h>

TEST(SteadyClock, StartsWithinTheDayAndNeverGoesBack) {
    SteadyClock clock;
    float first = clock.Now();
    EXPECT_GE(first, 0.0f);
    EXPECT_LT(first, 86401.0f);
    float previous = first;
    for (int i = 0; i < 1000; ++i) {
        float now = clock.Now();
        ASSERT_GE(now, previous);
        previous = now;
    }
}
