#pragma once

#include "kymbral.h"

// Move the sample tube out of or into the magnet, then redraw.
void Eject_Click(Kymbral& k);
void Insert_Click(Kymbral& k);
