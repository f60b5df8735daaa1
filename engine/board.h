// Board, game record and the two evaluation sets.
//
// Indexing: every array follows the board. Points are [column][row] with both
// 1..19 (column 1 the left edge, row 1 the top edge); window tables are indexed
// by their centre, whose index along the window's direction runs 3..17; moves
// are 1..361. Arrays are sized bound + 1 and index 0 is never used, so no code
// anywhere translates between 0-based and 1-based numbering.
//
// Colour codes: a stone is held as a small positive code that is at the same
// time its factor in the evaluation; 0 is an empty point. Each evaluation set
// has its own pair (BlackCode, WhiteCode). The two codes of a set are at least
// 2, differ and are coprime, so a window's product tells by divisibility alone
// whether it holds a stone of a colour: a live window with k stones of one
// colour holds code^k, which the other code never divides. A window that has
// received both colours holds 0 for good (dead: no five fits in it any more).
//
// Score: for an empty point, the sum of the products of all windows through it;
// 0 for an occupied point. On an empty board every product is 1, so the score
// table is the number of windows through each point (3 at a corner, 20 in the
// middle, 5,100 in all: five points for each of the 1,020 windows).
//
// The game record and SideToMove are written in set 1's codes. Set 2 holds the
// same stones translated into its own codes.
#pragma once

#include <cstdint>

constexpr int BoardSize = 19;  // columns and rows 1..19
constexpr int FirstCentre = 3; // window centres 3..17 along a window's line
constexpr int LastCentre = 17;
constexpr int MaxMoves = BoardSize * BoardSize; // moves 1..361
constexpr int WindowCount = 1020;

// GameState codes; 3 and above mean the game is over.
constexpr int32_t NoGame = 0;
constexpr int32_t BlackToMove = 1;
constexpr int32_t WhiteToMove = 2;
constexpr int32_t BlackWon = 3;
constexpr int32_t WhiteWon = 4;
constexpr int32_t Draw = 5;

struct MoveRecord {
    int32_t column;
    int32_t row;
    int32_t code; // set 1's BlackCode or WhiteCode when the move was made
};

struct EvalRecord {
    int32_t Occupancy[BoardSize + 1][BoardSize + 1];
    int32_t HorizontalWindows[LastCentre + 1][BoardSize + 1];    // (c-2..c+2, r)
    int32_t VerticalWindows[BoardSize + 1][LastCentre + 1];      // (c, r-2..r+2)
    int32_t DiagonalWindows[LastCentre + 1][LastCentre + 1];     // (c+e, r+e)
    int32_t AntiDiagonalWindows[LastCentre + 1][LastCentre + 1]; // (c-e, r+e)
    int32_t Score[BoardSize + 1][BoardSize + 1];
    int32_t BlackCode;
    int32_t WhiteCode;
    int32_t BlackFive; // BlackCode^5
    int32_t WhiteFive; // WhiteCode^5
    // Number of windows whose product is not 0. An empty point scores above 0
    // exactly when a live window runs through it, so the board is dead (a
    // draw) exactly when this reaches 0; keeping the count saves a pass over
    // all 361 scores after every move.
    int32_t LiveWindows;
};

extern MoveRecord MoveList[MaxMoves + 1];
extern int32_t MoveCount;  // MoveList[1..MoveCount] is the game so far
extern int32_t SideToMove; // code (set 1) of the side whose turn it is
extern int32_t GameState;
extern EvalRecord EvalSet[3]; // EvalSet[1] computer 1, EvalSet[2] computer 2

// The point under the pointer, and also the computer's chosen point.
extern int32_t TargetCol;
extern int32_t TargetRow;

// The user released the next computer move in step mode: the next think delay
// is skipped.
extern bool StepRequested;

inline bool onboard(int c, int r) {
    return c >= 1 && c <= BoardSize && r >= 1 && r <= BoardSize;
}
inline bool gamerunning() {
    return GameState == BlackToMove || GameState == WhiteToMove;
}

// Gives a set its two codes and their fifth powers.
void zetcodes(int set, int32_t black, int32_t white);

// First values of the engine's data, as at program start: no game, an empty
// record, both sets empty with the codes of the Normaal styles (set 1 black
// 6 and white 5, set 2 black 5 and white 6), no step requested.
void beginengine();
