#pragma once

#include "kymbral.h"

// Start a game: eject the sample, note the time, draw hidden errors (and at the
// harder levels the lock gain, power and phase error), turn Walkup into "Answer".
void ScrambleEasy_Click(Kymbral& k);  // "Scramble"
void Scramble_Click(Kymbral& k);      // "Scramble Hard"
void ScrambleHard_Click(Kymbral& k);  // "Scramble Nightmare"
