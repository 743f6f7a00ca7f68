#pragma once

#include "embedded_font_families.h"

// Registers the fonts the program carries with the application's font
// database: once, after the application object exists and before anything
// is drawn. False if one of them would not load.
bool RegisterEmbeddedFonts();
