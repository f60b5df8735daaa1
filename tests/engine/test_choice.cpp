// The computer's choice: the random openings, the scan and the styles.
#include <random>
#include <set>
#include <tuple>
#include <utility>

#include "helpers.h"
#include "scan.h"

namespace {

TEST(Opening, FirstStoneLandsInTheCentralSquare) {
    std::set<std::pair<int, int>> seen;
    for (uint64_t seed = 1; seed <= 2000; ++seed) {
        nieuwspel();
        zaai(seed);
        ASSERT_TRUE(kieszet());
        ASSERT_GE(TargetCol, 6);
        ASSERT_LE(TargetCol, 14);
        ASSERT_GE(TargetRow, 6);
        ASSERT_LE(TargetRow, 14);
        seen.insert({TargetCol, TargetRow});
    }
    EXPECT_EQ(seen.size(), 81u) << "every point of the square is reachable";
}

TEST(Opening, ReplyToACornerOpeningIsOneOfTheEightFreeNeighbours) {
    std::set<std::pair<int, int>> seen;
    for (uint64_t seed = 1; seed <= 500; ++seed) {
        nieuwspel(false);
        zaai(seed);
        speel(1, 1);
        ASSERT_TRUE(kieszet());
        ASSERT_LE(TargetCol, 3);
        ASSERT_LE(TargetRow, 3);
        ASSERT_FALSE(TargetCol == 1 && TargetRow == 1);
        seen.insert({TargetCol, TargetRow});
    }
    EXPECT_EQ(seen.size(), 8u);
}

TEST(Opening, ThirdMoveStaysNearTheFirstAndAvoidsStones) {
    for (uint64_t seed = 1; seed <= 500; ++seed) {
        nieuwspel();
        zaai(seed);
        speel(10, 10);
        speel(11, 11);
        ASSERT_TRUE(kieszet());
        ASSERT_LE(std::abs(TargetCol - 10), 2);
        ASSERT_LE(std::abs(TargetRow - 10), 2);
        ASSERT_EQ(EvalSet[1].Occupancy[TargetCol][TargetRow], 0);
    }
}

TEST(Opening, FourthMoveComesFromTheWidenedRectangleOfTheFirstTwo) {
    std::set<std::pair<int, int>> seen;
    for (uint64_t seed = 1; seed <= 3000; ++seed) {
        nieuwspel();
        zaai(seed);
        speel(10, 10);
        speel(12, 9);
        speel(11, 11);
        ASSERT_TRUE(kieszet());
        ASSERT_GE(TargetCol, 9);
        ASSERT_LE(TargetCol, 13);
        ASSERT_GE(TargetRow, 8);
        ASSERT_LE(TargetRow, 11);
        ASSERT_EQ(EvalSet[1].Occupancy[TargetCol][TargetRow], 0);
        seen.insert({TargetCol, TargetRow});
    }
    EXPECT_EQ(seen.size(), 5u * 4u - 3u);
}

TEST(Opening, FourthMoveAtTheEdgeIsCutToTheBoard) {
    for (uint64_t seed = 1; seed <= 300; ++seed) {
        nieuwspel();
        zaai(seed);
        speel(1, 1);
        speel(2, 1);
        speel(1, 2);
        ASSERT_TRUE(kieszet());
        ASSERT_LE(TargetCol, 3);
        ASSERT_LE(TargetRow, 2);
        ASSERT_EQ(EvalSet[1].Occupancy[TargetCol][TargetRow], 0);
    }
}

TEST(Opening, OnTheTournamentBoardsTheFirstStoneLandsWithinFourLinesOfTheMiddle) {
    // The middle of 15 is line 8; that of 20 lies between lines 10 and 11.
    for (auto [n, low, high] : {std::tuple{15, 4, 12}, {20, 7, 14}}) {
        std::set<std::pair<int, int>> seen;
        for (uint64_t seed = 1; seed <= 2000; ++seed) {
            nieuwspel(true, n);
            zaai(seed);
            ASSERT_TRUE(kieszet());
            ASSERT_GE(TargetCol, low);
            ASSERT_LE(TargetCol, high);
            ASSERT_GE(TargetRow, low);
            ASSERT_LE(TargetRow, high);
            seen.insert({TargetCol, TargetRow});
        }
        EXPECT_EQ(seen.size(), static_cast<size_t>((high - low + 1) * (high - low + 1))) << n;
    }
}

TEST(Opening, OnTheTournamentBoardsTheFarCornerIsAnsweredOnTheBoard) {
    for (int n : {15, 20}) {
        // The reply to an opening in the corner (n, n): one of its eight
        // free neighbours.
        std::set<std::pair<int, int>> seen;
        for (uint64_t seed = 1; seed <= 500; ++seed) {
            nieuwspel(false, n);
            zaai(seed);
            speel(n, n);
            ASSERT_TRUE(kieszet());
            ASSERT_GE(TargetCol, n - 2);
            ASSERT_GE(TargetRow, n - 2);
            ASSERT_TRUE(onboard(TargetCol, TargetRow));
            ASSERT_FALSE(TargetCol == n && TargetRow == n);
            seen.insert({TargetCol, TargetRow});
        }
        EXPECT_EQ(seen.size(), 8u) << n;
        // The fourth move: the rectangle of (n, n) and (n - 1, n - 1)
        // widened by one and cut to the board; its six free points reach the
        // last column and the last row.
        std::set<std::pair<int, int>> expected;
        for (int c = n - 2; c <= n; ++c)
            for (int r = n - 2; r <= n; ++r)
                if (c != r) expected.insert({c, r});
        seen.clear();
        for (uint64_t seed = 1; seed <= 300; ++seed) {
            nieuwspel(true, n);
            zaai(seed);
            speel(n, n);
            speel(n - 1, n - 1);
            speel(n - 2, n - 2);
            ASSERT_TRUE(kieszet());
            seen.insert({TargetCol, TargetRow});
        }
        EXPECT_EQ(seen, expected) << n;
    }
}

TEST(Scan, EqualHighestScoresGoToTheLowestColumn) {
    nieuwspel();
    for (int i = 0; i < 4; ++i) speel(1 + i, 19);
    for (int c = 1; c <= 19; ++c)
        for (int r = 1; r <= 19; ++r) EvalSet[1].Score[c][r] = EvalSet[1].Occupancy[c][r] ? 0 : 1;
    EvalSet[1].Score[5][2] = 500;
    EvalSet[1].Score[4][15] = 500;
    EvalSet[1].Score[4][16] = 500;
    ASSERT_TRUE(kieszet());
    EXPECT_EQ(TargetCol, 4);
    EXPECT_EQ(TargetRow, 15);
    EvalSet[1].Score[19][19] = 501;
    ASSERT_TRUE(kieszet());
    EXPECT_EQ(TargetCol, 19);
    EXPECT_EQ(TargetRow, 19);
}

void ladder(int pairs) {
    nieuwspel();
    for (int i = 0; i < pairs; ++i) {
        speel(10, 10 + i);
        speel(11, 10 + i);
    }
}

TEST(Scan, TwoPairsGiveTheEqualHighest146AboveTheBlackPair) {
    ladder(2);
    EXPECT_EQ(EvalSet[1].Score[10][9], 146);
    EXPECT_EQ(EvalSet[1].Score[10][12], 146);
    ASSERT_TRUE(kieszet());
    EXPECT_EQ(TargetCol, 10);
    EXPECT_EQ(TargetRow, 9);
}

TEST(Scan, FourPairsCompleteTheOwnFive) {
    ladder(4);
    EXPECT_EQ(EvalSet[1].Score[10][9], 1586);
    EXPECT_EQ(EvalSet[1].Score[10][14], 1586);
    EXPECT_EQ(EvalSet[1].Score[11][9], 816);
    EXPECT_EQ(EvalSet[1].Score[11][14], 816);
    ASSERT_TRUE(speelcomputerzet());
    EXPECT_EQ(MoveList[9].column, 10);
    EXPECT_EQ(MoveList[9].row, 9);
    EXPECT_EQ(GameState, BlackWon);
}

struct StyleCase {
    int style;
    int32_t best;
    int col, row;
    int32_t end;
};

TEST(Styles, EachStyleOfComputerOneOnTheFourPairs) {
    const StyleCase cases[] = {
        {Roekeloos, 140, 10, 9, BlackWon},      {Aanvallend, 2832, 10, 9, BlackWon},
        {Normaal, 1586, 10, 9, BlackWon},       {Behoedzaam, 808, 11, 9, BlackToMove + 1},
        {Angstig, 804, 11, 9, BlackToMove + 1},
    };
    for (const StyleCase& k : cases) {
        nieuwspel();
        zetstijl(1, k.style);
        for (int i = 0; i < 4; ++i) {
            speel(10, 10 + i);
            speel(11, 10 + i);
        }
        EXPECT_EQ(EvalSet[1].Score[k.col][k.row], k.best) << stijlnaam(k.style);
        ASSERT_TRUE(speelcomputerzet());
        EXPECT_EQ(MoveList[9].column, k.col) << stijlnaam(k.style);
        EXPECT_EQ(MoveList[9].row, k.row) << stijlnaam(k.style);
        EXPECT_EQ(GameState, k.end) << stijlnaam(k.style);
    }
}

TEST(Styles, WhiteChoosesFromSetTwo) {
    // With computer 2 reckless its own four outweighs black's four in set 2,
    // so white completes its five; anxious, it blocks black.
    for (int style : {Roekeloos, Angstig}) {
        nieuwspel(false);
        zetstijl(2, style);
        for (int i = 0; i < 4; ++i) {
            speel(11, 10 + i);
            speel(10, 10 + i);
        }
        ASSERT_EQ(GameState, WhiteToMove);
        ASSERT_EQ(kiesset(), 2);
        ASSERT_TRUE(speelcomputerzet());
        EXPECT_EQ(MoveList[9].column, style == Roekeloos ? 11 : 10) << stijlnaam(style);
    }
}

TEST(ThinkDelay, StepRequestSkipsTheWaitAndIsCleared) {
    nieuwspel();
    Tikbron = [] { return static_cast<uint32_t>(Dispatches); };
    Slaapbron = [](uint32_t) {};
    StepRequested = true;
    denkna(800);
    EXPECT_EQ(Dispatches, 0);
    EXPECT_FALSE(StepRequested);
    denkna(50);
    EXPECT_GE(Dispatches, 50);
    herstelbronnen();
}

} // namespace
