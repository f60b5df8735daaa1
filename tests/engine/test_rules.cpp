// The leagues' rules on 15 x 15, judged by the engine and by the match
// manager's referee, which knows them by code of its own.
#include <random>
#include <sstream>
#include <tuple>

#include "../tools/scheidsrechter.h"
#include "helpers.h"
#include "rules.h"

namespace {

// Renju's verdict on black's free point (c, r), whatever rule is played.
bool verbodenpunt(int32_t c, int32_t r) {
    const int32_t regel = Spelregel;
    zetspelregel(Renju);
    neemstenenover();
    const bool uit = weegpunt(c, r, true) == Verboden;
    return zetspelregel(regel) && uit;
}

// A game under the rule, black to move, with the stones "x,y ..." (0-based)
// of each colour in the engine and on the referee's board.
scheids::Bord beginmet(int32_t regel, const char* zwart, const char* wit) {
    nieuwspel(true, 15);
    zetspelregel(regel);
    scheids::Bord b{15};
    for (int kleur : {scheids::Zwart, scheids::Wit}) {
        std::istringstream in(kleur == scheids::Zwart ? zwart : wit);
        char komma;
        for (int x, y; in >> x >> komma >> y; b.v[x][y] = kleur) leg(x + 1, y + 1, kleur == 1);
    }
    return b;
}

// Black's point (x, y): renju's verdict on it, and the five black wins with
// there under the rule (none: the game goes on).
using Vijf = Vijfvenster;
using Stelling = std::tuple<const char*, int32_t, const char*, const char*, int, int, bool, Vijf>;
const Stelling Stellingen[] = {
    {"double three", Renju, "7,5 7,6 5,7 6,7", "", 7, 7, true, Vijf{}},
    {"split three beside a three", Renju, "4,7 6,7 7,5 7,6", "", 7, 7, true, Vijf{}},
    {"a three blocked at one end is none", Renju, "7,5 7,6 5,7 6,7", "4,7", 7, 7, false, Vijf{}},
    {"false three: its straight four is an overline", Renju, "7,5 7,6 5,7 6,7 8,5 8,6 8,8 8,9 8,10",
     "3,7", 7, 7, false, Vijf{}},
    {"double four", Renju, "4,7 5,7 6,7 7,4 7,5 7,6", "", 7, 7, true, Vijf{}},
    {"two fours in one line, x.xxx.x", Renju, "3,7 5,7 7,7 9,7", "", 6, 7, true, Vijf{}},
    {"four-three", Renju, "4,7 5,7 6,7 7,5 7,6", "", 7, 7, false, Vijf{}},
    {"overline, no win in renju", Renju, "2,7 3,7 4,7 5,7 7,7", "", 6, 7, true, Vijf{}},
    {"five beside an overline", Renju, "3,7 4,7 5,7 6,7 7,5 7,6 7,8 7,9 7,10", "", 7, 7, false,
     Vijf{6, 8, 1, 0}},
    {"a five that is also a double three", Renju, "3,7 4,7 5,7 6,7 7,5 7,6 5,5 6,6", "", 7, 7,
     false, Vijf{6, 8, 1, 0}},
    {"six under freestyle wins", Freestyle, "2,7 3,7 4,7 5,7 7,7", "", 6, 7, true,
     Vijf{5, 8, 1, 0}},
    {"exact five across a six wins under exactly five", ExactFive,
     "2,7 3,7 4,7 5,7 7,7 6,3 6,4 6,5 6,6", "", 6, 7, false, Vijf{7, 6, 0, 1}},
};

TEST(Rules, EachPositionGetsRenjusVerdictAndTheFiveThatWinsUnderItsRule) {
    for (auto [naam, regel, zwart, wit, x, y, verboden, five] : Stellingen) {
        SCOPED_TRACE(naam);
        scheids::Bord b = beginmet(regel, zwart, wit);
        EXPECT_EQ(verbodenpunt(x + 1, y + 1), verboden);
        EXPECT_EQ(scheids::verboden(b, x, y), verboden);
        leg(x + 1, y + 1, true);
        EXPECT_EQ(WinningFive, five);
        EXPECT_EQ(GameState, five == Vijf{} ? BlackToMove : BlackWon);
    }
}

// Random positions from sparse to crowded, laid out whatever fives they
// hold: every free point gets the same verdict from engine and referee.
TEST(Rules, RenjuVerdictsAgreeWithTheRefereesOnSeededRandomPositions) {
    std::mt19937 rng(20261209);
    for (int stelling = 0; stelling < 150; ++stelling) {
        nieuwspel(true, 15);
        scheids::Bord b{15};
        const unsigned zwart = 15 + stelling % 30, stenen = zwart + 5 + stelling % 20;
        beginopstelling();
        for (int p = 0; p < 225; ++p)
            if (const unsigned u = rng() % 100; u < stenen) {
                leg(p % 15 + 1, p / 15 + 1, u < zwart);
                b.v[p % 15][p / 15] = u < zwart ? scheids::Zwart : scheids::Wit;
            }
        eindopstelling();
        for (int p = 0; p < 225; ++p)
            if (b.v[p % 15][p / 15] == scheids::Vrij) {
                ASSERT_EQ(verbodenpunt(p % 15 + 1, p / 15 + 1),
                          scheids::verboden(b, p % 15, p / 15))
                    << "position " << stelling << ", point " << p % 15 << "," << p / 15;
            }
    }
}

// A position laid out, not played: black's six 3..8 on row 7, given left to
// right, holds the five 3..7 on the way. Judged as it stands it is no win
// under exactly five, and a win under freestyle.
TEST(Rules, ALaidOutPositionIsJudgedAsItStandsWhateverTheOrderOfItsStones) {
    for (int32_t regel : {ExactFive, Freestyle}) {
        nieuwspel(true, 15);
        zetspelregel(regel);
        beginopstelling();
        for (int x = 3; x <= 8; ++x) speel(x + 1, 8), speel(x + 1, 1 + 2 * (x % 3));
        eindopstelling();
        EXPECT_EQ(GameState, regel == ExactFive ? BlackToMove : BlackWon) << regel;
        EXPECT_EQ(EvalSet[2].Occupancy[9][8], EvalSet[2].BlackCode) << "every stone entered";
    }
}

} // namespace
