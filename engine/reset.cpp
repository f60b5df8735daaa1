#include <cstring>

#include "board.h"
#include "reset.h"

namespace {

// The corner 5 x 5 square of the positional weight table, [column][row] with
// column >= row; the rest follows by mirroring.
constexpr int32_t Seeds[6][6] = {
    {0, 0, 0, 0, 0, 0},  {0, 3, 0, 0, 0, 0},   {0, 4, 6, 0, 0, 0},
    {0, 5, 7, 10, 0, 0}, {0, 6, 9, 12, 15, 0}, {0, 8, 11, 14, 17, 20},
};

void vulgewichten(int32_t (&score)[BoardSize + 1][BoardSize + 1]) {
    for (int a = 1; a <= 5; ++a)
        for (int b = 1; b <= a; ++b) score[a][b] = Seeds[a][b];
    for (int a = 1; a <= 4; ++a)
        for (int b = a + 1; b <= 5; ++b) score[a][b] = score[b][a];
    for (int a = 6; a <= 10; ++a)
        for (int b = 1; b <= 5; ++b) score[a][b] = score[5][b];
    for (int a = 1; a <= 5; ++a)
        for (int b = 6; b <= 10; ++b) score[a][b] = score[b][a];
    for (int a = 6; a <= 10; ++a)
        for (int b = 6; b <= 10; ++b) score[a][b] = 20;
    for (int a = 11; a <= 19; ++a)
        for (int b = 1; b <= 10; ++b) score[a][b] = score[20 - a][b];
    for (int a = 1; a <= 19; ++a)
        for (int b = 11; b <= 19; ++b) score[a][b] = score[a][20 - b];
}

template <int C, int R> void vul(int32_t (&t)[C][R], int c0, int r0, int32_t v) {
    for (int c = c0; c < C; ++c)
        for (int r = r0; r < R; ++r) t[c][r] = v;
}

// The state of a set on the empty board, built once; a reset copies it over
// everything but the codes.
struct Leegbord {
    EvalRecord s;
    Leegbord() : s() {
        vul(s.HorizontalWindows, FirstCentre, 1, 1);
        vul(s.VerticalWindows, 1, FirstCentre, 1);
        vul(s.DiagonalWindows, FirstCentre, FirstCentre, 1);
        vul(s.AntiDiagonalWindows, FirstCentre, FirstCentre, 1);
        vulgewichten(s.Score);
        s.LiveWindows = WindowCount;
    }
};

const Leegbord Leeg;

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
        s.LiveWindows = WindowCount;
    }
}
