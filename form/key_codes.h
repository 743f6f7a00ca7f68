#pragma once

// The desktop's virtual key codes, which the handlers receive and by which
// the views' key rules know keys, whichever device or page they come from.
inline constexpr int kBackspaceKey = 8;
inline constexpr int kEnterKey = 13;  // Return and the keypad's Enter alike
inline constexpr int kSpaceKey = 32;
inline constexpr int kLeftKey = 37;
inline constexpr int kUpKey = 38;
inline constexpr int kRightKey = 39;
inline constexpr int kDownKey = 40;
