// The reset, the move update and the detection of wins and draws.
#include "helpers.h"
#include "reference.h"

namespace {

TEST(Reset, EmptyBoardScoresCountTheWindowsThroughEachPoint) {
    nieuwspel();
    ref::Set expected;
    for (int i = 1; i <= 2; ++i) {
        ref::empty(expected, EvalSet[i].BlackCode, EvalSet[i].WhiteCode);
        EXPECT_TRUE(ref::same(expected, EvalSet[i])) << "set " << i;
        EXPECT_EQ(som(EvalSet[i]), 5100);
        EXPECT_EQ(EvalSet[i].Score[1][1], 3);
        EXPECT_EQ(EvalSet[i].Score[3][3], 10);
        EXPECT_EQ(EvalSet[i].Score[5][1], 8);
        EXPECT_EQ(EvalSet[i].Score[10][10], 20);
        EXPECT_EQ(EvalSet[i].Score[19][19], 3);
        EXPECT_EQ(EvalSet[i].Score[17][1], 5);
    }
}

TEST(Reset, KeepsCodesRecordAndStateAndClearsAPlayedGame) {
    nieuwspel();
    speel(10, 10);
    speel(11, 10);
    zetstijl(1, Angstig);
    const int32_t count = MoveCount, side = SideToMove, state = GameState;
    nieuwepartij();
    EXPECT_EQ(EvalSet[1].BlackCode, 3);
    EXPECT_EQ(EvalSet[1].WhiteCode, 5);
    EXPECT_EQ(EvalSet[1].BlackFive, 243);
    EXPECT_EQ(MoveCount, count);
    EXPECT_EQ(SideToMove, side);
    EXPECT_EQ(GameState, state);
    EXPECT_EQ(EvalSet[1].Occupancy[10][10], 0);
    EXPECT_EQ(som(EvalSet[1]), 5100);
    EXPECT_EQ(som(EvalSet[2]), 5100);
}

TEST(Update, FirstBlackStoneOnTheCentre) {
    nieuwspel();
    speel(10, 10);
    const EvalRecord& s1 = EvalSet[1];
    EXPECT_EQ(s1.Occupancy[10][10], 6);
    EXPECT_EQ(s1.Score[10][10], 0);
    EXPECT_EQ(s1.Score[11][10], 40);
    EXPECT_EQ(s1.Score[12][10], 35);
    EXPECT_EQ(s1.Score[13][10], 30);
    EXPECT_EQ(s1.Score[11][11], 40);
    EXPECT_EQ(s1.Score[1][1], 3);
    EXPECT_EQ(EvalSet[2].Occupancy[10][10], 5);
    EXPECT_EQ(EvalSet[2].Score[11][10], 36);
    EXPECT_EQ(GameState, WhiteToMove);
    EXPECT_EQ(Dispatches, 2); // once before each set
}

TEST(Update, WhiteReplyKillsTheSharedWindows) {
    nieuwspel();
    speel(10, 10);
    speel(11, 10);
    const EvalRecord& s1 = EvalSet[1];
    for (int c = 9; c <= 12; ++c) EXPECT_EQ(s1.HorizontalWindows[c][10], 0) << c;
    EXPECT_EQ(s1.HorizontalWindows[13][10], 5);
    EXPECT_EQ(s1.HorizontalWindows[8][10], 6);
    EXPECT_EQ(s1.Score[9][10], 22);
    EXPECT_EQ(s1.Score[12][10], 21);
    EXPECT_EQ(s1.LiveWindows, WindowCount - 4);
}

TEST(Update, CornerTouchesThreeWindowsAndCentreTwenty) {
    nieuwspel();
    speel(1, 1);
    int touched = 0;
    const EvalRecord& s = EvalSet[1];
    for (int c = 3; c <= 17; ++c)
        for (int r = 1; r <= 19; ++r) {
            touched += s.HorizontalWindows[c][r] != 1;
            touched += s.VerticalWindows[r][c] != 1;
        }
    for (int c = 3; c <= 17; ++c)
        for (int r = 3; r <= 17; ++r)
            touched += (s.DiagonalWindows[c][r] != 1) + (s.AntiDiagonalWindows[c][r] != 1);
    EXPECT_EQ(touched, 3);
    EXPECT_EQ(s.HorizontalWindows[3][1], 6);
    EXPECT_EQ(s.VerticalWindows[1][3], 6);
    EXPECT_EQ(s.DiagonalWindows[3][3], 6);

    nieuwspel();
    speel(10, 10);
    touched = 0;
    for (int c = 3; c <= 17; ++c)
        for (int r = 1; r <= 19; ++r)
            touched += (s.HorizontalWindows[c][r] != 1) + (s.VerticalWindows[r][c] != 1);
    for (int c = 3; c <= 17; ++c)
        for (int r = 3; r <= 17; ++r)
            touched += (s.DiagonalWindows[c][r] != 1) + (s.AntiDiagonalWindows[c][r] != 1);
    EXPECT_EQ(touched, 20);
}

TEST(Update, WindowOfFourThenFiveOrDead) {
    for (bool fifthBlack : {true, false}) {
        nieuwspel();
        for (int c = 3; c <= 6; ++c) leg(c, 1, true);
        EXPECT_EQ(EvalSet[1].HorizontalWindows[5][1], 1296);
        leg(7, 1, fifthBlack);
        EXPECT_EQ(EvalSet[1].HorizontalWindows[5][1], fifthBlack ? 7776 : 0);
        EXPECT_EQ(GameState, fifthBlack ? BlackWon : BlackToMove);
    }
}

TEST(Update, StoneIntoOpponentsWindowLowersItsEmptyPointsByTheOldProduct) {
    nieuwspel();
    leg(10, 5, false);
    leg(11, 5, false); // the window centred at (12, 5) holds two white: 25
    const int32_t at14 = EvalSet[1].Score[14][5];
    const int32_t windows14 =
        EvalSet[1].HorizontalWindows[12][5] + EvalSet[1].HorizontalWindows[13][5];
    leg(13, 5, true);
    // (14, 5) lies in the horizontal windows centred at 12..16: the two that
    // held white die, the two that now hold the black stone go from 1 to 6.
    EXPECT_EQ(EvalSet[1].HorizontalWindows[12][5], 0);
    EXPECT_EQ(EvalSet[1].HorizontalWindows[13][5], 0);
    EXPECT_EQ(windows14, 25 + 5);
    EXPECT_EQ(EvalSet[1].Score[14][5], at14 - 30 + 2 * 5);
}

TEST(Win, FiveOnTheAntiDiagonalAtTheEdgeStopsBeforeSetTwo) {
    nieuwspel();
    // Black on (5,1) (4,2) (3,3) (2,4); white far away in between.
    const int black[5][2] = {{5, 1}, {4, 2}, {3, 3}, {2, 4}, {1, 5}};
    const int white[4][2] = {{15, 15}, {15, 17}, {17, 15}, {13, 13}};
    for (int i = 0; i < 4; ++i) {
        speel(black[i][0], black[i][1]);
        speel(white[i][0], white[i][1]);
    }
    Dispatches = 0;
    speel(1, 5);
    EXPECT_EQ(GameState, BlackWon);
    EXPECT_EQ(EvalSet[1].Occupancy[1][5], 6);
    EXPECT_EQ(EvalSet[2].Occupancy[1][5], 0) << "set 2 must not receive the winning stone";
    EXPECT_EQ(Dispatches, 1);
    EXPECT_EQ(EvalSet[1].AntiDiagonalWindows[3][3], 7776);
    EXPECT_EQ(WinningFive, (Vijfvenster{3, 3, -1, 1}));
}

TEST(Win, FiveOnTheDiagonalLeavesLaterOffsetsUnchanged) {
    nieuwspel();
    // Black completes (6,6)..(10,10) by playing (10,10): the five is the
    // window centred at (8,8), offset -2 from the stone, so the windows of
    // offsets -1..2 in every direction must stay as they were.
    const int black[4][2] = {{6, 6}, {7, 7}, {8, 8}, {9, 9}};
    const int white[4][2] = {{1, 19}, {3, 19}, {5, 19}, {7, 19}};
    for (int i = 0; i < 4; ++i) {
        speel(black[i][0], black[i][1]);
        speel(white[i][0], white[i][1]);
    }
    const int32_t horizontal = EvalSet[1].HorizontalWindows[10][10];
    const int32_t vertical = EvalSet[1].VerticalWindows[10][10];
    const int32_t horizontalBefore = EvalSet[1].HorizontalWindows[8][10];
    speel(10, 10);
    EXPECT_EQ(GameState, BlackWon);
    EXPECT_EQ(EvalSet[1].DiagonalWindows[8][8], 7776);
    EXPECT_EQ(EvalSet[1].HorizontalWindows[8][10], horizontalBefore * 6) << "offset -2 applied";
    EXPECT_EQ(EvalSet[1].HorizontalWindows[10][10], horizontal) << "offset 0 left alone";
    EXPECT_EQ(EvalSet[1].VerticalWindows[10][10], vertical);
    EXPECT_EQ(WinningFive, (Vijfvenster{8, 8, 1, 1}));
}

TEST(Win, OverlineOfSixStillWins) {
    nieuwspel();
    const int black[5][2] = {{4, 10}, {5, 10}, {6, 10}, {8, 10}, {9, 10}};
    const int white[5][2] = {{4, 12}, {6, 12}, {8, 12}, {10, 14}, {12, 14}};
    for (int i = 0; i < 5; ++i) {
        speel(black[i][0], black[i][1]);
        if (i < 4) speel(white[i][0], white[i][1]);
    }
    speel(white[4][0], white[4][1]);
    EXPECT_EQ(GameState, BlackToMove);
    speel(7, 10);
    EXPECT_EQ(GameState, BlackWon);
    EXPECT_EQ(WinningFive, (Vijfvenster{6, 10, 1, 0})); // of two fives, the leftmost
    // Reopened with the five on the board (its rebuild finds it again), or
    // the stone taken back: no winning window.
    neemterug(0);
    EXPECT_EQ(WinningFive, Vijfvenster{});
    neemterug(1);
    EXPECT_EQ(WinningFive, Vijfvenster{});
}

TEST(Win, WhiteFiveVerticalWinsForWhite) {
    nieuwspel(false);
    for (int i = 0; i < 4; ++i) {
        speel(19, 15 + i);
        speel(1 + 2 * i, 1);
    }
    speel(19, 19);
    EXPECT_EQ(GameState, WhiteWon);
    EXPECT_EQ(WinningFive, (Vijfvenster{19, 17, 0, 1}));
    beginpartij(BlackToMove);
    EXPECT_EQ(WinningFive, Vijfvenster{});
}

// Fills the board so that every window holds both colours and none holds
// five of one colour: (c + 2r) mod 4 in {0, 1} is black.
bool patroonzwart(int c, int r) {
    return (c + 2 * r) % 4 < 2;
}

TEST(Draw, TheMoveThatKillsTheLastLiveWindowIsADraw) {
    nieuwspel();
    int movesToDraw = 0;
    for (int r = 1; r <= 19 && GameState < 3; ++r)
        for (int c = 1; c <= 19 && GameState < 3; ++c) {
            leg(c, r, patroonzwart(c, r));
            ++movesToDraw;
        }
    EXPECT_EQ(GameState, Draw);
    EXPECT_LT(movesToDraw, MaxMoves) << "empty points remain at the draw";
    EXPECT_EQ(EvalSet[1].LiveWindows, 0);
    EXPECT_EQ(som(EvalSet[1]), 0);
    // The draw is found in set 1, so set 2 never receives that last stone.
    const MoveRecord& last = MoveList[MoveCount];
    EXPECT_EQ(EvalSet[2].Occupancy[last.column][last.row], 0);
}

TEST(Draw, AFiveOnTheLastLiveWindowIsAWin) {
    nieuwspel();
    // The pattern everywhere but the window centred at (10,1), which is kept
    // free; then black fills it with five.
    auto vrij = [](int c, int r) { return r == 1 && c >= 8 && c <= 12; };
    for (int r = 1; r <= 19; ++r)
        for (int c = 1; c <= 19; ++c)
            if (!vrij(c, r)) leg(c, r, patroonzwart(c, r));
    ASSERT_EQ(GameState, BlackToMove);
    ASSERT_GT(EvalSet[1].LiveWindows, 0);
    for (int c = 8; c <= 12; ++c) leg(c, 1, true);
    EXPECT_EQ(GameState, BlackWon);
}

TEST(Draw, NoPositiveScoreMeansTheChoiceDeclaresADraw) {
    nieuwspel();
    for (int i = 0; i < 4; ++i) speel(1 + i, 19);
    for (int c = 1; c <= 19; ++c)
        for (int r = 1; r <= 19; ++r) EvalSet[1].Score[c][r] = 0;
    const int32_t count = MoveCount;
    EXPECT_FALSE(kieszet());
    EXPECT_EQ(GameState, Draw);
    EXPECT_EQ(MoveCount, count);
}

TEST(Ended, CallsAfterTheEndChangeNothingAndDispatchNothing) {
    for (int32_t end : {BlackWon, WhiteWon, Draw}) {
        nieuwspel();
        speel(10, 10);
        GameState = end;
        const EvalRecord before1 = EvalSet[1], before2 = EvalSet[2];
        Dispatches = 0;
        ++MoveCount;
        MoveList[MoveCount] = {11, 11, SideToMove};
        verwerkzet(MoveCount);
        EXPECT_EQ(Dispatches, 0);
        EXPECT_EQ(GameState, end);
        EXPECT_EQ(std::memcmp(&before1, &EvalSet[1], sizeof before1), 0);
        EXPECT_EQ(std::memcmp(&before2, &EvalSet[2], sizeof before2), 0);
        EXPECT_FALSE(kieszet());
    }
}

TEST(Robustness, BadMovesAreNotEnteredAndNeverCrash) {
    nieuwspel();
    speel(10, 10);
    const EvalRecord before = EvalSet[1];
    verwerkzet(0);
    verwerkzet(MoveCount + 1);
    verwerkzet(-5);
    // An occupied point, a point off the board and a stray code.
    MoveList[2] = {10, 10, SideToMove};
    MoveCount = 2;
    verwerkzet(2);
    MoveList[2] = {0, 20, SideToMove};
    verwerkzet(2);
    MoveList[2] = {5, 5, 99};
    verwerkzet(2);
    EXPECT_EQ(std::memcmp(&before, &EvalSet[1], sizeof before), 0);
    EXPECT_EQ(GameState, WhiteToMove);
}

} // namespace
