// The highest score of a set and its point on the board being played. The
// scan takes columns 1..N and within each column rows 1..N, and only a
// strictly greater score replaces the candidate, so ties go to the lowest
// column and then the lowest row.
#pragma once

#include <cstdint>

#include "board.h"

// A score grid as a set keeps it, [column][row], with row and column 0 and
// every entry beyond the board 0.
using Scoregrid = int32_t[MaxBoardSize + 1][MaxBoardSize + 1];

// Returns the highest score (0 when no point scores) and, when it is above 0,
// its point in col and row.
int32_t hoogstescore(const Scoregrid& score, int32_t& col, int32_t& row);

// The same by a plain loop, as on processors without wide vectors; the
// vector version must agree with it.
int32_t hoogstescoreeenvoudig(const Scoregrid& score, int32_t& col, int32_t& row);

// The scan of the board of n lines that hoogstescore takes, chosen once:
// a caller that scans after every move keeps it and saves the choice.
using Scanroutine = int32_t (*)(const Scoregrid&, int32_t&, int32_t&);
Scanroutine scanvoor(int32_t n);
