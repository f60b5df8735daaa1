#include "update.h"

#include <cstddef>

#include "board.h"
#include "events.h"
#include "reset.h"
#include "rules.h"

int32_t UpdateDepth = 0;

namespace {

// One line direction through a point: its window table and how a window
// centre indexes it.
// The four directions are taken in this order: horizontal, diagonal (column
// and row rise together), anti-diagonal (the column falls as the row rises),
// vertical.
template <int DC, int DR> struct Line;

// Every array is sized for the largest board, so the strides are the same
// constants on every board.
constexpr int PointStride(int dc, int dr) {
    return dc * (MaxBoardSize + 1) + dr;
}

template <> struct Line<1, 0> {
    static int32_t* table(EvalRecord& s) { return &s.HorizontalWindows[0][0]; }
    static constexpr int index(int cc, int cr) { return cc * (MaxBoardSize + 1) + cr; }
};
template <> struct Line<1, 1> {
    static int32_t* table(EvalRecord& s) { return &s.DiagonalWindows[0][0]; }
    static constexpr int index(int cc, int cr) { return cc * (MaxCentre + 1) + cr; }
};
template <> struct Line<-1, 1> {
    static int32_t* table(EvalRecord& s) { return &s.AntiDiagonalWindows[0][0]; }
    static constexpr int index(int cc, int cr) { return cc * (MaxCentre + 1) + cr; }
};
template <> struct Line<0, 1> {
    static int32_t* table(EvalRecord& s) { return &s.VerticalWindows[0][0]; }
    static constexpr int index(int cc, int cr) { return cc * (MaxCentre + 1) + cr; }
};

constexpr int imax(int a, int b) {
    return a > b ? a : b;
}
constexpr int imin(int a, int b) {
    return a < b ? a : b;
}

// Range of steps t in [-reach, reach] for which v + t * step stays in lo..hi.
constexpr void bereik(int v, int step, int lo, int hi, int reach, int& from, int& to) {
    if (step == 0) {
        from = -reach;
        to = reach;
    } else if (step > 0) {
        from = imax(-reach, lo - v);
        to = imin(reach, hi - v);
    } else {
        from = imax(-reach, v - hi);
        to = imin(reach, v - lo);
    }
}

// For every point and direction: the offsets of the windows through it whose
// centres lie in the table, the offsets of the points within four steps that
// lie on the board, and whether the line is full (windows -2..2, points
// -4..4, as everywhere at least four points from the edges it runs to).
// Built for the board being played; points beyond it stay all zero.
struct Reikwijdte {
    int8_t windowFrom, windowTo, pointFrom, pointTo;
    bool full;
};

constexpr int StepCs[4] = {1, 1, -1, 0};
constexpr int StepRs[4] = {0, 1, 1, 1};

// Lijnen[c][r][dir] for the board being played; bouwlijntabel builds it.
Reikwijdte Lijnen[MaxBoardSize + 1][MaxBoardSize + 1][4];

// What a move does to one set, line by line.
struct Zet {
    EvalRecord& s;
    Zet(EvalRecord& set, int col, int row, int32_t code)
        : s(set), c(col), r(row), k(code), o(set.BlackCode + set.WhiteCode - code),
          ownFive(code == set.BlackCode ? set.BlackFive : set.WhiteFive), fiveAt(3) {}
    int c, r;
    int32_t k, o;
    int32_t ownFive;
    // change[dir][d + 7]: the change of the window d steps along the line.
    // On lines that reach an edge the unused entries are zero, so that the
    // running sums there need no bounds tests.
    int32_t change[4][14];
    int fiveAt; // lowest offset at which a window became a five; 3 if none
};

// Multiplies the windows of one direction through the stone by k, or kills
// them when they held the opponent's colour, and notes each change. On a
// full line the bounds are constants, so the loop unrolls into five fixed
// table offsets.
template <int DC, int DR, bool Full> void werklijn(Zet& z, int dir, int from, int to) {
    using L = Line<DC, DR>;
    if (Full) from = -2, to = 2;
    int32_t* ch = z.change[dir] + 7;
    // On a full line the stone's own point is a valid centre of the table.
    int32_t* w = L::table(z.s) + (Full ? L::index(z.c, z.r) : 0);
    constexpr int Step = L::index(DC, DR) - L::index(0, 0);
    const int32_t o = z.o, k1 = z.k - 1, five = z.ownFive;
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC unroll 5
#endif
    for (int d = from; d <= to; ++d) {
        int32_t& p = Full ? w[d * Step] : w[L::index(z.c + d * DC, z.r + d * DR)];
        int32_t delta;
        if (p % o == 0) {
            delta = -p; // holds the opponent's colour: dies, or was dead already
            z.s.LiveWindows -= p != 0;
        } else {
            delta = k1 * p;
        }
        ch[d] = delta;
        p += delta;
        if (p == five && d < z.fiveAt) z.fiveAt = d;
    }
}

template <int DC, int DR> void werkvensters(Zet& z, int dir) {
    const Reikwijdte& rw = Lijnen[z.c][z.r][dir];
    const int from = rw.windowFrom, to = rw.windowTo;
    if (rw.full) {
        werklijn<DC, DR, true>(z, dir, from, to);
    } else {
        int32_t* ch = z.change[dir] + 7;
        for (int d = -7; d <= 6; ++d) ch[d] = 0;
        werklijn<DC, DR, false>(z, dir, from, to);
    }
}

// Gives every empty point of one direction the sum of the changes of the
// windows through it: a point j steps from the stone lies in the windows
// whose centres are j-2..j+2 steps away.
template <int DC, int DR> void werkscores(Zet& z, int dir) {
    constexpr int PS = PointStride(DC, DR);
    const int32_t* ch = z.change[dir] + 7;
    const int32_t* occ = &z.s.Occupancy[0][0];
    int32_t* score = &z.s.Score[0][0];
    const int base = z.c * (MaxBoardSize + 1) + z.r;
    auto geef = [&](int j, int32_t sum) {
        const int p = base + j * PS;
        if (occ[p] == 0) score[p] += sum;
    };
    const Reikwijdte& rw = Lijnen[z.c][z.r][dir];
    if (rw.full) {
        // Sums of the windows from the near end: points -4..-1 see the first
        // one to four windows, points 1..4 the last four to one.
        const int32_t a = ch[-2], b = a + ch[-1], c = b + ch[0], d = c + ch[1];
        const int32_t e = ch[2], f = e + ch[1], g = f + ch[0], h = g + ch[-1];
        geef(-4, a), geef(-3, b), geef(-2, c), geef(-1, d);
        geef(1, h), geef(2, g), geef(3, f), geef(4, e);
        return;
    }
    const int from = rw.pointFrom, to = rw.pointTo;
    int32_t sum = 0;
    for (int j = from - 3; j <= from + 1; ++j) sum += ch[j];
    for (int j = from; j <= to; ++j) {
        sum += ch[j + 2] - ch[j - 3];
        if (j != 0) geef(j, sum);
    }
}

// Puts back the windows beyond the offset at which a winning five was made:
// the update ends at that five, so in this set they never received the
// stone.
template <int DC, int DR> void herstel(Zet& z, int dir) {
    using L = Line<DC, DR>;
    int32_t* w = L::table(z.s);
    int32_t* ch = z.change[dir] + 7;
    for (int d = z.fiveAt + 1; d <= Lijnen[z.c][z.r][dir].windowTo; ++d) {
        int32_t& p = w[L::index(z.c + d * DC, z.r + d * DR)];
        const int32_t old = p - ch[d];
        if (old != 0 && p == 0) ++z.s.LiveWindows;
        p = old;
        ch[d] = 0;
    }
}

// A position is being laid out (beginopstelling): no five and no dead board
// ends anything until it stands complete.
bool Opstellen;

// Whether the window d steps along this direction from the stone is a five
// just made that wins under the rule; if so it becomes the winning window.
template <int DC, int DR> bool vindvijf(Zet& z, int dir, int d) {
    using L = Line<DC, DR>;
    const Reikwijdte& rw = Lijnen[z.c][z.r][dir];
    if (d < rw.windowFrom || d > rw.windowTo) return false;
    const int cc = z.c + d * DC, cr = z.r + d * DR;
    if (L::table(z.s)[L::index(cc, cr)] != z.ownFive || !vijfwint(z.s, cc, cr, DC, DR, z.k))
        return false;
    WinningFive = {cc, cr, DC, DR};
    return true;
}

// Places a stone of code k at (c, r) in one set.
void zetinset(EvalRecord& s, int c, int r, int32_t k) {
    Zet z(s, c, r, k);
    s.Occupancy[c][r] = k;
    s.Score[c][r] = 0;
    werkvensters<1, 0>(z, 0);
    werkvensters<1, 1>(z, 1);
    werkvensters<-1, 1>(z, 2);
    werkvensters<0, 1>(z, 3);
    // The game is won with the first five in the update's order (offset by
    // offset, the four directions at each) that the rule lets win. Under
    // Freestyle that is the first five found; a row of six that wins nothing
    // is passed, and the update goes on past it. While a position is laid
    // out no five counts yet.
    if (Opstellen) z.fiveAt = 3;
    while (z.fiveAt <= 2 && !(vindvijf<1, 0>(z, 0, z.fiveAt) || vindvijf<1, 1>(z, 1, z.fiveAt) ||
                              vindvijf<-1, 1>(z, 2, z.fiveAt) || vindvijf<0, 1>(z, 3, z.fiveAt)))
        ++z.fiveAt;
    if (z.fiveAt <= 2) {
        // Windows are taken offset by offset, all four directions at each,
        // and the update stops after the offset that made the five.
        herstel<1, 0>(z, 0);
        herstel<1, 1>(z, 1);
        herstel<-1, 1>(z, 2);
        herstel<0, 1>(z, 3);
        GameState = k == s.BlackCode ? BlackWon : WhiteWon;
    }
    werkscores<1, 0>(z, 0);
    werkscores<1, 1>(z, 1);
    werkscores<-1, 1>(z, 2);
    werkscores<0, 1>(z, 3);
    // No live window left and no five: no five can be made any more. A five
    // made with the last live window still counts as the win.
    if (s.LiveWindows == 0 && z.fiveAt > 2 && !Opstellen) GameState = Draw;
}

// The first five of set 1 in one direction's table that wins under the rule
// in the position as it stands; true when found, and it is the winning
// window.
template <int DC, int DR> bool winnendevijf() {
    using L = Line<DC, DR>;
    const EvalRecord& s = EvalSet[1];
    const int last = BoardLines - FirstCentre + 1;
    for (int cc = DC == 0 ? 1 : FirstCentre; cc <= (DC == 0 ? BoardLines : last); ++cc)
        for (int cr = DR == 0 ? 1 : FirstCentre; cr <= (DR == 0 ? BoardLines : last); ++cr) {
            const int32_t p = L::table(EvalSet[1])[L::index(cc, cr)];
            const int32_t k = p == s.BlackFive ? s.BlackCode : p == s.WhiteFive ? s.WhiteCode : 0;
            if (k != 0 && vijfwint(s, cc, cr, DC, DR, k)) {
                WinningFive = {cc, cr, DC, DR};
                GameState = k == s.BlackCode ? BlackWon : WhiteWon;
                return true;
            }
        }
    return false;
}

} // namespace

