// An independent, literal evaluation for checking the engine: windows are
// walked point by point, scores are summed from scratch, and the move update
// is the plain step-by-step version with two full passes over the board. A
// set knows its board's size n; its arrays have the engine's shapes, so that
// a comparison also sees every entry beyond the board, which must stay 0.
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

// A window centre's index along its line lies in 3..n-2.
inline bool centre(const Set& s, int x) {
    return x >= 3 && x <= s.n - 2;
}

inline int32_t pow5(int32_t x) {
    return x * x * x * x * x;
}

// The product of a window from its points' stones alone.
inline int32_t product(const decltype(Set::occ)& occ, int c, int r, int dc, int dr, int32_t black,
                       int32_t white) {
    int32_t p = 1;
    bool b = false, w = false;
    for (int e = -2; e <= 2; ++e) {
        const int32_t k = occ[c + e * dc][r + e * dr];
        if (k == 0) continue;
        b |= k == black;
        w |= k == white;
        p *= k;
    }
    return b && w ? 0 : p;
}

// Windows and scores computed from the stones alone.
inline void fromscratch(Set& s) {
    std::memset(s.h, 0, sizeof s.h);
    std::memset(s.v, 0, sizeof s.v);
    std::memset(s.d, 0, sizeof s.d);
    std::memset(s.a, 0, sizeof s.a);
    std::memset(s.score, 0, sizeof s.score);
    for (int c = 1; c <= s.n; ++c)
        for (int r = 1; r <= s.n; ++r) {
            if (centre(s, c)) s.h[c][r] = product(s.occ, c, r, 1, 0, s.black, s.white);
            if (centre(s, r)) s.v[c][r] = product(s.occ, c, r, 0, 1, s.black, s.white);
            if (centre(s, c) && centre(s, r)) {
                s.d[c][r] = product(s.occ, c, r, 1, 1, s.black, s.white);
                s.a[c][r] = product(s.occ, c, r, -1, 1, s.black, s.white);
            }
        }
    for (int c = 1; c <= s.n; ++c)
        for (int r = 1; r <= s.n; ++r) {
            if (s.occ[c][r] != 0) continue;
            int32_t sum = 0;
            for (int e = -2; e <= 2; ++e) {
                if (centre(s, c + e)) sum += s.h[c + e][r];
                if (centre(s, r + e)) sum += s.v[c][r + e];
                if (centre(s, c + e) && centre(s, r + e)) sum += s.d[c + e][r + e];
                if (centre(s, c - e) && centre(s, r + e)) sum += s.a[c - e][r + e];
            }
            s.score[c][r] = sum;
        }
}

inline void empty(Set& s, int32_t black, int32_t white, int n = Bordgrootte) {
    std::memset(&s, 0, sizeof s);
    s.n = n;
    s.black = black;
    s.white = white;
    fromscratch(s);
}

inline int32_t* window(Set& s, int dir, int cc, int cr) {
    auto in = [&s](int x) { return centre(s, x); };
    switch (dir) {
    case 0:
        return in(cc) ? &s.h[cc][cr] : nullptr;
    case 1:
        return in(cc) && in(cr) ? &s.d[cc][cr] : nullptr;
    case 2:
        return in(cc) && in(cr) ? &s.a[cc][cr] : nullptr;
    default:
        return in(cr) ? &s.v[cc][cr] : nullptr;
    }
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
            const int cc = c + d * dc[dir], cr = r + d * dr[dir];
            int32_t* w = window(s, dir, cc, cr);
            if (!w) continue;
            const int32_t p = *w;
            const int32_t delta = p % o == 0 ? -p : (k - 1) * p;
            for (int e = -2; e <= 2; ++e) s.score[cc + e * dc[dir]][cr + e * dr[dir]] += delta;
            *w = p + delta;
            if (*w == pow5(s.black))
                state = 3;
            else if (*w == pow5(s.white))
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
