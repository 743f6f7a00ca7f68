#pragma once

#include <array>
#include <cstdint>
#include <string_view>

// The slide texts separate their lines with carriage returns alone.
inline constexpr char LineBreak[] = "\r";
inline constexpr char ParagraphBreak[] = "\r\r";

inline constexpr int kSlideCount = 26;

// The accepted area of a built-in slide reaches this far left of and above
// its target point, in twips.
inline constexpr int kTargetAreaWidth = 1440;
inline constexpr int kTargetAreaHeight = 300;

// One slide of the built-in show. The target point, in twips on the slide's
// screenshot, is the lower-right corner of the area that a click must hit to go on.
struct BuiltInSlide {
    std::int16_t TargetX = 0;
    std::int16_t TargetY = 0;
    std::string_view SlideText;
};

using SlideTable = std::array<BuiltInSlide, kSlideCount>;

// The whole content of the built-in show, slides 0 to 25.
const SlideTable& Slides();
