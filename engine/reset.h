// The reset of the two evaluation sets to the empty board, and the board's
// size, on which the empty board depends.
#pragma once

#include <cstdint>

// Empties both evaluation sets, and nothing else: no stones, every window
// product 1, every score the number of windows through its point. Codes,
// the record, SideToMove and GameState are left alone; beginpartij (the
// game record's operations) starts a game with it.
void nieuwepartij();

// Plays the board of n lines from now on: rebuilds the tables that depend
// on the size (the empty board here, the update's line table) and takes the
// choice's scan for it, brings both
// sets to the empty board of n lines and empties the record (MoveCount 0,
// GameState NoGame), since no game carries over to another board; the codes
// stay. A size outside MinBoardSize..MaxBoardSize is refused with false and
// changes nothing.
bool zetbordgrootte(int32_t n);
