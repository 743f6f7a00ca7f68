#pragma once

#include "slide_show.h"

// The window loads, before it first shows: the slide table is built.
void Form_Load(SlideShow& show);
// The window shows for the first time: the show starts at slide 0.
void Form_Activate(SlideShow& show);
// A mouse button was released over the picture: test the click, move on or
// back, grow the clue and score it. x and y are in twips.
void Picture1_MouseUp(SlideShow& show, int button, double x, double y);
// The mouse moved over the picture: its position goes to the hidden MouseXYLabel.
void Picture1_MouseMove(SlideShow& show, int button, double x, double y);
