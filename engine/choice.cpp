#include "choice.h"

#include <algorithm>

#include "board.h"
#include "events.h"
#include "random.h"
#include "scan.h"

int kiesset() {
    return SideToMove == EvalSet[1].WhiteCode ? 2 : 1;
}

void denkna(uint32_t ms) {
    if (!StepRequested) wacht(ms);
    StepRequested = false;
}

namespace {

// Draws column and row anew until the point is on the board and free.
void trekvrij(const EvalRecord& s, int lowC, int highC, int lowR, int highR) {
    do {
        TargetCol = toeval(highC - lowC + 1) + lowC;
        TargetRow = toeval(highR - lowR + 1) + lowR;
    } while (!onboard(TargetCol, TargetRow) || s.Occupancy[TargetCol][TargetRow] != 0);
}

} // namespace

bool kieszet() {
    if (!gamerunning()) return false;
    const EvalRecord& s = EvalSet[kiesset()];
    const MoveRecord& m1 = MoveList[1];
    const MoveRecord& m2 = MoveList[2];

    if (MoveCount == 0) {
        // Anywhere within four lines of the middle: 6..14 on 19, 4..12 on 15;
        // on an even board, whose middle lies between two lines, 7..14 on 20.
        const int low = (Bordgrootte - 6) / 2, span = Bordgrootte + 2 - 2 * low;
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
                 std::min(Bordgrootte, std::max(m1.column, m2.column) + 1),
                 std::max(1, std::min(m1.row, m2.row) - 1),
                 std::min(Bordgrootte, std::max(m1.row, m2.row) + 1));
        return true;
    }

    // The highest score, ties to the lowest column and then the lowest row.
    // Occupied points score 0 and are never chosen.
    if (hoogstescore(s, TargetCol, TargetRow) == 0) {
        GameState = Draw;
        return false;
    }
    return true;
}
