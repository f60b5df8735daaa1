// Taking moves back.
#pragma once

#include <cstdint>

#include "cycle.h"

// How many moves a take-back removes. Between two persons one; with the
// computer playing black against a person, the person's move and the
// computer's reply, or one when the person (white) has just won or when a
// drawn game ended on white's stone, so that the person is to move again;
// between two computers none (the take-back only reopens the game).
int32_t terugneemaantal(Modus mode, int32_t moveCount, int32_t stateAtEntry, bool lastMoveWhite);
