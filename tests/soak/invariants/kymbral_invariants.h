#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "kymbral.h"
#include "non_finite_text.h"

using Problems = std::vector<std::string>;

// The captions and lists that must agree with the state after any event.
void CheckCaptions(const Kymbral& k, Problems& problems);

// What must hold of the simulator's window after every event, whatever came
// before. A display list only grows between clears, so each stroke is checked
// once, when it first appears.
class KymbralInvariants {
  public:
    // The problems after one event during which the clock ticked `ticks` times.
    Problems After(const Kymbral& k, int ticks);

  private:
    struct Seen {
        std::uint64_t clears = 0;
        std::size_t strokes = 0;
    };
    void CheckPicture(const PictureBox& picture, Seen& seen, std::size_t bound,
                      Problems& problems) const;
    void CheckFigures(const MainForm& f, Problems& problems) const;

    std::array<Seen, 3> seen_{};
    std::size_t fidTicks_ = 0;
};
