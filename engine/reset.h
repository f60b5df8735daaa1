// The reset of the two evaluation sets to the empty board.
#pragma once

// Brings both sets to the empty board: no stones, every window product 1,
// every score the number of windows through its point. Codes, the record,
// SideToMove and GameState are left alone.
void nieuwepartij();
