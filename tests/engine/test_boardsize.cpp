// The tournament boards of 15 and 20 lines: choosing the size, the weight
// table, the update and the five test at every corner and edge, and the scan.
#include <climits>
#include <random>

#include "helpers.h"
#include "reference.h"
#include "reset.h"
#include "scan.h"

namespace {

// Runs of five found from their first point, and the engine's product of a
// run read from its tables.
using ref::elkerij, ref::product, ref::Rij;

bool bevat(const Rij& w, int c, int r) {
    for (int e = 0; e < 5; ++e)
        if (w.col(e) == c && w.row(e) == r) return true;
    return false;
}

TEST(BoardSize, SizesOutsideTheRangeAreRefusedAndChangeNothing) {
    nieuwspel(true, 15);
    speel(8, 8);
    speel(9, 9);
    const EvalRecord one = EvalSet[1], two = EvalSet[2];
    const int32_t count = MoveCount, state = GameState, side = SideToMove;
    for (int32_t n : {INT32_MIN, -20, 0, 5, 14, 21, 25, 361, INT32_MAX}) {
        EXPECT_FALSE(zetbordgrootte(n)) << n;
        EXPECT_EQ(BoardLines, 15);
        EXPECT_EQ(MoveCount, count);
        EXPECT_EQ(GameState, state);
        EXPECT_EQ(SideToMove, side);
        EXPECT_EQ(std::memcmp(&one, &EvalSet[1], sizeof one), 0) << n;
        EXPECT_EQ(std::memcmp(&two, &EvalSet[2], sizeof two), 0) << n;
    }
}

TEST(BoardSize, ANewSizeStartsFromItsEmptyBoardAndKeepsTheStyles) {
    // A game on 20 with stones in the far corners and beyond line 15, then
    // the 15 board: nothing of it may remain beyond the new edge, where the
    // scan would find it.
    nieuwspel(true, 20);
    zetstijl(1, Angstig);
    for (auto [c, r] : {std::pair{20, 20}, {20, 1}, {16, 17}, {1, 20}, {18, 3}, {17, 16}})
        speel(c, r);
    EXPECT_TRUE(zetbordgrootte(15));
    EXPECT_EQ(BoardLines, 15);
    EXPECT_EQ(MoveCount, 0);
    EXPECT_EQ(GameState, NoGame);
    EXPECT_EQ(EvalSet[1].BlackCode, 3);
    EXPECT_EQ(EvalSet[1].WhiteCode, 5);
    EXPECT_EQ(EvalSet[1].BlackFive, 243);
    ref::Set empty;
    for (int i = 1; i <= 2; ++i) {
        ref::empty(empty, EvalSet[i].BlackCode, EvalSet[i].WhiteCode, 15);
        EXPECT_TRUE(ref::same(empty, EvalSet[i])) << "set " << i;
        EXPECT_EQ(EvalSet[i].LiveWindows, 572);
    }
    // And back to the game's board, as the window knows it.
    EXPECT_TRUE(zetbordgrootte(GameBoardSize));
    EXPECT_EQ(som(EvalSet[1]), 5100);
    EXPECT_EQ(EvalSet[1].LiveWindows, WindowCount);
}

TEST(BoardSize, MovesBeyondTheEdgeAreNotEnteredAndTheLastLineIsPlayed) {
    nieuwspel(true, 15);
    const EvalRecord before = EvalSet[1];
    for (auto [c, r] : {std::pair{16, 3}, {3, 16}, {16, 16}, {20, 20}, {0, 8}}) {
        MoveList[1] = {c, r, SideToMove};
        MoveCount = 1;
        verwerkzet(1);
        EXPECT_EQ(std::memcmp(&before, &EvalSet[1], sizeof before), 0) << c << "," << r;
    }
    nieuwspel(true, 20);
    speel(20, 20);
    EXPECT_EQ(EvalSet[1].Occupancy[20][20], 6);
    EXPECT_EQ(EvalSet[2].Occupancy[20][20], 5);
    EXPECT_EQ(EvalSet[1].DiagonalWindows[18][18], 6);
}

TEST(BoardSize, TheRecordHoldsEveryPointOfTheLargestBoard) {
    // More moves than the game's board has points; the record has room for
    // all 400 and refuses a 401st.
    nieuwspel(true, 20);
    MoveCount = MaxMoves;
    speel(10, 10);
    EXPECT_EQ(MoveCount, MaxMoves + 1);
    EXPECT_EQ(EvalSet[1].Occupancy[10][10], 6);
    MoveCount = 20 * 20 - 1;
    speel(20, 20);
    EXPECT_EQ(MoveCount, 400);
    EXPECT_EQ(MoveList[400].column, 20);
    speel(1, 1);
    EXPECT_EQ(MoveCount, 400);
    EXPECT_EQ(EvalSet[1].Occupancy[1][1], 0);
}

TEST(WeightTable, CountsTheRunsOfFiveThroughEachPointOnEverySize) {
    for (int n = MinBoardSize; n <= MaxBoardSize; ++n) {
        nieuwspel(true, n);
        int32_t count[MaxBoardSize + 1][MaxBoardSize + 1] = {};
        const int runs = elkerij(n, [&](const Rij& w) {
            for (int e = 0; e < 5; ++e) ++count[w.col(e)][w.row(e)];
        });
        EXPECT_EQ(runs, 2 * n * (n - 4) + 2 * (n - 4) * (n - 4)) << n;
        for (int i = 1; i <= 2; ++i) {
            const EvalRecord& s = EvalSet[i];
            for (int c = 0; c <= MaxBoardSize; ++c)
                for (int r = 0; r <= MaxBoardSize; ++r)
                    ASSERT_EQ(s.Score[c][r], count[c][r]) << n << ": " << c << "," << r;
            EXPECT_EQ(som(s), 5 * runs) << n;
            EXPECT_EQ(s.LiveWindows, runs) << n;
            // Corners, the edges and the middle, mirrored into every corner.
            for (auto [c, r] : {std::pair{1, 1}, {n, 1}, {1, n}, {n, n}})
                EXPECT_EQ(s.Score[c][r], 3);
            for (auto [c, r] : {std::pair{3, 3}, {n - 2, n - 2}, {3, n - 2}})
                EXPECT_EQ(s.Score[c][r], 10);
            for (auto [c, r] : {std::pair{5, 1}, {n - 4, n}, {1, n - 4}, {n, 5}})
                EXPECT_EQ(s.Score[c][r], 8);
            EXPECT_EQ(s.Score[n / 2][n / 2 + 1], 20);
            EXPECT_EQ(s.Score[n - 4][n - 4], 20);
        }
    }
    // Five points for each window: 2,860 on 15 and 5,760 on 20.
    EXPECT_EQ(elkerij(15, [](const Rij&) {}), 572);
    EXPECT_EQ(elkerij(20, [](const Rij&) {}), 1152);
}

class OpElkBord : public ::testing::TestWithParam<int> {};

TEST_P(OpElkBord, ALoneStoneOnAnyPointChangesExactlyTheWindowsThatHoldIt) {
    const int n = GetParam();
    for (int c = 1; c <= n; ++c)
        for (int r = 1; r <= n; ++r) {
            nieuwspel(true, n);
            speel(c, r);
            int touched = 0, weight = 0;
            elkerij(n, [&](const Rij& w) {
                const bool holds = bevat(w, c, r);
                weight += holds;
                touched += product(EvalSet[1], w) != 1;
                EXPECT_EQ(product(EvalSet[1], w), holds ? 6 : 1);
                EXPECT_EQ(product(EvalSet[2], w), holds ? 5 : 1);
            });
            ASSERT_EQ(touched, weight) << c << "," << r;
            for (int i = 1; i <= 2; ++i) {
                ref::Set one;
                ref::empty(one, EvalSet[i].BlackCode, EvalSet[i].WhiteCode, n);
                one.occ[c][r] = EvalSet[i].BlackCode;
                ref::fromscratch(one);
                ASSERT_TRUE(ref::same(one, EvalSet[i])) << "set " << i << " " << c << "," << r;
            }
        }
}

// Five black stones along a run ending at the board's far edges, the fifth
// on each of its points in turn: the game is won with that stone and not
// before, the window holds BlackFive, and set 2 never receives the stone.
TEST_P(OpElkBord, FivesAlongTheEdgesAndIntoTheCornersWin) {
    const int n = GetParam();
    const Rij runs[] = {
        {n - 4, n, 1, 0},                    // the last row, into the corner (n, n)
        {n, 1, 0, 1},                        // the last column, from the corner (n, 1)
        {n - 4, n - 4, 1, 1}, {1, 1, 1, 1},  // the diagonal at both ends
        {n - 4, 5, 1, -1},    {1, n, 1, -1}, // the anti-diagonal at both ends
        {1, 8, 1, 0},         {8, n - 4, 0, 1},
    };
    for (const Rij& w : runs)
        for (int last = 0; last < 5; ++last) {
            nieuwspel(true, n);
            for (int e = 0; e < 5; ++e)
                if (e != last) leg(w.col(e), w.row(e), true);
            ASSERT_EQ(GameState, BlackToMove);
            leg(w.col(last), w.row(last), true);
            EXPECT_EQ(GameState, BlackWon) << w.c << "," << w.r << " last " << last;
            EXPECT_EQ(product(EvalSet[1], w), EvalSet[1].BlackFive);
            EXPECT_EQ(EvalSet[2].Occupancy[w.col(last)][w.row(last)], 0);
        }
    // White's five on the last column, between black stones.
    nieuwspel(false, n);
    for (int r = n - 4; r <= n; ++r) {
        speel(n, r);
        if (r < n) speel(n - 2, r - 3);
    }
    EXPECT_EQ(GameState, WhiteWon);
    EXPECT_EQ(EvalSet[1].VerticalWindows[n][n - 2], EvalSet[1].WhiteFive);
}

// The vector scan against the plain one on random grids, with many ties
// when the scores are small, on the game's board and the others.
class ScanOpElkBord : public ::testing::TestWithParam<int> {};

TEST_P(ScanOpElkBord, AgreesWithAPlainLoopOverTheBoard) {
    const int n = GetParam();
    std::mt19937 rng(31 + n);
    ASSERT_TRUE(zetbordgrootte(n));
    static EvalRecord s;
    s = EvalRecord{};
    for (int round = 0; round < 3000; ++round) {
        const int32_t top = round % 3 == 0 ? 1 : 1 + rng() % 20000;
        const int density = round % 7;
        for (int c = 1; c <= n; ++c)
            for (int r = 1; r <= n; ++r)
                s.Score[c][r] = static_cast<int>(rng() % 7) < density ? rng() % (top + 1) : 0;
        // The last point of the board now and then alone at the top.
        if (round % 11 == 0) s.Score[n][n] = top + 1;
        int32_t best = 0, col = -1, row = -1;
        for (int c = 1; c <= n; ++c)
            for (int r = 1; r <= n; ++r)
                if (s.Score[c][r] > best) best = s.Score[c][r], col = c, row = r;
        for (auto scan : {hoogstescore, hoogstescoreeenvoudig}) {
            int32_t gotCol = -1, gotRow = -1;
            ASSERT_EQ(scan(s.Score, gotCol, gotRow), best);
            if (best > 0) {
                ASSERT_EQ(gotCol, col);
                ASSERT_EQ(gotRow, row);
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Board, OpElkBord, ::testing::Values(15, 20));
INSTANTIATE_TEST_SUITE_P(Board, ScanOpElkBord, ::testing::Values(19, 15, 20));

} // namespace
