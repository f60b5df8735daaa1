// The computer's choice of move. It does not search ahead: the first four
// moves of a game are random by fixed opening rules, and from the fifth on it
// takes the empty point with the highest score, which the update after the
// previous move has already computed; under exactly five and renju, the
// highest that the rule lets the side to move play.
#pragma once

#include <cstdint>

// The evaluation set a computer move for the side to move reads: set 1 for
// black (computer 1), set 2 for white (computer 2), so that each computer's
// style decides its own moves.
int kiesset();

// The think delay before a computer move: wacht(ms), unless the user has
// released the move in step mode; StepRequested is cleared either way.
// vraagstap releases it (the step key).
void denkna(uint32_t ms);
void vraagstap();

// Chooses the move for the side to move into TargetCol, TargetRow and returns
// true; or, when no empty point has a positive score, sets GameState to 5 and
// returns false. Does nothing and returns false outside a running game. The
// computer's move is speelcomputerzet (record.h), which commits the point;
// only the tests and benchmarks of the choice itself call this alone.
bool kieszet();

// The choice from the fifth move on, in any position with a game running:
// the point of the highest score that the rule lets the side to move play
// (see kiesgefilterd in choice.cpp). Returns false, and sets GameState to 5,
// when no empty point has a positive score.
bool kieshoogste();

// Takes the routine with which the choice finds its point for the board and
// the rule now played: the plain scan under Freestyle, the scan through the
// rule's filter under the others. richtspelin (setup.h) calls it whenever
// the size or the rule is set.
void kieskeuze();
