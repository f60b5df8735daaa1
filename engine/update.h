// The incremental update of the two evaluation sets after a move, with win
// and draw detection.
#pragma once

#include <cstdint>

// Applies move n of MoveList to set 1 and then to set 2, letting pending
// events be dispatched (Berichtenpomp) before each. A five that wins under
// the rule (vijfwint, rules.h) sets GameState to 3 or 4 and WinningFive and
// ends the update there: that set's windows beyond the five's offset keep
// their products, and after a win in set 1 set 2 never receives the stone.
// A five that wins nothing, under exactly five or renju, ends nothing. With
// no live window left and no win the game is drawn (5). Does nothing once
// GameState is 3 or more; a move whose code is neither colour's, off the
// board or on an occupied point is not entered.
void verwerkzet(int32_t n);

// Above 0 while verwerkzet or a rebuild is part-way through; handlers that run
// from its event dispatching can see that the sets are half updated. Written
// here only; beginupdate gives it its first value.
extern int32_t UpdateDepth;
void beginupdate();

// Resets both sets and applies MoveList[1..MoveCount] again, keeping GameState
// (which must be 1 or 2 for the moves to be applied) and WinningFive.
void herbouwsets();

// A position laid out stone by stone rather than played: between
// beginopstelling and eindopstelling every move enters both sets whatever
// five or dead board it makes on the way, so that the order in which the
// stones come does not matter. eindopstelling then judges the position as it
// stands: a five that wins there under the rule ends the game (BlackWon or
// WhiteWon, and WinningFive its window); else a board with no live window is
// a draw; else GameState stays as it was.
void beginopstelling();
void eindopstelling();

// Builds the update's per-point line table for the board of BoardLines
// lines. richtspelin (setup.h) calls it whenever the size is set.
void bouwlijntabel();
