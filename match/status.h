// The texts of the status line and the take-back rule, as plain functions of
// the game state so that every case can be checked without a window.
#pragma once

#include <cstdint>
#include <string>

// The status line for a game state. States 1 and 2 name the move about to be
// made; 3 to 5 the number of moves played. A win whose loser's displayed
// clock is over the limit reads as a loss on time. Any other state gives an
// empty text: the caller leaves the line as it is.
std::string statustekst(int32_t state, int32_t moveCount, double blackClock, double whiteClock,
                        double timeLimit);

enum class Spelers { MensMens, ComputerMens, ComputerComputer };

// How many moves a take-back removes. Between two persons one; with the
// computer playing black against a person, the person's move and the
// computer's reply, or one when the person (white) has just won or when a
// drawn game ended on white's stone, so that the person is to move again;
// between two computers none (the take-back only reopens the game).
int32_t terugneemaantal(Spelers mode, int32_t moveCount, int32_t stateAtEntry, bool lastMoveWhite);
