// The hit windows of the grid points and the verdicts of the hover test.
#include <gtest/gtest.h>

#include "board.h"
#include "geometry.h"
#include "humanmove.h"
#include "record.h"
#include "setup.h"
#include "update.h"

namespace {

void spel(int clientHeight, double factor = 1.0) {
    const Bordrechthoek b = bordlaag(2000, clientHeight, factor);
    berekengeometrie(b.width, b.height);
    beginengine();
    beginpartij(BlackToMove);
    HumanMayMove = true;
}

// The x positions that hit column c in a row that is hit (y on row 1).
std::pair<int, int> kolomvenster(int c) {
    int lo = -1, hi = -1;
    for (int x = 0; x < 700; ++x)
        if (beoordeelpunt(x, rijy(1)) && TargetCol == c) {
            if (lo < 0) lo = x;
            hi = x;
        }
    return {lo, hi};
}

std::pair<int, int> rijvenster(int r) {
    int lo = -1, hi = -1;
    for (int y = 0; y < 700; ++y)
        if (beoordeelpunt(kolomx(1), y) && TargetRow == r) {
            if (lo < 0) lo = y;
            hi = y;
        }
    return {lo, hi};
}

TEST(HitWindows, ClientHeight630) {
    spel(630);
    EXPECT_EQ(kolomvenster(1), std::make_pair(37, 53));
    EXPECT_EQ(kolomvenster(2), std::make_pair(63, 79));
    EXPECT_EQ(kolomvenster(10), std::make_pair(271, 287));
    EXPECT_EQ(kolomvenster(19), std::make_pair(505, 521));
    EXPECT_EQ(rijvenster(1), std::make_pair(39, 57));
    EXPECT_EQ(rijvenster(19), std::make_pair(543, 561));
    for (int x = 54; x <= 62; ++x) EXPECT_FALSE(beoordeelpunt(x, rijy(1))) << "dead band " << x;
}

TEST(HitWindows, ClientHeight712HasHalfWidthTenNotEleven) {
    spel(712);
    EXPECT_EQ(kolomvenster(1), std::make_pair(42, 60));
    for (int c = 2; c <= 19; ++c)
        EXPECT_EQ(kolomvenster(c), std::make_pair(42 + 30 * (c - 1), 60 + 30 * (c - 1))) << c;
}

TEST(HitWindows, EveryPointIsHitAtItsLinesOnTheSmallestWindow) {
    // The client of the window at the smallest factor, 0.6 of 738 high.
    spel(443, 0.6);
    for (int c = 1; c <= 19; ++c)
        for (int r = 1; r <= 19; ++r) {
            ASSERT_TRUE(beoordeelpunt(kolomx(c), rijy(r))) << c << "," << r;
            ASSERT_EQ(std::make_pair(TargetCol, TargetRow), std::make_pair(c, r));
        }
}

TEST(HitWindows, EdgesMarginsAndBeyondTheLastLineAreRefused) {
    spel(630);
    // Remainder exactly 0 and exactly 2h (x = 36 and 54 for column 1).
    EXPECT_FALSE(beoordeelpunt(36, rijy(1)));
    EXPECT_FALSE(beoordeelpunt(54, rijy(1)));
    // The margin left of and above the first window.
    EXPECT_FALSE(beoordeelpunt(5, rijy(1)));
    EXPECT_FALSE(beoordeelpunt(kolomx(1), 3));
    EXPECT_FALSE(beoordeelpunt(-40, -40));
    // Beyond line 19: index 20.
    EXPECT_FALSE(beoordeelpunt(kolomx(19) + 26, rijy(1)));
    EXPECT_EQ(TargetCol, 20);
    EXPECT_FALSE(beoordeelpunt(100000, 100000));
}

TEST(HitWindows, OccupiedFinishedOrNotThePersonsTurnShowTheArrow) {
    spel(630);
    ASSERT_TRUE(beoordeelpunt(kolomx(10), rijy(10)));
    ++MoveCount;
    MoveList[MoveCount] = {10, 10, SideToMove};
    verwerkzet(MoveCount);
    EXPECT_FALSE(beoordeelpunt(kolomx(10), rijy(10)));
    EXPECT_EQ(TargetCol, 10);
    EXPECT_EQ(TargetRow, 10);
    EXPECT_TRUE(beoordeelpunt(kolomx(11), rijy(10)));
    HumanMayMove = false;
    EXPECT_FALSE(beoordeelpunt(kolomx(11), rijy(10)));
    HumanMayMove = true;
    for (int32_t state : {NoGame, BlackWon, WhiteWon, Draw}) {
        GameState = state;
        EXPECT_FALSE(beoordeelpunt(kolomx(11), rijy(10))) << state;
    }
}

TEST(Click, AcceptedOnlyWithTheHandOnAFreePointOfARunningGame) {
    spel(630);
    ASSERT_TRUE(beoordeelpunt(kolomx(3), rijy(4)));
    EXPECT_TRUE(accepteerklik(true));
    EXPECT_FALSE(accepteerklik(false));
    HumanMayMove = false;
    EXPECT_FALSE(accepteerklik(true));
    HumanMayMove = true;
    // The game ends on time with the hand still shown: refused.
    GameState = WhiteWon;
    EXPECT_FALSE(accepteerklik(true));
    GameState = BlackToMove;
    // The point was taken meanwhile.
    ++MoveCount;
    MoveList[MoveCount] = {3, 4, SideToMove};
    verwerkzet(MoveCount);
    EXPECT_FALSE(accepteerklik(true));
}

} // namespace
