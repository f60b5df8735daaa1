// The referee of the match manager and of the rule tests: who won, and which
// points renju forbids black, written from the rules of the leagues alone.
// It shares nothing with the engine: a line is read as text, eleven points
// centred on the stone ('x' black, 'o' white or beyond the edge, '.' free),
// and fours and threes are found as patterns in that text.
// Coordinates are those of the wire: 0-based, x the column.
#pragma once

#include <string>

namespace scheids {

constexpr int Vrij = 0, Zwart = 1, Wit = 2;
constexpr int Vijfofmeer = 0, Preciesvijf = 1, Renju = 4; // the values of INFO rule

struct Bord {
    int n = 19;
    int v[20][20] = {};
    int op(int x, int y) const { return x < 0 || y < 0 || x >= n || y >= n ? -1 : v[x][y]; }
};

const int Richting[4][2] = {{1, 0}, {0, 1}, {1, 1}, {1, -1}};

// Five points either way of (x, y) along direction d, as text.
inline std::string lijn(const Bord& b, int x, int y, int d) {
    std::string s;
    for (int i = -5; i <= 5; ++i) {
        const int k = b.op(x + i * Richting[d][0], y + i * Richting[d][1]);
        s += k == Zwart ? 'x' : k == Vrij ? '.' : 'o';
    }
    return s;
}

// The length of the row of its own colour through the stone at (x, y).
inline int rij(const Bord& b, int x, int y, int d) {
    int n = 1;
    for (int kant = -1; kant <= 1; kant += 2)
        for (int i = 1;
             b.op(x + kant * i * Richting[d][0], y + kant * i * Richting[d][1]) == b.v[x][y]; ++i)
            ++n;
    return n;
}

// Whether the stone just played at (x, y) wins under the rule: five or more,
// or exactly five where the rule asks it (renju: of black).
inline bool wint(const Bord& b, int x, int y, int regel) {
    const bool precies = regel == Preciesvijf || (regel == Renju && b.v[x][y] == Zwart);
    for (int d = 0; d < 4; ++d) {
        const int n = rij(b, x, y, d);
        if (n == 5 || (n > 5 && !precies)) return true;
    }
    return false;
}

// The fours through the middle of a line: windows of five holding it, four
// black stones and a free point, whose filling makes exactly five. A
// straight four is completed from either end and counts once: fours are
// told apart by the stones they hold.
inline int vieren(const std::string& s) {
    int gezien[5], n = 0;
    for (int a = 1; a <= 5; ++a) {
        int stenen = 0, zwart = 0, vrij = 0;
        for (int i = a; i < a + 5; ++i) {
            stenen |= s[i] == 'x' ? 1 << i : 0;
            zwart += s[i] == 'x';
            vrij += s[i] == '.';
        }
        if (zwart != 4 || vrij != 1 || s[a - 1] == 'x' || s[a + 5] == 'x') continue;
        bool nieuw = true;
        for (int i = 0; i < n; ++i) nieuw = nieuw && gezien[i] != stenen;
        if (nieuw) gezien[n++] = stenen;
    }
    return n;
}

// Whether the line holds a straight four through its middle: .xxxx. with
// no black stone just beyond, so that each end makes exactly five.
inline bool rechtevier(const std::string& s) {
    for (int a = 2; a <= 5; ++a)
        if (s.compare(a, 4, "xxxx") == 0 && s[a - 1] == '.' && s[a + 4] == '.' && s[a - 2] != 'x' &&
            s[a + 5] != 'x')
            return true;
    return false;
}

// Whether renju forbids black the free point (x, y): an overline, two
// fours or two threes, unless it makes five. A three is a line that a
// further black stone turns into a straight four, on a point black may
// play: the test recurses on the board with the stone placed.
inline bool verboden(Bord& b, int x, int y) {
    b.v[x][y] = Zwart;
    bool vijf = false, lang = false;
    int vier = 0, drie = 0;
    for (int d = 0; d < 4; ++d) {
        const int n = rij(b, x, y, d);
        vijf = vijf || n == 5;
        lang = lang || n > 5;
        const std::string s = lijn(b, x, y, d);
        const int v = vieren(s);
        vier += v;
        for (int i = 2; i <= 8 && v == 0; ++i) {
            const int px = x + (i - 5) * Richting[d][0], py = y + (i - 5) * Richting[d][1];
            if (s[i] != '.') continue;
            std::string t = s;
            t[i] = 'x';
            if (rechtevier(t) && !verboden(b, px, py)) {
                ++drie;
                break;
            }
        }
    }
    b.v[x][y] = Vrij;
    return !vijf && (lang || vier >= 2 || drie >= 2);
}

} // namespace scheids
