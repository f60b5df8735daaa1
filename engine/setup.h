// The engine set up for a board and a rule. The board's size and the rule
// are plain data (BoardLines in board.h, Spelregel in rules.h); three tables
// of other files are derived from them and must follow every change:
//
//   the reset's empty board   (reset.h)   on the size: windows and scores;
//   the update's line table   (update.h)  on the size: the reach of every
//                                         point along its four lines;
//   the choice's scan         (choice.h)  on the size and the rule.
//
// richtspelin alone sets the two and rebuilds the three, in that order, so
// that none of those files needs to know of another's table. This file sits
// above all of them; nothing of the engine calls into it.
#pragma once

#include <cstdint>

// Plays the board of n lines under rule regel (Freestyle, ExactFive, Renju)
// from now on. A size outside MinBoardSize..MaxBoardSize or a value that is
// no rule is refused with false and changes nothing. A new size ends the
// game, since no game carries over to another board: both sets become its
// empty board and the record empties (MoveCount 0, GameState NoGame); the
// codes stay. On the same size the game and its sets stay, and a running
// game plays by the rule from its next move on.
bool richtspelin(int32_t n, int32_t regel);

// The size alone and the rule alone, the other kept as it is.
bool zetbordgrootte(int32_t n);
bool zetspelregel(int32_t regel);

// First values of the engine's data, to be called before anything else of
// the engine: the board of 19 lines under Freestyle with its tables built
// (richtspelin), no game, an empty record, both sets zero but for the codes
// of the Normaal styles (set 1 black 6 and white 5, set 2 black 5 and white
// 6), no step requested. A game then starts with beginpartij.
void beginengine();