void beginopstelling() {
    Opstellen = true;
}

void eindopstelling() {
    Opstellen = false;
    if (winnendevijf<1, 0>() || winnendevijf<0, 1>() || winnendevijf<1, 1>() ||
        winnendevijf<-1, 1>())
        return;
    if (EvalSet[1].LiveWindows == 0 && GameState < BlackWon) GameState = Draw;
}

void beginupdate() {
    UpdateDepth = 0;
}

void herbouwsets() {
    ++UpdateDepth;
    const int32_t state = GameState;
    const Vijfvenster five = WinningFive;
    nieuwepartij();
    for (int32_t n = 1; n <= MoveCount; ++n) verwerkzet(n);
    GameState = state;
    WinningFive = five;
    --UpdateDepth;
}

void bouwlijntabel() {
    const int n = BoardLines;
    for (auto& column : Lijnen)
        for (auto& point : column)
            for (Reikwijdte& w : point) w = {};
    for (int c = 1; c <= n; ++c)
        for (int r = 1; r <= n; ++r)
            for (int dir = 0; dir < 4; ++dir) {
                int f1, t1, f2, t2, p1, q1, p2, q2;
                bereik(c, StepCs[dir], FirstCentre, n - 2, 2, f1, t1);
                bereik(r, StepRs[dir], FirstCentre, n - 2, 2, f2, t2);
                bereik(c, StepCs[dir], 1, n, 4, p1, q1);
                bereik(r, StepRs[dir], 1, n, 4, p2, q2);
                Reikwijdte& w = Lijnen[c][r][dir];
                w.windowFrom = static_cast<int8_t>(imax(f1, f2));
                w.windowTo = static_cast<int8_t>(imin(t1, t2));
                w.pointFrom = static_cast<int8_t>(imax(p1, p2));
                w.pointTo = static_cast<int8_t>(imin(q1, q2));
                w.full = w.pointFrom == -4 && w.pointTo == 4;
            }
}

void verwerkzet(int32_t n) {
    if (n < 1 || n > MoveCount) return;
    ++UpdateDepth;
    for (int i = 1; i <= 2; ++i) {
        if (GameState >= BlackWon) break;
        Berichtenpomp();
        const MoveRecord m = MoveList[n];
        EvalRecord& s = EvalSet[i];
        int32_t k = m.code;
        if (i == 2) k = (k == EvalSet[1].BlackCode) ? s.BlackCode : s.WhiteCode;
        // A code that is neither of the set's, a point off the board or an
        // occupied point would break the arithmetic; such a move is not
        // entered.
        if ((k != s.BlackCode && k != s.WhiteCode) || !onboard(m.column, m.row) ||
            s.Occupancy[m.column][m.row] != 0)
            continue;
        zetinset(s, m.column, m.row, k);
    }
    --UpdateDepth;
}
