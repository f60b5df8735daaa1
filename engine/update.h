// Reset and incremental update of the two evaluation sets, with win and draw
// detection.
#pragma once

#include <cstdint>

// Brings both sets to the empty board: no stones, every window product 1,
// every score the number of windows through its point. Codes, the record,
// SideToMove and GameState are left alone.
void nieuwepartij();

// Applies move n of MoveList to set 1 and then to set 2. Before each set it
// lets pending events be dispatched (Berichtenpomp). May set GameState to 3,
// 4 (five in a row) or 5 (no live window left); does nothing at all once
// GameState is 3 or more. A five found in set 1 ends the update there, so set
// 2 never receives the winning stone.
void verwerkzet(int32_t n);

// Passes the turn after a committed move: SideToMove becomes the other
// colour's code, and GameState 1 becomes 2 and 2 becomes 1 (a finished game
// keeps its state).
void wisselbeurt();

// Records a move at (c, r) for the side to move, applies it and passes the
// turn: the whole commit for callers without clocks (tools, tests).
void legzet(int32_t c, int32_t r);

// Resets both sets and applies MoveList[1..MoveCount] again, keeping GameState
// (which must be 1 or 2 for the moves to be applied).
void herbouwsets();

// Above 0 while verwerkzet or a rebuild is part-way through; handlers that run
// from its event dispatching can see that the sets are half updated.
extern int32_t UpdateDepth;

// Builds the update's per-point line table for the board of Bordgrootte lines
// (zetbordgrootte calls it; the table starts out built for BoardSize).
void bouwlijntabel();
