// A person's move on the board: whether a person may place a stone now, the
// verdict of the hover test that the window's pointer shows, and the
// acceptance of a press. The view says which grid point a pixel hits; the
// decisions are made here, and the flags below are written here only.
#pragma once

#include <cstdint>

// A press on the board may be taken as a person's move: given by the game
// cycle when it hands the turn to a person, taken away when it takes it
// back (laatmenszetten).
extern bool HumanMayMove;
void laatmenszetten(bool may);

// Computer moves waiting in their think delay. A press is never taken then:
// the waiting move will play for the side to move. A computer move counts
// itself in for its think delay and out again.
extern int32_t ComputerWaiting;
void begincomputerwacht();
void eindcomputerwacht();

// The verdict of the last hover test: a stone may go on the point in
// TargetCol, TargetRow. The window shows the hand exactly while it holds.
extern bool HandShown;

// Sets the verdict and the window's pointer with it.
void toonhand(bool hand);

// The hover test for a pointer at (x, y) in layer pixels: stores the point
// in TargetCol and TargetRow whatever the verdict, and returns whether a
// stone may be placed there (a running game, inside both hit windows, on
// the board, a free point, a person to move, no computer move waiting).
bool beoordeelpunt(int32_t x, int32_t y);

// The pointer moved over the board: the hover test, shown.
void volgmuis(int32_t x, int32_t y);

// The opening test of a press: accepted when a person may move, the hover
// test showed the hand, and the point it found is still free in a running
// game.
bool accepteerklik(bool handShown);

// First values: no person to move, no computer move waiting, the arrow.
void beginmenszet();
