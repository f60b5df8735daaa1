// Board, game record and the two evaluation sets.
//
// Board size: the engine plays a square board of BoardLines lines, any size
// from MinBoardSize to MaxBoardSize, chosen at run time with richtspelin
// (setup.h). The game in the window always plays GameBoardSize = 19; the
// other sizes serve the tournament boards of 15 and 20.
//
// Indexing: every array follows the board. Points are [column][row] with both
// 1..N for N = BoardLines (column 1 the left edge, row 1 the top edge); window
// tables are indexed by their centre, whose index along the window's direction
// runs 3..N-2; moves are 1..N*N. Arrays are sized for the largest board,
// bound + 1, and index 0 is never used, so no code anywhere translates between
// 0-based and 1-based numbering, and every stride is the same constant on
// every board. Of the engine's own tables the empty board of the reset and
// the per-point line table of the update depend on N, and the choice's scan
// on N and the rule; richtspelin rebuilds all three.
// Entries beyond N are 0 and stay 0: the scan for the best point reads the
// score grid as one flat run and relies on it.
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
// table is the number of windows through each point: 3 at a corner, 20 in the
// middle, five points for each window in all. The board of N lines has
// 2N(N-4) + 2(N-4)^2 windows: 1,020 on 19 (5,100 in the table), 572 on 15 and
// 1,152 on 20.
//
// The game record and SideToMove are written in set 1's codes. Set 2 holds the
// same stones translated into its own codes.
//
// Words of the engine, as its names use them:
//   window (venster)  five points in a row on the board, the unit of the
//                     evaluation; indexed by its centre.
//   product           a window's value: the product of its stones' codes,
//                     1 empty, 0 dead.
//   set               one evaluation set, EvalSet[1] or [2]: the stones,
//                     window products and scores in one pair of codes. Each
//                     computer chooses from its own set; its style is its codes.
//   score             an empty point's sum of the products through it; the
//                     choice takes the highest.
//   record (partij)   MoveList[1..MoveCount], the game as played; the sets are
//                     derived from it and can be rebuilt from it.
//   move (zet)        one stone of the record; a computer move is its choice
//                     (kiezen) and its commit (leggen) together.
//   dead board        no live window left: no five can be made; a draw.
//   rule (spelregel)  what a five wins and what black may play: five or more,
//                     exactly five, or renju (rules.h).
//   laid out          a position entered stone by stone rather than played
//                     (opstelling, update.h): judged once it stands whole.
#pragma once

#include <cstdint>

constexpr int GameBoardSize = 19; // the game's board, the size beginengine sets
constexpr int MinBoardSize = 15;  // the sizes richtspelin accepts
constexpr int MaxBoardSize = 20;  // the largest, for which every array is sized
constexpr int FirstCentre = 3;    // window centres 3..N-2 along a window's line
constexpr int MaxCentre = MaxBoardSize - 2;
constexpr int MaxMoves = GameBoardSize * GameBoardSize;     // moves 1..361 of the game
constexpr int MaxBoardPoints = MaxBoardSize * MaxBoardSize; // room in MoveList

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
    int32_t Occupancy[MaxBoardSize + 1][MaxBoardSize + 1];
    int32_t HorizontalWindows[MaxCentre + 1][MaxBoardSize + 1]; // (c-2..c+2, r)
    int32_t VerticalWindows[MaxBoardSize + 1][MaxCentre + 1];   // (c, r-2..r+2)
    int32_t DiagonalWindows[MaxCentre + 1][MaxCentre + 1];      // (c+e, r+e)
    int32_t AntiDiagonalWindows[MaxCentre + 1][MaxCentre + 1];  // (c-e, r+e)
    int32_t Score[MaxBoardSize + 1][MaxBoardSize + 1];
    int32_t BlackCode;
    int32_t WhiteCode;
    int32_t BlackFive; // BlackCode^5
    int32_t WhiteFive; // WhiteCode^5
    // Number of windows whose product is not 0. An empty point scores above 0
    // exactly when a live window runs through it, so no five can be made any
    // more exactly when this reaches 0, and the update then calls the game
    // drawn; keeping the count saves a pass over all the scores after every
    // move. Under exactly five and renju a board may still hold live windows
    // where no five that wins fits any more; such a game goes on.
    int32_t LiveWindows;
};

// Lines of the board being played, MinBoardSize..MaxBoardSize, set by
// richtspelin (setup.h) alone, since three tables are built on it; 0 until
// the engine is first set up.
extern int32_t BoardLines;

extern MoveRecord MoveList[MaxBoardPoints + 1];
extern int32_t MoveCount;  // MoveList[1..MoveCount] is the game so far
extern int32_t SideToMove; // code (set 1) of the side whose turn it is
extern int32_t GameState;
extern EvalRecord EvalSet[3]; // EvalSet[1] computer 1, EvalSet[2] computer 2

// A window of five points: its centre and one step along its line, (1, 0)
// horizontal, (0, 1) vertical, (1, 1) diagonal, (-1, 1) anti-diagonal; its
// points are (column + e dc, row + e dr) for e = -2..2. All zero for none.
struct Vijfvenster {
    int32_t column, row, dc, dr;
};
inline bool operator==(const Vijfvenster& a, const Vijfvenster& b) {
    return a.column == b.column && a.row == b.row && a.dc == b.dc && a.dr == b.dr;
}
// The window of the five that won the game, found by the update when it
// made the five. Kept with GameState: it is there while the game stands won
// by a five (BlackWon or WhiteWon), and none for a running game, a draw or
// a loss on time.
extern Vijfvenster WinningFive;

// The point under the pointer, and also the computer's chosen point.
extern int32_t TargetCol;
extern int32_t TargetRow;

// The user released the next computer move in step mode: the next think delay
// is skipped (written by the choice's denkna and vraagstap, and by
// beginengine).
extern bool StepRequested;

// In unsigned arithmetic c - 1 < N holds exactly for c in 1..N: one
// comparison per coordinate on the update's path.
inline bool onboard(int c, int r) {
    const unsigned n = static_cast<unsigned>(BoardLines);
    return static_cast<unsigned>(c) - 1u < n && static_cast<unsigned>(r) - 1u < n;
}
inline bool gamerunning() {
    return GameState == BlackToMove || GameState == WhiteToMove;
}

// Gives a set its two codes and their fifth powers.
void zetcodes(int set, int32_t black, int32_t white);
