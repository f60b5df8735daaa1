#include "reset.h"

#include <cstring>

#include "board.h"

namespace {

// The state of a set on the empty board of BoardLines lines: every window
// of the board with product 1, and every point's score the number of windows
// through it, counted window by window. Built once per size by bouwleegbord;
// a reset copies it over everything but the codes, so the entries beyond the
// board are 0.
EvalRecord Leeg;

// One window with product 1, its centre (cc, cr) and its points stepping
// (dc, dr): each of its five points lies in one window more.
void legvenster(int32_t& product, int cc, int cr, int dc, int dr) {
    product = 1;
    for (int e = -2; e <= 2; ++e) ++Leeg.Score[cc + e * dc][cr + e * dr];
    ++Leeg.LiveWindows;
}

} // namespace

void bouwleegbord() {
    Leeg = EvalRecord{};
    const int n = BoardLines, last = n - 2; // window centres FirstCentre..last
    for (int c = 1; c <= n; ++c)
        for (int r = 1; r <= n; ++r) {
            const bool col = c >= FirstCentre && c <= last;
            const bool row = r >= FirstCentre && r <= last;
            if (col) legvenster(Leeg.HorizontalWindows[c][r], c, r, 1, 0);
            if (row) legvenster(Leeg.VerticalWindows[c][r], c, r, 0, 1);
            if (col && row) {
                legvenster(Leeg.DiagonalWindows[c][r], c, r, 1, 1);
                legvenster(Leeg.AntiDiagonalWindows[c][r], c, r, -1, 1);
            }
        }
}

void nieuwepartij() {
    for (int i = 1; i <= 2; ++i) {
        EvalRecord& s = EvalSet[i];
        std::memcpy(s.Occupancy, Leeg.Occupancy, sizeof s.Occupancy);
        std::memcpy(s.HorizontalWindows, Leeg.HorizontalWindows, sizeof s.HorizontalWindows);
        std::memcpy(s.VerticalWindows, Leeg.VerticalWindows, sizeof s.VerticalWindows);
        std::memcpy(s.DiagonalWindows, Leeg.DiagonalWindows, sizeof s.DiagonalWindows);
        std::memcpy(s.AntiDiagonalWindows, Leeg.AntiDiagonalWindows, sizeof s.AntiDiagonalWindows);
        std::memcpy(s.Score, Leeg.Score, sizeof s.Score);
        s.LiveWindows = Leeg.LiveWindows;
    }
}
