#include "pointer.h"

#include "board.h"
#include "geometry.h"

bool HumanMayMove;
int32_t ComputerWaiting;

namespace {

// Maps one coordinate to a line index; returns whether it lies strictly
// inside that line's hit window.
bool raak(int32_t pos, int32_t first, double pitch, int32_t& index) {
    const int32_t h = rondaf(0.35 * pitch);
    const int32_t p = rondaf(pitch);
    const int32_t d = pos - first + h;
    if (p <= 0) {
        index = 0;
        return false;
    }
    index = d / p + 1; // truncating division; the remainder takes d's sign
    const int32_t m = d - (d / p) * p;
    return 0 < m && m < 2 * h;
}

} // namespace

bool beoordeelpunt(int32_t x, int32_t y) {
    int32_t col, row;
    const bool inCol = raak(x, kolomx(1), PitchX, col);
    const bool inRow = raak(y, rijy(1), PitchY, row);
    TargetCol = col;
    TargetRow = row;
    return gamerunning() && inCol && inRow && onboard(col, row) &&
           EvalSet[1].Occupancy[col][row] == 0 && HumanMayMove && ComputerWaiting == 0;
}

bool accepteerklik(bool handShown) {
    // The hand can outlast the game when it ends on time without a pointer
    // move, so the game must still be running.
    return HumanMayMove && ComputerWaiting == 0 && handShown && gamerunning() &&
           onboard(TargetCol, TargetRow) && EvalSet[1].Occupancy[TargetCol][TargetRow] == 0;
}
