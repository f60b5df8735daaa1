#include "rules.h"

#include "board.h"

int32_t Spelregel = Freestyle;

bool vijfwint(const EvalRecord& s, int cc, int cr, int dc, int dr, int32_t k) {
    if (Spelregel == Freestyle || (Spelregel == Renju && k == s.WhiteCode)) return true;
    auto eigen = [&](int c, int r) { return onboard(c, r) && s.Occupancy[c][r] == k; };
    return !eigen(cc - 3 * dc, cr - 3 * dr) && !eigen(cc + 3 * dc, cr + 3 * dr);
}

namespace {

// The stones of set 1 as the rule reads them: 0 free, Zwart, Wit, and Muur
// on a margin of Marge points beyond every edge, so that a walk of up to
// five steps from any point of the board needs no bounds test. Points are
// the board's own (column, row), 1..N, stored Marge places in.
constexpr int Zwart = 1, Wit = 2, Muur = 3;
constexpr int Marge = 5;
constexpr int Breedte = MaxBoardSize + 1 + 2 * Marge;
int8_t Stenen[Breedte][Breedte];

int8_t& veld(int c, int r) {
    return Stenen[c + Marge][r + Marge];
}

constexpr int StapC[4] = {1, 0, 1, 1};
constexpr int StapR[4] = {0, 1, 1, -1};

// How far the stones of (c, r)'s colour run from it along direction d: lo
// steps back and hi steps on.
void strek(int c, int r, int d, int& lo, int& hi) {
    const int8_t k = veld(c, r);
    lo = hi = 0;
    while (veld(c - (lo + 1) * StapC[d], r - (lo + 1) * StapR[d]) == k) ++lo;
    while (veld(c + (hi + 1) * StapC[d], r + (hi + 1) * StapR[d]) == k) ++hi;
}

int reeks(int c, int r, int d) {
    int lo, hi;
    strek(c, r, d, lo, hi);
    return lo + hi + 1;
}

// Whether the stone at (c, r) stands in a run of exactly five, and in a run
// of six or more.
bool maaktvijf(int c, int r) {
    for (int d = 0; d < 4; ++d)
        if (reeks(c, r, d) == 5) return true;
    return false;
}

bool maaktlang(int c, int r) {
    for (int d = 0; d < 4; ++d)
        if (reeks(c, r, d) > 5) return true;
    return false;
}

// The points on direction d, up to four steps from black's stone at (c, r),
// where a further black stone makes exactly five together with it; their
// steps go into stap, and their number is returned.
int vijfpunten(int c, int r, int d, int (&stap)[8]) {
    int n = 0;
    for (int t = -4; t <= 4; ++t) {
        const int qc = c + t * StapC[d], qr = r + t * StapR[d];
        if (t == 0 || veld(qc, qr) != 0) continue;
        veld(qc, qr) = Zwart;
        int lo, hi;
        strek(qc, qr, d, lo, hi);
        // (c, r) lies -t steps from q; the run must reach it.
        if (lo + hi + 1 == 5 && -t >= -lo && -t <= hi) stap[n++] = t;
        veld(qc, qr) = 0;
    }
    return n;
}

// The fours black's stone at (c, r) stands in along direction d. Two
// points five steps apart complete the same four stones from either end:
// a straight four, one four. Any other two complete different stones, as
// in X.XXX.X, two fours in one line.
int vieren(int c, int r, int d, bool& recht) {
    int stap[8];
    const int n = vijfpunten(c, r, d, stap);
    recht = n == 2 && stap[1] - stap[0] == 5;
    return recht ? 1 : n;
}

// What the rule reads off a stone of black's before it has to recurse: for
// each direction that holds no four, the points within three steps that
// make a straight four with the stone (where a three of that direction
// would be completed), and the number of directions that have any.
struct Drieen {
    int8_t punt[4][6][2];
    int aantal[4];
    int richtingen;
};

// The verdicts of weegsteen.
constexpr int Toegestaan = 0, Uitgesloten = 1, Onbeslist = 2;

// The verdict on black's stone at (c, r) as far as it follows from the
// stones as they stand, without weighing any further point: a five is
// allowed; else an overline or two fours are excluded; else threes in two
// directions would exclude it, so with straight-four points in fewer than
// two directions it is allowed whatever they are, and otherwise undecided,
// with those points in k.
int weegsteen(int c, int r, Drieen& k) {
    if (maaktvijf(c, r)) return Toegestaan;
    if (maaktlang(c, r)) return Uitgesloten;
    int v[4], fours = 0;
    bool recht;
    for (int d = 0; d < 4; ++d) fours += v[d] = vieren(c, r, d, recht);
    if (fours >= 2) return Uitgesloten;
    // A direction that holds a four holds no three besides.
    k.richtingen = 0;
    for (int d = 0; d < 4; ++d) {
        int& n = k.aantal[d];
        n = 0;
        for (int t = -3; t <= 3 && v[d] == 0; ++t) {
            const int qc = c + t * StapC[d], qr = r + t * StapR[d];
            if (t == 0 || veld(qc, qr) != 0) continue;
            veld(qc, qr) = Zwart;
            vieren(c, r, d, recht);
            veld(qc, qr) = 0;
            if (recht)
                k.punt[d][n][0] = static_cast<int8_t>(qc),
                k.punt[d][n++][1] = static_cast<int8_t>(qr);
        }
        k.richtingen += n > 0;
    }
    return k.richtingen < 2 ? Toegestaan : Onbeslist;
}

bool verboden(int c, int r);

// The tests of points that one verdict may make, at most. The weighing
// above keeps every position met in play, and the worst anyone has built,
// far below it (65 tests); a position can be built, though never met in a
// game, whose threes lead to threes on and on, and the time of a move must
// not depend on what a manager sends. Past the budget the point counts as
// forbidden: the computer then passes over a point it might have played,
// and never plays one it may not.
constexpr int32_t Toetsbudget = 20000;
int32_t Budget;

// Whether direction d of black's stone holds a three: one of its
// straight-four points that black may play. The points that weegsteen
// decides are looked at first, so that the test recurses only where no
// point of the direction is decided without it.
bool isdrie(const Drieen& k, int d) {
    bool open[6] = {};
    for (int i = 0; i < k.aantal[d]; ++i) {
        const int qc = k.punt[d][i][0], qr = k.punt[d][i][1];
        Drieen verder;
        veld(qc, qr) = Zwart;
        const int oordeel = weegsteen(qc, qr, verder);
        veld(qc, qr) = 0;
        if (oordeel == Toegestaan) return true;
        open[i] = oordeel == Onbeslist;
    }
    for (int i = 0; i < k.aantal[d]; ++i)
        if (open[i] && !verboden(k.punt[d][i][0], k.punt[d][i][1])) return true;
    return false;
}

// Whether black may not play the free point (c, r), with the stones as they
// stand in Stenen. The stone is put down for the test and taken up again.
// A three counts only where its straight four can be made by a point black
// may play, so the test recurses, on the stones with this one added; the
// threes are counted only until two are found, or two cannot be reached any
// more.
bool verboden(int c, int r) {
    if (--Budget < 0) return false; // spent: the verdict at the top says forbidden
    veld(c, r) = Zwart;
    Drieen k;
    int oordeel = weegsteen(c, r, k);
    if (oordeel == Onbeslist) {
        int drie = 0, over = k.richtingen;
        oordeel = Toegestaan;
        for (int d = 0; d < 4 && oordeel == Toegestaan && drie + over >= 2; ++d) {
            if (k.aantal[d] == 0) continue;
            --over;
            drie += isdrie(k, d);
            if (drie >= 2) oordeel = Uitgesloten;
        }
    }
    veld(c, r) = 0;
    return oordeel == Uitgesloten;
}

} // namespace

void neemstenenover() {
    const EvalRecord& s = EvalSet[1];
    for (int c = 1 - Marge; c <= MaxBoardSize + Marge; ++c)
        for (int r = 1 - Marge; r <= MaxBoardSize + Marge; ++r) {
            const int32_t k = onboard(c, r) ? s.Occupancy[c][r] : -1;
            veld(c, r) = k == 0 ? 0 : k == s.BlackCode ? Zwart : k == s.WhiteCode ? Wit : Muur;
        }
}

int weegpunt(int32_t c, int32_t r, bool zwart) {
    if (Spelregel == Renju) {
        if (!zwart) return Speelbaar;
        Budget = Toetsbudget;
        const bool forbidden = verboden(c, r);
        return forbidden || Budget < 0 ? Verboden : Speelbaar;
    }
    if (Spelregel != ExactFive) return Speelbaar;
    veld(c, r) = zwart ? Zwart : Wit;
    const int oordeel = !maaktvijf(c, r) && maaktlang(c, r) ? Zonderwinst : Speelbaar;
    veld(c, r) = 0;
    return oordeel;
}
