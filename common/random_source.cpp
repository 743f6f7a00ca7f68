#include "random_source.h"

#include <cstring>

namespace {

// The bits of a float, by memcpy: not every C++ library has std::bit_cast yet.
std::uint32_t Bits(float value) {
    std::uint32_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

}  // namespace

float RandomSource::Rnd(float argument) {
    if (argument == 0.0f) return last_;
    if (argument < 0.0f) {
        // The same negative argument always restarts the same sequence.
        state_ = 0x9E3779B97F4A7C15ULL ^ Bits(argument);
    }
    last_ = Next();
    return last_;
}

void RandomSource::Restart(std::uint64_t seed) {
    state_ = seed;
    last_ = 0.0f;
}

float RandomSource::Next() {
    // Knuth's MMIX linear congruential step; the top 24 bits make a float
    // that is exactly representable and always below 1.
    state_ = state_ * 6364136223846793005ULL + 1442695040888963407ULL;
    auto top24 = static_cast<std::uint32_t>(state_ >> 40);
    return static_cast<float>(top24) / 16777216.0f;
}
