#include "reset.h"

#include <cstring>

#include "board.h"
#include "choice.h"
#include "update.h"

namespace {

// The state of a set on the empty board of BoardLines lines: every window
// of the board with product 1, and every point's score the number of windows
// through it, counted window by window. Built once per size; a reset copies
// it over everything but the codes, so the entries beyond the board are 0.
struct Leegbord {
    EvalRecord s;
    Leegbord() { bouw(GameBoardSize); }

    // One window with product 1, its centre (cc, cr) and its points stepping
    // (dc, dr): each of its five points lies in one window more.
    void venster(int32_t& product, int cc, int cr, int dc, int dr) {
        product = 1;
        for (int e = -2; e <= 2; ++e) ++s.Score[cc + e * dc][cr + e * dr];
        ++s.LiveWindows;
    }

    void bouw(int n) {
        s = EvalRecord{};
        const int last = n - 2; // window centres FirstCentre..last
        for (int c = 1; c <= n; ++c)
            for (int r = 1; r <= n; ++r) {
                const bool col = c >= FirstCentre && c <= last;
                const bool row = r >= FirstCentre && r <= last;
                if (col) venster(s.HorizontalWindows[c][r], c, r, 1, 0);
                if (row) venster(s.VerticalWindows[c][r], c, r, 0, 1);
                if (col && row) {
                    venster(s.DiagonalWindows[c][r], c, r, 1, 1);
                    venster(s.AntiDiagonalWindows[c][r], c, r, -1, 1);
                }
            }
    }
};

Leegbord Leeg;

} // namespace

void nieuwepartij() {
    for (int i = 1; i <= 2; ++i) {
        EvalRecord& s = EvalSet[i];
        std::memcpy(s.Occupancy, Leeg.s.Occupancy, sizeof s.Occupancy);
        std::memcpy(s.HorizontalWindows, Leeg.s.HorizontalWindows, sizeof s.HorizontalWindows);
        std::memcpy(s.VerticalWindows, Leeg.s.VerticalWindows, sizeof s.VerticalWindows);
        std::memcpy(s.DiagonalWindows, Leeg.s.DiagonalWindows, sizeof s.DiagonalWindows);
        std::memcpy(s.AntiDiagonalWindows, Leeg.s.AntiDiagonalWindows,
                    sizeof s.AntiDiagonalWindows);
        std::memcpy(s.Score, Leeg.s.Score, sizeof s.Score);
        s.LiveWindows = Leeg.s.LiveWindows;
    }
}

// Kept with the reset: a new size is first of all a new empty board.
bool zetbordgrootte(int32_t n) {
    if (n < MinBoardSize || n > MaxBoardSize) return false;
    BoardLines = n;
    bouwlijntabel();
    kieskeuze();
    Leeg.bouw(n);
    nieuwepartij();
    MoveCount = 0;
    GameState = NoGame;
    WinningFive = {};
    return true;
}
