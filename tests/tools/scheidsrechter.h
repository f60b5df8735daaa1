// The referee of the match manager and the rule tests, written from the
// leagues' rules and sharing nothing with the engine; renju reads lines as
// text. Points are the wire's: 0-based, x the column.
#pragma once

#include <string>

namespace scheids {

constexpr int Vrij = 0, Zwart = 1, Wit = 2;
constexpr int Vijfofmeer = 0, Preciesvijf = 1, Renju = 4; // INFO rule
const int Richting[4][2] = {{1, 0}, {0, 1}, {1, 1}, {1, -1}};

struct Bord {
    int n = 19;
    int v[20][20] = {};
    // The point i steps from (x, y) along d, -1 off the board.
    int op(int x, int y, int d, int i) const {
        x += i * Richting[d][0], y += i * Richting[d][1];
        return x < 0 || y < 0 || x >= n || y >= n ? -1 : v[x][y];
    }
    // The row of its own colour through the stone at (x, y) along d.
    int rij(int x, int y, int d) const {
        int n = 1;
        for (int i = 1; op(x, y, d, i) == v[x][y]; ++i) ++n;
        for (int i = -1; op(x, y, d, i) == v[x][y]; --i) ++n;
        return n;
    }
};

// Whether the stone just played at (x, y) wins: a row of five, or of more
// where the rule lets it (renju: white's).
inline bool wint(const Bord& b, int x, int y, int regel) {
    const bool meer = regel == Vijfofmeer || (regel == Renju && b.v[x][y] == Wit);
    for (int d = 0; d < 4; ++d)
        if (b.rij(x, y, d) == 5 || (b.rij(x, y, d) > 5 && meer)) return true;
    return false;
}

// Whether renju forbids black the free point (x, y): an overline, two fours
// or two threes, unless it makes five. A line through it is read as text of
// eleven points ('x' black, 'o' white or off the board, '.' free). A four is
// a window of four black stones and a free point that makes exactly five,
// told apart by its stones, so that .xxxx. counts once. A three is a line one
// stone more makes .xxxx. (lying in 1..10) with no black beyond, on a point
// black may play: the test recurses.
inline bool verboden(Bord& b, int x, int y) {
    auto vieren = [](const std::string& s) {
        int gezien[5], n = 0;
        for (int a = 1; a <= 5; ++a) {
            int stenen = 0, zwart = 0;
            for (int i = a; i < a + 5; ++i) stenen |= (s[i] == 'x') << i, zwart += s[i] == 'x';
            bool nieuw =
                zwart == 4 && s.find('o', a) >= a + 5u && s[a - 1] != 'x' && s[a + 5] != 'x';
            for (int i = 0; i < n; ++i) nieuw = nieuw && gezien[i] != stenen;
            if (nieuw) gezien[n++] = stenen;
        }
        return n;
    };
    b.v[x][y] = Zwart;
    int vijf = 0, lang = 0, vier = 0, drie = 0;
    for (int d = 0; d < 4; ++d) {
        vijf += b.rij(x, y, d) == 5;
        lang += b.rij(x, y, d) > 5;
        std::string s;
        for (int i = -5; i <= 5; ++i) s += "o.xo"[b.op(x, y, d, i) + 1];
        vier += vieren(s);
        for (int i = 2; i <= 8 && vieren(s) == 0; ++i) {
            std::string t = s;
            t[i] = 'x';
            const auto a = t.find(".xxxx.");
            if (s[i] == '.' && a != std::string::npos && t[a - 1] != 'x' && t[a + 6] != 'x' &&
                !verboden(b, x + (i - 5) * Richting[d][0], y + (i - 5) * Richting[d][1])) {
                ++drie;
                break;
            }
        }
    }
    b.v[x][y] = Vrij;
    return vijf == 0 && (lang > 0 || vier >= 2 || drie >= 2);
}

} // namespace scheids
