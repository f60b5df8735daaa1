// The leagues' rules: renju's forbidden points and the wins under exactly
// five, each position judged by the engine and by the match manager's
// referee, which knows the rules by code of its own; and the choice that
// passes over what the rule does not allow.
#include <sstream>

#include "../tools/scheidsrechter.h"
#include "helpers.h"
#include "rules.h"

namespace {

// Stones "x,y x,y ..." on the wire's 0-based points, into the engine's set
// and the referee's board alike.
void legstenen(const char* punten, bool zwart, scheids::Bord& b) {
    std::istringstream in(punten);
    int x, y;
    char komma;
    while (in >> x >> komma >> y) {
        leg(x + 1, y + 1, zwart);
        b.v[x][y] = zwart ? scheids::Zwart : scheids::Wit;
    }
}

struct Stelling {
    const char* naam;
    const char* zwart;
    const char* wit;
    int x, y;      // black's point
    bool verboden; // renju's verdict on it
};

// On 15 x 15, around the middle (7, 7).
const Stelling Renjutabel[] = {
    {"double three", "7,5 7,6 5,7 6,7", "", 7, 7, true},
    {"split three beside a three", "4,7 6,7 7,5 7,6", "", 7, 7, true},
    {"a three blocked at one end is none", "7,5 7,6 5,7 6,7", "4,7", 7, 7, false},
    {"false three: its one straight four would be an overline",
     "7,5 7,6 5,7 6,7 8,5 8,6 8,8 8,9 8,10", "3,7", 7, 7, false},
    {"double four", "4,7 5,7 6,7 7,4 7,5 7,6", "", 7, 7, true},
    {"two fours in one line, x.xxx.x", "3,7 5,7 7,7 9,7", "", 6, 7, true},
    {"four-three", "4,7 5,7 6,7 7,5 7,6", "", 7, 7, false},
    {"overline", "2,7 3,7 4,7 5,7 7,7", "", 6, 7, true},
    {"five beside an overline", "3,7 4,7 5,7 6,7 7,5 7,6 7,8 7,9 7,10", "", 7, 7, false},
    {"a five that is also a double three", "3,7 4,7 5,7 6,7 7,5 7,6 5,5 6,6", "", 7, 7, false},
};

TEST(Renju, EachPositionGetsItsVerdictAndTheChoiceKeepsOffForbiddenPoints) {
    for (const Stelling& s : Renjutabel) {
        SCOPED_TRACE(s.naam);
        nieuwspel(true, 15);
        zetspelregel(Renju);
        scheids::Bord b{15};
        legstenen(s.zwart, true, b);
        legstenen(s.wit, false, b);
        EXPECT_EQ(verbodenpunt(s.x + 1, s.y + 1), s.verboden);
        EXPECT_EQ(scheids::verboden(b, s.x, s.y), s.verboden);
        // Black to move: whatever scores highest, no forbidden point.
        ASSERT_TRUE(kieszet());
        EXPECT_FALSE(scheids::verboden(b, TargetCol - 1, TargetRow - 1));
    }
}

struct Slotzet {
    const char* naam;
    int32_t regel; // the engine's
    const char* zwart;
    const char* wit;
    int x, y; // the last move, of black unless white is empty
    int32_t state;
    Vijfvenster five;
};

const Slotzet Slotzetten[] = {
    {"six wins under freestyle",
     Freestyle,
     "2,7 3,7 4,7 5,7 7,7",
     "",
     6,
     7,
     BlackWon,
     {5, 8, 1, 0}},
    {"six wins nothing under exactly five",
     ExactFive,
     "2,7 3,7 4,7 5,7 7,7",
     "",
     6,
     7,
     BlackToMove,
     {}},
    {"exact five across a six wins",
     ExactFive,
     "2,7 3,7 4,7 5,7 7,7 6,3 6,4 6,5 6,6",
     "",
     6,
     7,
     BlackWon,
     {7, 6, 0, 1}},
    {"white's six wins nothing under exactly five",
     ExactFive,
     "",
     "2,7 3,7 4,7 5,7 7,7",
     6,
     7,
     BlackToMove,
     {}},
    {"white's six wins in renju", Renju, "", "2,7 3,7 4,7 5,7 7,7", 6, 7, WhiteWon, {5, 8, 1, 0}},
    {"black's five at the edge wins in renju",
     Renju,
     "0,0 0,1 0,2 0,3",
     "",
     0,
     4,
     BlackWon,
     {1, 3, 0, 1}},
};

TEST(ExactFive, TheUpdateWinsOnlyWhatTheRuleCountsAndNamesThatFive) {
    for (const Slotzet& z : Slotzetten) {
        SCOPED_TRACE(z.naam);
        nieuwspel(true, 15);
        zetspelregel(z.regel);
        scheids::Bord b{15};
        const bool zwart = *z.zwart != '\0';
        legstenen(zwart ? z.zwart : z.wit, zwart, b);
        leg(z.x + 1, z.y + 1, zwart);
        b.v[z.x][z.y] = zwart ? scheids::Zwart : scheids::Wit;
        EXPECT_EQ(GameState, z.state);
        EXPECT_EQ(WinningFive, z.five);
        const int gomocup[] = {scheids::Vijfofmeer, scheids::Preciesvijf, scheids::Renju};
        EXPECT_EQ(scheids::wint(b, z.x, z.y, gomocup[z.regel]), z.state != BlackToMove);
    }
}

// Black xx.xxx in row 1 of 15 x 15: the gap scores highest of all, and
// filling it makes a six. Under exactly five it is passed over while
// another point is free, and played when it is the last.
TEST(ExactFive, TheChoiceFillsTheGapOfASixOnlyWhenNothingElseIsFree) {
    for (bool vol : {false, true}) {
        nieuwspel(true, 15);
        zetspelregel(ExactFive);
        for (int c = 1; c <= 6; ++c)
            if (c != 3) leg(c, 1, true);
        // The rest of the board, if asked, in a pattern where no window
        // keeps one colour.
        for (int c = 1; vol && c <= 15; ++c)
            for (int r = 2; r <= 15; ++r) leg(c, r, (c + 2 * r) % 4 < 2);
        for (int c = 7; vol && c <= 15; ++c) leg(c, 1, c % 2 == 0);
        ASSERT_TRUE(kieszet());
        EXPECT_EQ(TargetCol == 3 && TargetRow == 1, vol);
        zetspelregel(Freestyle);
        ASSERT_TRUE(kieszet());
        EXPECT_EQ(TargetCol * 100 + TargetRow, 301);
    }
}

} // namespace
