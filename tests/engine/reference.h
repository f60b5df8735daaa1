// An independent, literal evaluation for checking the engine: every run of
// five points on the board is found from its first point, products and
// scores are summed from scratch over those runs, and the move update is the
// plain step-by-step version with two full passes over the board. A set
// knows its board's size n; its arrays have the engine's shapes, so that a
// comparison also sees every entry beyond the board, which must stay 0.
#pragma once

#include <cstdint>
#include <cstring>

#include "board.h"

namespace ref {

struct Set {
    int n;
    decltype(EvalRecord::Occupancy) occ;
    decltype(EvalRecord::HorizontalWindows) h;
    decltype(EvalRecord::VerticalWindows) v;
    decltype(EvalRecord::DiagonalWindows) d;
    decltype(EvalRecord::AntiDiagonalWindows) a;
    decltype(EvalRecord::Score) score;
    int32_t black, white;
};

// A run of five points, from its first point (c, r) one step (dc, dr) at a
// time.
struct Rij {
    int c, r, dc, dr;
    int col(int e) const { return c + e * dc; }
    int row(int e) const { return r + e * dr; }
};

// The four directions of a run; the last climbs, so that it reaches the
// anti-diagonals from their lower end.
constexpr int Richting[4][2] = {{1, 0}, {0, 1}, {1, 1}, {1, -1}};

// Whether all five points of the run lie on the board of n lines.
inline bool ligtop(int n, const Rij& w) {
    auto op = [n](int x) { return x >= 1 && x <= n; };
    return op(w.col(0)) && op(w.row(0)) && op(w.col(4)) && op(w.row(4));
}

// Calls f for every run of five points that lies wholly on the board of n
// lines, found from its first point: counted this way, independently of the
// window centres by which the engine indexes them. Returns their number.
template <typename F> int elkerij(int n, F f) {
    int runs = 0;
    for (int c = 1; c <= n; ++c)
        for (int r = 1; r <= n; ++r)
            for (const auto& d : Richting)
                if (const Rij w{c, r, d[0], d[1]}; ligtop(n, w)) {
                    f(w);
                    ++runs;
                }
    return runs;
}

// A run's entry in window tables of the engine's shapes: they are indexed by
// the middle point, the two diagonals told apart by the run's slope.
template <typename H, typename V, typename D>
auto& zoekvenster(H& h, V& v, D& d, D& a, const Rij& w) {
    const int c = w.col(2), r = w.row(2);
    if (w.dr == 0) return h[c][r];
    if (w.dc == 0) return v[c][r];
    return w.dc == w.dr ? d[c][r] : a[c][r];
}

inline int32_t& window(Set& s, const Rij& w) {
    return zoekvenster(s.h, s.v, s.d, s.a, w);
}

// The engine's product of a run, read from its tables.
inline int32_t product(const EvalRecord& e, const Rij& w) {
    return zoekvenster(e.HorizontalWindows, e.VerticalWindows, e.DiagonalWindows,
                       e.AntiDiagonalWindows, w);
}

inline int32_t pow5(int32_t x) {
    return x * x * x * x * x;
}

// Windows and scores computed from the stones alone: a run's product is that
// of its stones' codes, 0 when it holds both colours, and it counts towards
// the score of each empty point of the run.
inline void fromscratch(Set& s) {
    std::memset(s.h, 0, sizeof s.h);
    std::memset(s.v, 0, sizeof s.v);
    std::memset(s.d, 0, sizeof s.d);
    std::memset(s.a, 0, sizeof s.a);
    std::memset(s.score, 0, sizeof s.score);
    elkerij(s.n, [&s](const Rij& w) {
        int32_t p = 1;
        bool black = false, white = false;
        for (int e = 0; e < 5; ++e) {
            const int32_t k = s.occ[w.col(e)][w.row(e)];
            black |= k == s.black;
            white |= k == s.white;
            if (k != 0) p *= k;
        }
        window(s, w) = black && white ? 0 : p;
        for (int e = 0; e < 5; ++e)
            if (s.occ[w.col(e)][w.row(e)] == 0) s.score[w.col(e)][w.row(e)] += window(s, w);
    });
}

inline void empty(Set& s, int32_t black, int32_t white, int n = BoardLines) {
    std::memset(&s, 0, sizeof s);
    s.n = n;
    s.black = black;
    s.white = white;
    fromscratch(s);
}

// Set i's stones as the game record holds them, in that set's codes, on the
// board being played, with windows and scores from scratch.
inline void uitrecord(Set& s, int i) {
    empty(s, EvalSet[i].BlackCode, EvalSet[i].WhiteCode);
    for (int n = 1; n <= MoveCount; ++n)
        s.occ[MoveList[n].column][MoveList[n].row] =
            MoveList[n].code == EvalSet[1].BlackCode ? s.black : s.white;
    fromscratch(s);
}

// The move update written out step by step; returns the new game state.
// A five with no positive score left is a win.
inline int32_t play(Set& s, int c, int r, int32_t k, int32_t state) {
    static const int dc[4] = {1, 1, -1, 0}, dr[4] = {0, 1, 1, 1};
    s.occ[c][r] = k;
    s.score[c][r] = 0;
    const int32_t o = s.black + s.white - k;
    for (int d = -2; d <= 2; ++d) {
        for (int dir = 0; dir < 4; ++dir) {
            // The window centred d steps from the stone, from its first point.
            const Rij w{c + (d - 2) * dc[dir], r + (d - 2) * dr[dir], dc[dir], dr[dir]};
            if (!ligtop(s.n, w)) continue;
            int32_t& p = window(s, w);
            const int32_t delta = p % o == 0 ? -p : (k - 1) * p;
            for (int e = 0; e < 5; ++e) s.score[w.col(e)][w.row(e)] += delta;
            p += delta;
            if (p == pow5(s.black))
                state = 3;
            else if (p == pow5(s.white))
                state = 4;
        }
        if (state == 3 || state == 4) break;
    }
    int32_t best = 0;
    for (int x = 1; x <= s.n; ++x)
        for (int y = 1; y <= s.n; ++y) {
            if (s.occ[x][y] >= 1) s.score[x][y] = 0;
            if (s.score[x][y] > best) best = s.score[x][y];
        }
    if (best == 0 && state != 3 && state != 4) state = 5;
    return state;
}

// Every entry of every table, those beyond the board included.
inline bool same(const Set& s, const EvalRecord& e) {
    auto gelijk = [](const auto& x, const auto& y) { return std::memcmp(x, y, sizeof x) == 0; };
    static_assert(sizeof s.occ == sizeof e.Occupancy && sizeof s.a == sizeof e.AntiDiagonalWindows);
    return gelijk(s.occ, e.Occupancy) && gelijk(s.score, e.Score) &&
           gelijk(s.h, e.HorizontalWindows) && gelijk(s.v, e.VerticalWindows) &&
           gelijk(s.d, e.DiagonalWindows) && gelijk(s.a, e.AntiDiagonalWindows);
}

} // namespace ref
