// The reset of the two evaluation sets to the empty board of the board in
// play.
#pragma once

#include <cstdint>

// Empties both evaluation sets, and nothing else: no stones, every window
// product 1, every score the number of windows through its point. Codes,
// the record, SideToMove and GameState are left alone; beginpartij (the
// game record's operations) starts a game with it.
void nieuwepartij();

// Builds the empty board of BoardLines lines that nieuwepartij copies.
// richtspelin (setup.h) calls it whenever the size is set.
void bouwleegbord();
