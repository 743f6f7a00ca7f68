#include "steady_clock.h"

#include <gtest/gtest.h>

#include <ctime>

namespace {

int WholeSecondsOfTheDay() {
    std::time_t now = std::time(nullptr);
    std::tm local = *std::localtime(&now);
    return local.tm_hour * 3600 + local.tm_min * 60 + local.tm_sec;
}

}  // namespace

TEST(SteadyClock, ReadsTheTimeOfDayToAFractionOfASecond) {
    int before = WholeSecondsOfTheDay();
    float now = SteadyClock().Now();
    int after = WholeSecondsOfTheDay();
    if (after < before) GTEST_SKIP() << "midnight passed";
    EXPECT_GE(now, before);
    EXPECT_LE(now, after + 1);
}

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
