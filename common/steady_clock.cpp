#include "steady_clock.h"

#include <ctime>

namespace {

double SecondsSinceLocalMidnight() {
    using namespace std::chrono;
    auto now = system_clock::now();
    std::time_t whole = system_clock::to_time_t(now);
    // One thread reads the clock, so the shared buffer of localtime is safe here.
    std::tm local = *std::localtime(&whole);
    double fraction = duration<double>(now - system_clock::from_time_t(whole)).count();
    return local.tm_hour * 3600.0 + local.tm_min * 60.0 + local.tm_sec + fraction;
}

}  // namespace

SteadyClock::SteadyClock()
    : SteadyClock(SecondsSinceLocalMidnight(), std::chrono::steady_clock::now()) {}

SteadyClock::SteadyClock(double secondsAtStart, std::chrono::steady_clock::time_point start)
    : secondsAtStart_(secondsAtStart), start_(start) {}

float SteadyClock::Now() {
    std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start_;
    return static_cast<float>(secondsAtStart_ + elapsed.count());
}
