// Board drawing helpers outside the window class.
#pragma once

#include <cstdint>

// Draws the number or marker of move n into the composition buffer.
void tekenmerk(int32_t n);

// The full redraw done the plain way: the empty board, then every stone
// through its own whole-layer copy into the buffer and back, silently.
// tekenbord gives exactly these pixels at a fraction of the cost; this
// version is kept as the measure for it (tests, benchmark).
void tekenbordpersteen();

// The device pixel ratio the layer pictures are drawn for: 1, or 2 and more
// on high-density screens.
int beeldschaal();
