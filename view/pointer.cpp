#include "pointer.h"

#include "board.h"
#include "geometry.h"

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

bool raakpunt(int32_t x, int32_t y) {
    int32_t col, row;
    const bool inCol = raak(x, kolomx(1), PitchX, col);
    const bool inRow = raak(y, rijy(1), PitchY, row);
    TargetCol = col;
    TargetRow = row;
    return inCol && inRow && onboard(col, row);
}
