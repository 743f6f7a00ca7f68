#pragma once

#include <string>

#include "kymbral.h"

// Every control of the main window with its caption, place, font, colours and
// visibility as the window opens, before start-up runs.
MainForm MakeMainForm();

// The window's client area in twips.
namespace kymbral {
inline constexpr int kFormWidth = 19155;
inline constexpr int kFormHeight = 10185;
inline const std::string kFormCaption = std::string(kProgramName) + " (alpha version)";
}  // namespace kymbral
