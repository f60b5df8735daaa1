#include "choice.h"

#include <algorithm>
#include <cstring>

#include "board.h"
#include "events.h"
#include "random.h"
#include "rules.h"
#include "scan.h"

int kiesset() {
    return SideToMove == EvalSet[1].WhiteCode ? 2 : 1;
}

void denkna(uint32_t ms) {
    if (!StepRequested) wacht(ms);
    StepRequested = false;
}

void vraagstap() {
    StepRequested = true;
}

namespace {

// The plain scan of the board in play, taken by kieskeuze.
Scanroutine Vlak;

// Draws column and row anew until the point is on the board and free.
void trekvrij(const EvalRecord& s, int lowC, int highC, int lowR, int highR) {
    do {
        TargetCol = toeval(highC - lowC + 1) + lowC;
        TargetRow = toeval(highR - lowR + 1) + lowR;
    } while (!onboard(TargetCol, TargetRow) || s.Occupancy[TargetCol][TargetRow] != 0);
}

// Under ExactFive and Renju: the points of the scan in its own order (the
// highest score first, ties to the lowest column and then the lowest row),
// and of them the first that the rule lets the side to move play. A point
// that only makes a row of six or more is passed over while another point is
// free, a point forbidden to black while black has any other; a free point
// in no live window (score 0) is always allowed, and is taken before either.
// Returns the highest score of the board, which the caller reads as the draw
// test, as it reads the plain scan's.
int32_t kiesgefilterd(const Scoregrid& score, int32_t& col, int32_t& row) {
    static Scoregrid over; // the scores of the points not passed over yet
    std::memcpy(over, score, sizeof over);
    const bool zwart = SideToMove == EvalSet[1].BlackCode;
    neemstenenover();
    int32_t c = 0, r = 0;
    const int32_t hoogste = Vlak(over, c, r);
    int32_t reserve[3][2] = {}; // the first point passed over of each kind
    for (int32_t best = hoogste; best > 0; best = Vlak(over, c, r)) {
        const int oordeel = weegpunt(c, r, zwart);
        if (oordeel == Speelbaar) {
            col = c, row = r;
            return hoogste;
        }
        if (reserve[oordeel][0] == 0) reserve[oordeel][0] = c, reserve[oordeel][1] = r;
        over[c][r] = 0;
    }
    if (hoogste == 0) return 0;
    for (c = 1; c <= BoardLines; ++c)
        for (r = 1; r <= BoardLines; ++r)
            if (EvalSet[1].Occupancy[c][r] == 0 && score[c][r] == 0) {
                col = c, row = r;
                return hoogste;
            }
    const int32_t* p = reserve[Zonderwinst][0] != 0 ? reserve[Zonderwinst] : reserve[Verboden];
    col = p[0], row = p[1];
    return hoogste;
}

// The routine kieszet finds its point with, taken by kieskeuze for the board
// and the rule in play.
Scanroutine Puntkeuze;

// The point of the highest score the rule allows, or the draw when no point
// scores.
bool kiesuitscores(const EvalRecord& s) {
    if (Puntkeuze(s.Score, TargetCol, TargetRow) > 0) return true;
    GameState = Draw;
    return false;
}

} // namespace

void kieskeuze() {
    Vlak = scanvoor(BoardLines);
    Puntkeuze = Spelregel == Freestyle ? Vlak : kiesgefilterd;
}

bool kieshoogste() {
    return gamerunning() && kiesuitscores(EvalSet[kiesset()]);
}

bool kieszet() {
    if (!gamerunning()) return false;
    const EvalRecord& s = EvalSet[kiesset()];
    const MoveRecord& m1 = MoveList[1];
    const MoveRecord& m2 = MoveList[2];

    if (MoveCount == 0) {
        // Anywhere within four lines of the middle: 6..14 on 19, 4..12 on 15;
        // on an even board, whose middle lies between two lines, 7..14 on 20.
        const int low = (BoardLines - 6) / 2, span = BoardLines + 2 - 2 * low;
        TargetCol = toeval(span) + low;
        TargetRow = toeval(span) + low;
        return true;
    }
    if (MoveCount <= 2) {
        // At most two columns and two rows from the first move.
        trekvrij(s, m1.column - 2, m1.column + 2, m1.row - 2, m1.row + 2);
        return true;
    }
    if (MoveCount == 3) {
        // In the smallest rectangle around the first two moves, widened by one
        // point on every side and cut to the board.
        trekvrij(s, std::max(1, std::min(m1.column, m2.column) - 1),
                 std::min(BoardLines, std::max(m1.column, m2.column) + 1),
                 std::max(1, std::min(m1.row, m2.row) - 1),
                 std::min(BoardLines, std::max(m1.row, m2.row) + 1));
        return true;
    }

    // The highest score, ties to the lowest column and then the lowest row.
    // Occupied points score 0 and are never chosen.
    return kiesuitscores(s);
}
