// The status line, the score and the end-of-game gong; the two counts of
// games won, written here only.
#pragma once

#include <QString>
#include <cstdint>

// Games won by black and by white in this run.
extern int32_t BlackWins, WhiteWins;

// A game that a move or a clock has just ended counts for its winner:
// BlackWon for black, WhiteWon for white, nothing for any other state.
void telwinst(int32_t state);

// The win of a finished game taken back (the state it had), unless a score
// reset has already taken it: a count never goes below 0.
void trekwinstaf(int32_t state);

// Both counts to 0, shown (and the gong again in a finished game).
void wisscores();

// The status line for a game state. States 1 and 2 name the move about to be
// made; 3 to 5 the number of moves played. A win whose loser's displayed
// clock is over the limit reads as a loss on time. Any other state gives an
// empty text: the caller leaves the line as it is. In the user's language
// (Status in the translations).
QString statustekst(int32_t state, int32_t moveCount, double blackClock, double whiteClock,
                    double timeLimit);

// Refreshes the status line and the scores; sounds the gong when the game
// is over.
void toonstatus();

// First values: no wins.
void beginscores();
