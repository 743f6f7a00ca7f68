#pragma once

#include <array>
#include <string_view>

#include "simulator_state.h"

inline constexpr int kParameterCount = 12;
inline constexpr std::size_t kParameterNameWidth = 7;

// The twelve experiment-parameter lines as they stand at start-up: each name
// is padded with blanks to seven characters and followed by its value.
extern const std::array<std::string_view, kParameterCount> kStartupParameterLines;

// Reads every parameter field back from its line, in line order. The value is
// all that follows the name field: a number for numeric parameters, the text
// itself for the others.
void ParseParameterLines(SimulatorState& state);
