// Golden tests: the incremental update against an independent evaluation
// over many seeded games on the game's board and on the tournament boards of
// 15 and 20, style changes in the middle of a game, and the move-list
// signature of a seeded computer-against-computer game.
#include <random>

#include "helpers.h"
#include "reference.h"
#include "rules.h"

namespace {

void volg(ref::Set (&mirror)[3]) {
    for (int i = 1; i <= 2; ++i) ref::empty(mirror[i], EvalSet[i].BlackCode, EvalSet[i].WhiteCode);
}

// Applies the last recorded move to the mirrors the literal way and returns
// the state it leads to.
int32_t spiegel(ref::Set (&mirror)[3], int32_t state) {
    const MoveRecord m = MoveList[MoveCount];
    for (int i = 1; i <= 2 && state < 3; ++i) {
        const int32_t k =
            i == 1 ? m.code
                   : (m.code == EvalSet[1].BlackCode ? EvalSet[2].BlackCode : EvalSet[2].WhiteCode);
        state = ref::play(mirror[i], m.column, m.row, k, state);
    }
    return state;
}

// Each case runs on the board of GetParam() lines.
class Equivalence : public ::testing::TestWithParam<int> {};

TEST_P(Equivalence, IncrementalStateEqualsTheLiteralUpdateAfterEveryMove) {
    const int n = GetParam();
    std::mt19937 rng(20261208);
    int moves = 0, wins = 0, draws = 0;
    for (int game = 0; game < 300; ++game) {
        nieuwspel(game % 2 == 0, n);
        zaai(game + 1);
        const int s1 = 1 + game % 5, s2 = 1 + (game / 5) % 5;
        zetstijl(1, s1);
        zetstijl(2, s2);
        ref::Set mirror[3];
        volg(mirror);
        const int randomShare = game % 3; // 0: computer only, else some random moves
        while (gamerunning()) {
            const int32_t before = GameState;
            if (randomShare && rng() % 4 < static_cast<unsigned>(randomShare)) {
                int c, r;
                do {
                    c = 1 + rng() % n;
                    r = 1 + rng() % n;
                } while (EvalSet[1].Occupancy[c][r] != 0);
                speel(c, r);
            } else if (!speelcomputerzet()) {
                break;
            }
            ++moves;
            const int32_t expected = spiegel(mirror, before);
            ASSERT_EQ(GameState == Draw || GameState >= 3 ? GameState : before, expected)
                << "game " << game << " move " << MoveCount;
            for (int i = 1; i <= 2; ++i)
                ASSERT_TRUE(ref::same(mirror[i], EvalSet[i]))
                    << "set " << i << " game " << game << " move " << MoveCount;
            if (gamerunning()) {
                // From scratch too: windows and scores follow from the stones.
                for (int i = 1; i <= 2; ++i) {
                    ref::Set fresh = mirror[i];
                    ref::fromscratch(fresh);
                    ASSERT_TRUE(ref::same(fresh, EvalSet[i]));
                }
            }
        }
        wins += GameState == BlackWon || GameState == WhiteWon;
        draws += GameState == Draw;
    }
    EXPECT_GT(moves, 10000);
    EXPECT_GT(wins, 200);
}

TEST_P(Equivalence, BoardsFilledInRandomOrderEndInADraw) {
    // Every point coloured by (c + 2r) mod 4, black for 0 and 1: no five ever
    // forms and every window ends up holding both colours.
    const int n = GetParam();
    std::mt19937 rng(7);
    int draws = 0;
    for (int game = 0; game < 40; ++game) {
        nieuwspel(true, n);
        ref::Set mirror[3];
        volg(mirror);
        while (gamerunning()) {
            int c, r;
            do {
                c = 1 + rng() % n;
                r = 1 + rng() % n;
            } while (EvalSet[1].Occupancy[c][r] != 0);
            const int32_t before = GameState;
            leg(c, r, (c + 2 * r) % 4 < 2);
            const int32_t expected = spiegel(mirror, before);
            ASSERT_EQ(GameState >= 3 ? GameState : before, expected);
            for (int i = 1; i <= 2; ++i) ASSERT_TRUE(ref::same(mirror[i], EvalSet[i]));
        }
        draws += GameState == Draw;
    }
    EXPECT_EQ(draws, 40);
}

// Under exactly five and renju a five may win nothing (each game opens with black's
// xxx.xx filled in: a six); after every stone both sets are what the record makes them.
TEST_P(Equivalence, SetsFollowTheRecordUnderExactlyFiveAndRenju) {
    const int n = GetParam();
    std::mt19937 rng(20261209 + n);
    for (int game = 0; game < 120; ++game) {
        nieuwspel(game % 2 == 0, n);
        zetspelregel(game % 4 < 2 ? ExactFive : Renju);
        zaai(game + 1);
        const int c0 = 1 + rng() % (n - 5), r0 = 1 + rng() % n;
        for (int stone = 0; gamerunning(); ++stone) {
            const int c = 1 + rng() % n, r = 1 + rng() % n;
            if (stone < 6)
                leg(c0 + "012453"[stone] - '0', r0, true);
            else if (rng() % 3 == 0 && EvalSet[1].Occupancy[c][r] == 0)
                speel(c, r);
            else if (!speelcomputerzet())
                break;
            for (int i = 1; i <= 2 && gamerunning(); ++i) {
                ref::Set fresh;
                ref::uitrecord(fresh, i);
                ASSERT_TRUE(ref::same(fresh, EvalSet[i])) << "game " << game << " stone " << stone;
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Board, Equivalence, ::testing::Values(GameBoardSize, 15, 20));

TEST(StyleChange, MidGameTranslatesTheRecordAndRebuildsBothSets) {
    std::mt19937 rng(99);
    for (int game = 0; game < 60; ++game) {
        nieuwspel(game % 2 == 1);
        zaai(1000 + game);
        while (gamerunning() && MoveCount < 40) {
            if (!speelcomputerzet()) break;
            if (rng() % 5 == 0) {
                const int set = 1 + rng() % 2, style = 1 + rng() % 5;
                const bool blackToMove = SideToMove == EvalSet[1].BlackCode;
                const int32_t state = GameState;
                zetstijl(set, style);
                EXPECT_EQ(EvalSet[set].BlackCode, StyleTable[set][style].black);
                EXPECT_EQ(GameState, state);
                EXPECT_EQ(SideToMove == EvalSet[1].BlackCode, blackToMove);
                for (int n = 1; n <= MoveCount; ++n)
                    ASSERT_TRUE(MoveList[n].code == EvalSet[1].BlackCode ||
                                MoveList[n].code == EvalSet[1].WhiteCode);
                if (gamerunning())
                    for (int i = 1; i <= 2; ++i) {
                        ref::Set fresh;
                        ref::uitrecord(fresh, i);
                        ASSERT_TRUE(ref::same(fresh, EvalSet[i])) << "set " << i;
                    }
            }
        }
    }
}

TEST(StyleChange, TheTableOfBothComputers) {
    const int32_t one[6][2] = {{}, {3, 2}, {7, 5}, {6, 5}, {4, 5}, {3, 5}};
    const int32_t two[6][2] = {{}, {3, 5}, {4, 5}, {5, 6}, {7, 5}, {3, 2}};
    for (int style = 1; style <= 5; ++style) {
        nieuwspel();
        zetstijl(1, style);
        zetstijl(2, style);
        EXPECT_EQ(EvalSet[1].BlackCode, one[style][0]);
        EXPECT_EQ(EvalSet[1].WhiteCode, one[style][1]);
        EXPECT_EQ(EvalSet[2].BlackCode, two[style][0]);
        EXPECT_EQ(EvalSet[2].WhiteCode, two[style][1]);
        EXPECT_EQ(EvalSet[1].BlackFive, ref::pow5(one[style][0]));
        EXPECT_EQ(EvalSet[2].WhiteFive, ref::pow5(two[style][1]));
        EXPECT_EQ(stijlnummer(stijlnaam(style)), style);
    }
    zetstijl(1, Angstig);
    zetstijl(2, Roekeloos);
    for (int i = 1; i <= 2; ++i) {
        EXPECT_EQ(EvalSet[i].BlackCode, 3);
        EXPECT_EQ(EvalSet[i].WhiteCode, 5);
        EXPECT_EQ(EvalSet[i].BlackFive, 243);
        EXPECT_EQ(EvalSet[i].WhiteFive, 3125);
    }
    EXPECT_EQ(stijlnummer("onbekend"), 0);
    EXPECT_EQ(stijlnummer(nullptr), 0);
}

TEST(StyleChange, BetweenGamesOnlyTheCodesChange) {
    nieuwspel();
    speel(10, 10);
    GameState = WhiteWon;
    const EvalRecord before = EvalSet[1];
    zetstijl(1, Roekeloos);
    EXPECT_EQ(MoveList[1].code, 3) << "the record follows the codes";
    EXPECT_EQ(std::memcmp(before.Score, EvalSet[1].Score, sizeof before.Score), 0);
    // A finished game cannot be rebuilt, but its stones take the new codes
    // in each set that changed, so that the sets still hold the record.
    EXPECT_EQ(EvalSet[1].Occupancy[10][10], 3);
    GameState = WhiteToMove;
    speel(11, 10);
    GameState = BlackWon;
    zetstijl(2, Angstig); // set 2: black 3, white 2
    EXPECT_EQ(EvalSet[2].Occupancy[10][10], 3);
    EXPECT_EQ(EvalSet[2].Occupancy[11][10], 2);
    EXPECT_EQ(EvalSet[1].Occupancy[11][10], EvalSet[1].WhiteCode);
}

// A 64-bit FNV-1a hash of a game's move list.
uint64_t handtekening() {
    uint64_t h = 1469598103934665603ull;
    for (int n = 1; n <= MoveCount; ++n)
        for (int32_t v : {MoveList[n].column, MoveList[n].row, MoveList[n].code}) {
            h ^= static_cast<uint64_t>(v);
            h *= 1099511628211ull;
        }
    return h;
}

TEST(Signature, ASeededComputerGameHasAFixedMoveList) {
    nieuwspel();
    zaai(12345);
    while (gamerunning() && speelcomputerzet()) {}
    // Changing the evaluation, the choice or the generator changes these.
    EXPECT_EQ(MoveCount, 44);
    EXPECT_EQ(GameState, WhiteWon);
    EXPECT_EQ(handtekening(), 3705722976600679584u);
}

TEST(Signature, TheSameSeedGivesTheSameGame) {
    uint64_t first = 0;
    for (int run = 0; run < 2; ++run) {
        nieuwspel();
        zaai(777);
        while (gamerunning() && speelcomputerzet()) {}
        if (run == 0)
            first = handtekening();
        else
            EXPECT_EQ(handtekening(), first);
    }
}

} // namespace
