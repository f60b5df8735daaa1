// The rule of the game being played, chosen at run time. The game itself
// plays Freestyle; the other two serve the tournament leagues.
//
//   Freestyle  five or more of one colour in a row wins.
//   ExactFive  exactly five wins, for both colours: a row of six or more is
//              a position like any other.
//   Renju      white wins with five or more; black wins with exactly five
//              and may not play a forbidden point: one that makes an
//              overline (six or more), two fours or two threes at once. A
//              point that makes a five is never forbidden. A three counts
//              only if black can make it a straight four (four in a row,
//              both ends free, each end making exactly five) by a move that
//              is not forbidden itself, so the test recurses. It weighs a
//              stone on the stones as they stand first and recurses only
//              where they leave the verdict open, which keeps the crowded
//              positions whose threes lead to threes on and on cheap; and
//              a verdict makes at most a fixed budget of tests, past which
//              the point counts as forbidden (never reached in play).
//
// The rule changes neither the window products nor the scores. It enters
// in two places only: the update asks it whether a five it found wins, and
// under ExactFive and Renju the choice passes the points of its scan through
// weegpunt. Under Freestyle the choice takes the plain scan, so that the game
// keeps its code path.
#pragma once

#include <cstdint>

struct EvalRecord;

constexpr int32_t Freestyle = 0;
constexpr int32_t ExactFive = 1;
constexpr int32_t Renju = 2;

// The rule in force, set by richtspelin (setup.h) alone, since the choice
// takes its scan by it.
extern int32_t Spelregel;

// Whether the five of code k in the window centred at (cc, cr), stepping
// (dc, dr), in set s wins under the rule: always under Freestyle and for
// white under Renju, otherwise only when neither point just beyond its ends
// holds a stone of the same colour.
bool vijfwint(const EvalRecord& s, int cc, int cr, int dc, int dr, int32_t k);

// What the rule makes of a stone of the side to move on a free point:
// Speelbaar, Zonderwinst (it makes a row of six or more and no five, which
// wins nothing under ExactFive), or Verboden (black's forbidden point under
// Renju). weegpunt reads the stones that neemstenenover last took from set 1.
constexpr int Speelbaar = 0;
constexpr int Zonderwinst = 1;
constexpr int Verboden = 2;
void neemstenenover();
int weegpunt(int32_t c, int32_t r, bool zwart);
