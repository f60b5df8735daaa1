// Pointer input on the board: which grid point a pointer position hits, and
// whether a person may place a stone there now.
//
// Along each axis the hit window of line k holds the offsets from line 1
// that lie strictly between (k - 1) p - h and (k - 1) p + h, with the cell
// size p = the pitch and the half-width h = 0.35 of the pitch, both rounded
// halves to even. Where the pitch is not whole the windows drift against
// the lines by up to half a pixel per line; between them lies a dead band.
#pragma once

#include <cstdint>

// A press on the board may be taken as a person's move: set by the game
// cycle when it hands the turn to a person, cleared when it takes it away.
extern bool HumanMayMove;
// Computer moves waiting in their think delay. A press is never taken then:
// the waiting move will play for the side to move.
extern int32_t ComputerWaiting;

// The hover evaluation for a pointer at (x, y) in layer pixels: stores the
// point in TargetCol and TargetRow whatever the verdict, and returns whether
// a stone may be placed there (a running game, inside both hit windows, on
// the board, a free point, a person to move, no computer move waiting). The
// window shows the hand exactly when this is true.
bool beoordeelpunt(int32_t x, int32_t y);

// The opening test of a press: accepted when a person may move, the last
// hover evaluation showed the hand, and the point it found is still free in
// a running game.
bool accepteerklik(bool handShown);
