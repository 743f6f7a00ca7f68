#pragma once

#include <string>

#include "soak_run.h"

// Texts a student, a cat on the keyboard or a paste from elsewhere could put
// into a text box. Every choice comes from the generator, so a seed replays them.

// Something meant as a number: ordinary, tiny, huge, beyond a double's range,
// not a number at all, or only nearly one.
std::string HostileNumber(SoakRandom& random);

// Something typed on the command line: assignments to every parameter with
// hostile values, "ga" and its look-alikes, empty and very long text, control
// characters and bytes that are not UTF-8.
std::string HostileCommand(SoakRandom& random);

// A deck file as a careless hand or a broken export leaves it: rows of the
// wrong width, hostile numbers and texts, quotes left open, pictures outside
// the folder, any kind of line break.
std::string HostileDeck(SoakRandom& random);
