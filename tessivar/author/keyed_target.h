#pragma once

#include <optional>
#include <string>

#include "deck.h"
#include "image_source.h"

// The page numbers the arrow keys by this enum (its codes are made from it).
enum class Arrow { Left, Right, Up, Down };

// An arrow key pressed over the picture: it moves the target, or with
// `resize` moves its right or bottom edge; Shift takes ten pixels at a time.
struct TargetKey {
    Arrow arrow = Arrow::Right;
    bool shift = false;
    bool resize = false;
};

// The target after the key, kept inside the picture and at least a pixel
// wide and high. Without a target the first key places one in the middle of
// the part of the picture in view. None when there is no picture.
std::optional<TargetRect> KeyedTarget(std::optional<TargetRect> target, TargetKey key,
                                      PictureSize picture, TargetRect inView);

// The target as a screen reader says it.
std::string TargetDescription(const std::optional<TargetRect>& target);
