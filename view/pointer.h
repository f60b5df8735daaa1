// Pointer input on the board: which grid point a pointer position hits.
//
// Along each axis the hit window of line k holds the offsets from line 1
// that lie strictly between (k - 1) p - h and (k - 1) p + h, with the cell
// size p = the pitch and the half-width h = 0.35 of the pitch, both rounded
// halves to even. Where the pitch is not whole the windows drift against
// the lines by up to half a pixel per line; between them lies a dead band.
// Whether a stone may be placed on the point found is match control's
// decision.
#pragma once

#include <cstdint>

// The grid point for a pointer at (x, y) in layer pixels: stored in
// TargetCol and TargetRow whatever is found; true when the pointer lies
// inside the hit windows of a column and a row of the board.
bool raakpunt(int32_t x, int32_t y);
