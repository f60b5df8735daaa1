// The highest score of a set and its point on the board being played. The
// scan takes columns 1..N and within each column rows 1..N, and only a
// strictly greater score replaces the candidate, so ties go to the lowest
// column and then the lowest row.
#pragma once

#include <cstdint>

struct EvalRecord;

// Returns the highest score (0 when no point scores) and, when it is above 0,
// its point in col and row.
int32_t hoogstescore(const EvalRecord& s, int32_t& col, int32_t& row);

// The same by a plain loop, as on processors without wide vectors; the
// vector version must agree with it.
int32_t hoogstescoreeenvoudig(const EvalRecord& s, int32_t& col, int32_t& row);
