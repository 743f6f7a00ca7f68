#pragma once

// Time of day in seconds since midnight, single precision, as the programs read it.
class Clock {
  public:
    virtual ~Clock() = default;
    virtual float Now() = 0;
};
