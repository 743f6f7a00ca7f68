#pragma once

#include <cstdint>

// The program-wide source of uniform values 0 <= u < 1. It is never seeded
// from the clock, so every run of a program yields the same sequence.
class RandomSource {
  public:
    // argument > 0: the next value; == 0: the most recent value again;
    // < 0: restart from a seed made from the argument and give its first value.
    float Rnd(float argument = 1.0f);
    // Starts a sequence of its own for this seed: for a student whose games
    // must differ from the others' and stay the same at every launch.
    void Restart(std::uint64_t seed);

  private:
    float Next();

    std::uint64_t state_ = 0x2545F4914F6CDD1DULL;
    float last_ = 0.0f;
};
