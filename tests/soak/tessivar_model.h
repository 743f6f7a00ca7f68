#pragma once

#include <cstdint>
#include <optional>

#include <vector>

#include "slide.h"

// What the slide show must show, worked out from the rules of the show alone:
// the expectation the handlers are held to after every release on the picture.
class TessivarModel {
  public:
    explicit TessivarModel(const std::vector<Slide>& slides) : slides_(slides) {}

    // A button released at (x, y) in twips.
    void Release(int button, double x, double y);

    int slide = 0;
    std::int64_t clueLevel = 0;
    std::int64_t penalty = 0;
    // The score the label shows: 100 less the penalty before slide 0 forgives it.
    std::int64_t shownScore = 100;
    // The score the end-of-show message reports, when the last release ended the show.
    std::optional<std::int64_t> finalScore;

  private:
    bool Hits(double x, double y) const;

    const std::vector<Slide>& slides_;
};
