#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// One slide's part in a show: the wrong clicks made on it, the points it
// cost (its share of the penalty, so that the shares add up to it), the
// seconds it was on show, and whether its own correct click passed it.
struct SlideRecord {
    std::int64_t wrongClicks = 0;
    std::int64_t cost = 0;
    double seconds = 0;
    bool passed = false;
    bool operator==(const SlideRecord&) const = default;
};

// Where a slide show stands after a click: all that a later resume needs to
// go on as if the student had stayed. One record per slide, in slide order.
struct ShowPosition {
    int slide = 0;
    std::int64_t penalty = 0;
    std::int64_t clueLevel = 0;
    std::vector<SlideRecord> slides;
    bool operator==(const ShowPosition&) const = default;
};

// How a finished show went: its score and each slide's record, in slide order.
struct ShowResult {
    std::int64_t score = 0;
    std::vector<SlideRecord> slides;
    bool operator==(const ShowResult&) const = default;
};

// An answered scramble game: its level (1 to 3), the seconds from its start
// to the answer, and whether the lock was back.
struct ScrambleAnswer {
    int level = 0;
    double seconds = 0;
    bool won = false;
    bool operator==(const ScrambleAnswer&) const = default;
};

// The unknown sample shown again: the pulse width the student had set (pw)
// against the sample's 90-degree pulse; right when they agree to a tenth.
struct SampleAnswer {
    double pulseWidth = 0;
    double pw90 = 0;
    bool right = false;
    bool operator==(const SampleAnswer&) const = default;
};

// What a student did, told in the programs' own terms. Where it goes is the
// implementation's business (a results file, a learning platform); this one
// keeps nothing, as the desktop simulator and a page outside a platform do.
class Reports {
  public:
    virtual ~Reports() = default;
    virtual void ShowStands(const ShowPosition&) {}
    // Answers what the student must be told when the result could not be kept.
    virtual std::optional<std::string> ShowFinished(const ShowResult&) { return std::nullopt; }
    virtual void ScrambleAnswered(const ScrambleAnswer&) {}
    virtual void SampleAnswered(const SampleAnswer&) {}
};
