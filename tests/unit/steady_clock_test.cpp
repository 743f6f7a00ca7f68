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

// Read a minute after it started, the clock has moved on a minute, also past
// midnight: it never wraps.
TEST(SteadyClock, CountsOnFromItsStartPastMidnight) {
    auto aMinuteAgo = std::chrono::steady_clock::now() - std::chrono::minutes(1);
    for (double start : {100.0, 86399.0}) {
        EXPECT_NEAR(SteadyClock(start, aMinuteAgo).Now(), start + 60, 1) << start;
    }
}
