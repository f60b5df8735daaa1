// The status line, the score labels and the end-of-game gong.
#pragma once

#include <cstdint>
#include <string>

// The status line for a game state. States 1 and 2 name the move about to be
// made; 3 to 5 the number of moves played. A win whose loser's displayed
// clock is over the limit reads as a loss on time. Any other state gives an
// empty text: the caller leaves the line as it is.
std::string statustekst(int32_t state, int32_t moveCount, double blackClock, double whiteClock,
                        double timeLimit);

// Refreshes the status line and the scores; sounds the gong when the game
// is over.
void toonstatus();
