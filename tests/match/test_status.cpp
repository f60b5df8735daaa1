// The status texts of every state and the take-back counts of every mode.
#include <gtest/gtest.h>

#include "board.h"
#include "statusline.h"
#include "takeback.h"

namespace {

constexpr double Limit = 0.375;
constexpr double Over = 0.375 + 1.0 / 86400.0;

TEST(Statustekst, EveryStateLetterForLetter) {
    EXPECT_EQ(statustekst(0, 0, 0, 0, Limit), "Druk op \"Start Partij\"");
    EXPECT_EQ(statustekst(1, 0, 0, 0, Limit), "Zet 1.  Zwart is aan zet");
    EXPECT_EQ(statustekst(2, 1, 0, 0, Limit), "Zet 2.   Wit is aan zet   ");
    EXPECT_EQ(statustekst(3, 9, 0, 0, Limit), "Zwart wint in 9 zetten.");
    EXPECT_EQ(statustekst(4, 1, 0, 0, Limit), "Wit wint in 1 zetten.");
    EXPECT_EQ(statustekst(5, 300, 0, 0, Limit), "Het is remise na 300 zetten.");
    EXPECT_EQ(statustekst(6, 3, 0, 0, Limit), "");
    EXPECT_EQ(statustekst(-1, 3, 0, 0, Limit), "");
}

TEST(Statustekst, ALossOnTimeDependsOnTheLosersDisplayedClock) {
    EXPECT_EQ(statustekst(3, 20, 0, Over, Limit), "Wit verliest op de klok");
    EXPECT_EQ(statustekst(4, 20, Over, 0, Limit), "Zwart verliest op de klok");
    EXPECT_EQ(statustekst(3, 20, 0, Limit, Limit), "Zwart wint in 20 zetten.");
    // The winner's own clock does not matter.
    EXPECT_EQ(statustekst(3, 20, Over, 0, Limit), "Zwart wint in 20 zetten.");
}

TEST(Terugname, TwoPersonsTakeBackOneMove) {
    EXPECT_EQ(terugneemaantal(Modus::MensMens, 7, BlackToMove, false), 1);
    EXPECT_EQ(terugneemaantal(Modus::MensMens, 7, BlackWon, false), 1);
}

TEST(Terugname, AgainstTheComputerThePersonMovesAgain) {
    // The person, white, to move after 12 moves: two moves go.
    EXPECT_EQ(terugneemaantal(Modus::ComputerMens, 12, WhiteToMove, false), 2);
    // The person has just won with move 15: only that move goes.
    EXPECT_EQ(terugneemaantal(Modus::ComputerMens, 15, WhiteWon, true), 1);
    // The computer has just won with move 16: its move and the person's.
    EXPECT_EQ(terugneemaantal(Modus::ComputerMens, 16, BlackWon, false), 2);
    // Only the computer's opening stone: nothing.
    EXPECT_EQ(terugneemaantal(Modus::ComputerMens, 1, WhiteToMove, false), 0);
    // A draw: back to the person's turn whichever stone ended it.
    EXPECT_EQ(terugneemaantal(Modus::ComputerMens, 200, Draw, true), 1);
    EXPECT_EQ(terugneemaantal(Modus::ComputerMens, 201, Draw, false), 2);
}

TEST(Terugname, BetweenComputersNothingIsRemoved) {
    EXPECT_EQ(terugneemaantal(Modus::ComputerComputer, 30, BlackWon, false), 0);
}

} // namespace
