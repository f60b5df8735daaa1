// The game record's operations: starting a game, committing a move, passing
// the turn, taking moves back. The game cycle, the tools and the tests all go
// through these, so that the record, SideToMove, GameState and the two sets
// are always changed together and in the same way.
#pragma once

#include <cstdint>

#include "board.h"

// The code (set 1) of the other colour: the two codes sum to BlackCode +
// WhiteCode, whatever the style.
inline int32_t tegenstander(int32_t code) {
    return EvalSet[1].BlackCode + EvalSet[1].WhiteCode - code;
}

// The running game's state for the side in SideToMove: BlackToMove or
// WhiteToMove.
inline int32_t aanzet() {
    return SideToMove == EvalSet[1].BlackCode ? BlackToMove : WhiteToMove;
}

// An empty board for a new game: both sets reset, no moves, and `state`
// names who is to move: BlackToMove or WhiteToMove opens a game with that
// colour; NoGame leaves the board empty with no game running (and black's
// code in SideToMove, as before a first game).
void beginpartij(int32_t state);

// Passes the turn after a committed move: SideToMove becomes the other
// colour's code, and GameState 1 becomes 2 and 2 becomes 1 (a finished game
// keeps its state).
void wisselbeurt();

// Records a move at (c, r) for the side to move, applies it and passes the
// turn. Nothing happens once all points are recorded.
void legzet(int32_t c, int32_t r);

// The computer's move for the side to move: the choice (kieszet, choice.h)
// and its commit (legzet) as one step, for the game, the tools and the
// benchmarks alike. Returns whether a stone was placed, and leaves
// TargetCol, TargetRow at the point chosen. False outside a running game,
// when the choice finds no point that scores (it calls the game drawn), and
// when all points are recorded.
bool speelcomputerzet();

// Takes back the last k moves (0..MoveCount): the record is lowered, the turn
// goes back one colour per move taken back, the game runs again with that
// side to move, and both sets are rebuilt from what remains. With k = 0 the
// game is only reopened. A board on which no five can be made any more stays
// drawn.
void neemterug(int32_t k);

// The whole game: record, turn, state and both sets, so that a caller can try
// a position out and put the game back as it was.
struct Partijkopie {
    MoveRecord moves[MaxBoardPoints + 1];
    int32_t count, side, state;
    Vijfvenster five;
    EvalRecord sets[3];
};
void bewaarpartij(Partijkopie& kopie);
void herstelpartij(const Partijkopie& kopie);
