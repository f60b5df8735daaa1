// A dead board: no five can be made any more, but points are free. The
// engine calls the game drawn there; a manager still asks for moves until the
// board is full, and scores a refusal as a loss, so the adapter plays on.
#include <gtest/gtest.h>

#include <set>
#include <utility>

#include "pbrain_sessie.h"
#include "random.h"

namespace {

// The field of (x, y) in a dead pattern: pairs of columns alternate colour
// row by row. Every window of five holds at least two stones of each colour,
// so taking one stone out of a window never revives it. 181 points are 2,
// 180 are 1.
int veld(int x, int y) {
    return 2 - (x / 2 + y) % 2;
}

// A BOARD block of the pattern without the given points (0-based).
std::string patroon(const std::set<std::pair<int, int>>& vrij) {
    std::string blok = "BOARD\n";
    for (int x = 0; x < GameBoardSize; ++x)
        for (int y = 0; y < GameBoardSize; ++y)
            if (!vrij.count({x, y}))
                blok += std::to_string(x) + "," + std::to_string(y) + "," +
                        std::to_string(veld(x, y)) + "\n";
    return blok + "DONE";
}

TEST(PbrainDeadBoard, BoardTurnAndTakebackPlayTheFirstFreePointUntilTheBoardIsFull) {
    // Two free points of each field: the opponent has one stone more, so the
    // adapter plays white and is to move. First free by x, then y: 0,0; 5,3;
    // 7,9; 18,18.
    ASSERT_EQ(veld(0, 0), 2);
    ASSERT_EQ(veld(7, 9), 2);
    ASSERT_EQ(veld(5, 3), 1);
    ASSERT_EQ(veld(18, 18), 1);
    Sessie s;
    EXPECT_EQ(s.stuur("START 19\n" + patroon({{0, 0}, {5, 3}, {7, 9}, {18, 18}})), "OK\n0,0\n");
    EXPECT_EQ(s.state, Draw);
    EXPECT_EQ(s.count, 358);
    EXPECT_EQ(s.staat.eigenkleur, WhiteToMove);

    // Refusals keep their meaning on a dead board.
    EXPECT_EQ(s.stuur("TURN 0,0"), "ERROR point is occupied\n");
    EXPECT_EQ(s.stuur("TURN 19,0"), "ERROR coordinates outside the 19x19 board\n");
    EXPECT_EQ(s.count, 358);

    // The opponent skips the first free point; the adapter takes it.
    EXPECT_EQ(s.stuur("TURN 18,18"), "5,3\n");
    EXPECT_EQ(s.count, 360);
    EXPECT_EQ(s.moves[359].code, s.sets[1].BlackCode); // the record alternates on
    EXPECT_EQ(s.moves[360].code, s.sets[1].WhiteCode);

    // Take-back of the adapter's move: its own turn again, so a TURN is out
    // of order; then of the opponent's, which may move elsewhere.
    EXPECT_EQ(s.stuur("TAKEBACK 5,3"), "OK\n");
    EXPECT_EQ(s.state, Draw);
    EXPECT_EQ(s.stuur("TURN 5,3"), "ERROR it is not the opponent's turn\n");
    EXPECT_EQ(s.stuur("TAKEBACK 18,18"), "OK\n");
    EXPECT_EQ(s.count, 358);
    EXPECT_EQ(s.stuur("TURN 5,3"), "7,9\n");

    // The opponent fills the board: nothing is left to answer with.
    EXPECT_EQ(s.stuur("TURN 18,18"), "ERROR game over: the board is full, the game is a draw\n");
    EXPECT_EQ(s.count, MaxMoves);
    EXPECT_EQ(s.state, Draw);

    // BEGIN meets only empty boards, where a five can always still be made;
    // the drawn game does not leak into the next one.
    EXPECT_EQ(s.stuur("BEGIN"), "ERROR BEGIN is only possible on an empty board\n");
    int c = 0, r = 0;
    ASSERT_TRUE(leeszet(s.stuur("RESTART\nBEGIN").substr(3), c, r));
    EXPECT_EQ(s.state, WhiteToMove);
    EXPECT_EQ(s.count, 1);
}

TEST(PbrainDeadBoard, TurnThatKillsTheLastLiveWindowIsAnsweredWithAFreePoint) {
    // Without 4,0 and 5,0 the windows x 2..6 and 3..7 of row 0 hold only
    // field 1 stones (2,0 3,0 6,0 and 3,0 6,0 7,0) and are the only live
    // ones; without 18,18 as well both sides have 179 stones, so the adapter
    // is black and to move.
    Sessie s;
    EXPECT_EQ(s.stuur("START 19\n" + patroon({{4, 0}, {5, 0}, {18, 18}})), "OK\n4,0\n");
    EXPECT_EQ(s.state, WhiteToMove);
    EXPECT_EQ(s.sets[1].LiveWindows, 2);
    EXPECT_TRUE(s.setsherbouwbaar());

    // The opponent's stone kills both windows: the game is drawn, and the
    // adapter answers with the last free point rather than ERROR.
    EXPECT_EQ(s.stuur("TURN 5,0"), "18,18\n");
    EXPECT_EQ(s.state, Draw);
    EXPECT_EQ(s.count, MaxMoves);
    EXPECT_EQ(s.moves[MaxMoves].column, 19);
    EXPECT_EQ(s.stuur("TURN 5,0"), "ERROR point is occupied\n");
}

TEST(PbrainDeadBoard, AFullBoardIsADrawAndGetsNoMove) {
    // The whole pattern: the opponent has one stone more, so the adapter is
    // white to move on a board without a free point.
    Sessie s;
    EXPECT_EQ(s.stuur("START 19\n" + patroon({})),
              "OK\nERROR game over: the board is full, the game is a draw\n");
    EXPECT_EQ(s.state, Draw);
    EXPECT_EQ(s.count, MaxMoves);
}

} // namespace
