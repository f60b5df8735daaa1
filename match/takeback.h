// Taking moves back.
#pragma once

#include <cstdint>

#include "window.h"

// How many moves a take-back removes. Between two persons one; with the
// computer playing black against a person, the person's move and the
// computer's reply, or one when the person (white) has just won or when a
// drawn game ended on white's stone, so that the person is to move again;
// between two computers none (the take-back only reopens the game).
int32_t terugneemaantal(Modus mode, int32_t moveCount, int32_t stateAtEntry, bool lastMoveWhite);

// "Neem zet terug" (also Backspace): removes the last move or moves by the
// mode, rebuilds the position, takes a win taken back off the score, and
// gives the move to a person.
void neemzetterug();
