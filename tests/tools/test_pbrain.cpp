// The protocol driven line by line: a whole session, the positions that
// decide its moves, swap2, every refused command, and the shape of input
// lines.
#include <gtest/gtest.h>

#include <tuple>

#include "pbrain_sessie.h"
#include "random.h"
#include "style.h"

namespace {

// Black four in column 10, white four in column 11, rows 10..13 (1-based),
// black to move; field 1 makes the adapter black.
const char* const Vieren =
    "BOARD\n9,9,1\n10,9,2\n9,10,1\n10,10,2\n9,11,1\n10,11,2\n9,12,1\n10,12,2\n"
    "DONE";

std::string zet(int c, int r) {
    return std::to_string(c - 1) + "," + std::to_string(r - 1);
}

TEST(PbrainSession, ScriptedGameAnswersLegalMovesAndTakesBack) {
    zaai(7);
    Sessie s;
    EXPECT_EQ(s.stuur("START 19"), "OK\n");
    int c = 0, r = 0;
    ASSERT_TRUE(leeszet(s.stuur("BEGIN"), c, r));
    EXPECT_TRUE(c >= 6 && c <= 14 && r >= 6 && r <= 14) << c << "," << r;
    bool bezet[GameBoardSize + 1][GameBoardSize + 1] = {};
    bezet[c][r] = true;
    // The opponent plays next to the adapter's last stone, at the first free
    // neighbour; the adapter has too few stones for a five.
    std::string laatste;
    int tc = 0, tr = 0;
    for (int beurt = 0; beurt < 3; ++beurt) {
        tc = c, tr = r;
        for (int d = 0; d < 9 && ((tc == c && tr == r) || !onboard(tc, tr) || bezet[tc][tr]); ++d)
            tc = c + d % 3 - 1, tr = r + d / 3 - 1;
        ASSERT_FALSE(bezet[tc][tr]);
        bezet[tc][tr] = true;
        laatste = zet(tc, tr);
        const std::string antwoord = s.stuur("TURN " + laatste);
        ASSERT_TRUE(leeszet(antwoord, c, r)) << antwoord;
        ASSERT_TRUE(onboard(c, r) && !bezet[c][r]) << antwoord;
        bezet[c][r] = true;
    }
    ASSERT_EQ(s.count, 7);
    ASSERT_EQ(s.state, WhiteToMove);

    // The adapter's move goes first, then the opponent's; each leaves the
    // sets as a replay of the shorter record gives them.
    EXPECT_EQ(s.stuur("TAKEBACK " + zet(c, r)), "OK\n");
    EXPECT_EQ(s.count, 6);
    EXPECT_EQ(s.state, BlackToMove);
    EXPECT_EQ(s.sets[1].Occupancy[c][r], 0);
    EXPECT_TRUE(s.setsherbouwbaar());
    EXPECT_EQ(s.stuur("TAKEBACK " + laatste), "OK\n");
    EXPECT_EQ(s.count, 5);
    EXPECT_EQ(s.state, WhiteToMove);
    EXPECT_TRUE(s.setsherbouwbaar());
    bezet[c][r] = bezet[tc][tr] = false;
    ASSERT_TRUE(leeszet(s.stuur("TURN 4,0"), c, r)); // (5, 1)
    EXPECT_TRUE(onboard(c, r) && !bezet[c][r] && !(c == 5 && r == 1));

    EXPECT_EQ(s.stuur("ABOUT").rfind("name=\"Kalvor\", version=\"", 0), 0u);
    EXPECT_EQ(s.stuur("END"), "");
    EXPECT_FALSE(s.verder);
}

TEST(PbrainBoard, StonesAlternateInTheOrderGivenSoTheOpeningSeesMoveOne) {
    for (uint64_t seed = 1; seed <= 20; ++seed) {
        zaai(seed);
        Sessie s;
        s.stuur("START 19");
        // Equal counts: the adapter is black, its first stone is move 1 and
        // the third move must lie within two points of it.
        int c = 0, r = 0;
        ASSERT_TRUE(leeszet(s.stuur("BOARD\n18,18,2\n0,0,1\nDONE"), c, r));
        EXPECT_EQ(s.moves[1].column, 1);
        EXPECT_EQ(s.moves[2].column, 19);
        EXPECT_TRUE(c <= 3 && r <= 3) << c << "," << r;
        EXPECT_EQ(s.staat.eigenkleur, BlackToMove);
        // One opponent stone more: the opponent is black and opened.
        // The fourth move lies in the rectangle of moves 1 and 2, widened by one.
        ASSERT_TRUE(leeszet(s.stuur("BOARD\n18,18,2\n16,16,1\n0,0,2\nDONE"), c, r));
        EXPECT_EQ(s.moves[1].column, 19);
        EXPECT_EQ(s.moves[1].code, s.sets[1].BlackCode);
        EXPECT_EQ(s.moves[2].column, 17);
        EXPECT_EQ(s.moves[3].column, 1);
        EXPECT_TRUE(c >= 16 && r >= 16) << c << "," << r;
        EXPECT_EQ(s.staat.eigenkleur, WhiteToMove);
        // An empty board is an opening move in the central square.
        ASSERT_TRUE(leeszet(s.stuur("BOARD\nDONE"), c, r));
        EXPECT_TRUE(c >= 6 && c <= 14 && r >= 6 && r <= 14);
    }
}

TEST(PbrainGameOver, FiveEndsTheGameAndTakebackReopensIt) {
    Sessie s;
    EXPECT_EQ(s.stuur("START 19\n" + std::string(Vieren)), "OK\n9,8\n");
    EXPECT_EQ(s.state, BlackWon);
    EXPECT_EQ(s.stuur("TURN 0,0"), "ERROR game over: black has five in a row\n");
    EXPECT_EQ(s.count, 9);
    EXPECT_EQ(s.stuur("TAKEBACK 9,8"), "OK\n");
    EXPECT_EQ(s.state, BlackToMove);
    EXPECT_TRUE(s.setsherbouwbaar()); // set 2 never received the winning stone
    EXPECT_EQ(s.stuur("TURN 0,0"), "ERROR it is not the opponent's turn\n");
}

TEST(PbrainGameOver, OpponentsFiveIsRecordedAndAnsweredAsGameOver) {
    // Black (the opponent) has an open four in row 10; white can block one end.
    Sessie s;
    const std::string antwoord = s.stuur("START 19\nBOARD\n9,9,2\n0,0,1\n10,9,2\n2,0,1\n11,9,2\n"
                                         "4,0,1\n12,9,2\n6,0,1\n0,18,2\nDONE");
    const std::string ander = antwoord == "OK\n8,9\n" ? "13,9" : "8,9";
    EXPECT_EQ(s.stuur("TURN " + ander), "ERROR game over: black has five in a row\n");
    EXPECT_EQ(s.state, BlackWon);
    EXPECT_EQ(s.count, 11);
}

TEST(PbrainStyle, OwnStyleDecidesBetweenFiveAndBlock) {
    // The adapter as black: set 1 chooses.
    const char* const zwart[][2] = {{"roekeloos", "9,8"},
                                    {"aanvallend", "9,8"},
                                    {"normaal", "9,8"},
                                    {"behoedzaam", "10,8"},
                                    {"angstig", "10,8"}};
    Sessie s;
    s.stuur("START 19");
    for (const auto& rij : zwart)
        EXPECT_EQ(s.stuur(std::string("INFO style ") + rij[0] + "\n" + Vieren),
                  std::string(rij[1]) + "\n")
            << rij[0];

    // The adapter as white, one black stone more far away: set 2 chooses, and
    // its Normaal completes white's five where its Angstig blocks black's.
    const std::string wit = "BOARD\n9,9,2\n10,9,1\n9,10,2\n10,10,1\n9,11,2\n10,11,1\n9,12,2\n"
                            "10,12,1\n0,18,2\nDONE";
    int c = 0, r = 0;
    ASSERT_TRUE(leeszet(s.stuur("INFO style normaal\n" + wit), c, r));
    EXPECT_EQ(c, 11);
    EXPECT_EQ(s.state, WhiteWon);
    ASSERT_TRUE(leeszet(s.stuur("INFO STYLE Angstig\n" + wit), c, r));
    EXPECT_EQ(c, 10);
    EXPECT_TRUE(r == 9 || r == 14);
    EXPECT_EQ(s.sets[2].BlackCode, 3);
    EXPECT_EQ(s.sets[2].WhiteCode, 2);
    EXPECT_EQ(s.sets[1].BlackCode, 6); // black's set is back to Normaal
}

TEST(PbrainStyle, StyleGivenEarlyOrMidGameHoldsAndKeepsTheSetsConsistent) {
    zaai(3);
    Sessie s;
    EXPECT_EQ(s.stuur("INFO style angstig\nSTART 19\nRESTART"), "OK\nOK\n");
    s.stuur("BEGIN");
    EXPECT_EQ(s.sets[1].BlackCode, 3);
    EXPECT_EQ(s.sets[1].WhiteCode, 5);
    s.stuur("TURN 0,0\nTURN 18,18\nINFO style aanvallend");
    EXPECT_EQ(s.sets[1].BlackCode, 7);
    EXPECT_EQ(s.moves[1].code, 7); // the record follows set 1's codes
    EXPECT_EQ(s.side, 5);
    EXPECT_TRUE(s.setsherbouwbaar());
}

TEST(PbrainInfo, NeverAnswersAndAnUnknownStyleIsNotedBeforeTheNextMove) {
    zaai(13);
    Sessie s;
    EXPECT_EQ(s.stuur("INFO style angstig\nSTART 19"), "OK\n");
    // No key, no value, an unknown value, a key of another engine, a rule
    // partly not played (caro, 8): all silent, and the style stays.
    for (const char* regel : {"INFO", "INFO style", "INFO style wild", "INFO STYLE Normaal-x",
                              "INFO rule 9", "INFO frobnicate 1", "INFO timeout_turn -5"}) {
        EXPECT_EQ(s.stuur(regel), "") << regel;
        EXPECT_EQ(s.staat.eigenstijl, Angstig) << regel;
    }
    // Neither START nor RESTART carries the note; the next move does, once.
    EXPECT_EQ(s.stuur("RESTART"), "OK\n");
    const std::string a = s.stuur("BEGIN");
    const std::string note = "DEBUG INFO style 'Normaal-x' ignored: unknown style, expected "
                             "roekeloos, aanvallend, normaal, behoedzaam or angstig\n"
                             "MESSAGE INFO rule 9: caro (8) not played; the games go by "
                             "exactly five\n";
    ASSERT_EQ(a.rfind(note, 0), 0u) << a;
    int c = 0, r = 0;
    EXPECT_TRUE(leeszet(a.substr(note.size()), c, r)) << a;
    EXPECT_EQ(s.sets[1].BlackCode, 3); // angstig, as asked before
    EXPECT_TRUE(leeszet(s.stuur("TURN 0,0"), c, r));

    // The note also goes before a refusal, and before a BOARD block's answer.
    s.stuur("INFO style ?");
    EXPECT_EQ(s.stuur("TURN 0,0"), "DEBUG INFO style '?' ignored: unknown style, expected "
                                   "roekeloos, aanvallend, normaal, behoedzaam or angstig\n"
                                   "ERROR point is occupied\n");
    s.stuur("INFO style " + std::string(40, 'z'));
    const std::string b = s.stuur("RESTART\nBOARD\n9,9,2\nDONE");
    EXPECT_EQ(b.rfind("OK\nDEBUG INFO style '" + std::string(32, 'z') + "...' ignored", 0), 0u)
        << b;
    // A style that is known replaces an unknown one given before it.
    const std::string d = s.stuur("INFO style wild\nINFO style roekeloos\nRESTART\nBEGIN");
    EXPECT_TRUE(leeszet(d.substr(3), c, r)) << d;
    EXPECT_EQ(s.sets[1].BlackCode, 3); // roekeloos of computer 1: 3 : 2
    EXPECT_EQ(s.sets[1].WhiteCode, 2);
}

struct Fout {
    std::string opzet; // brings the session to the situation
    std::string proef; // lines sent; only the last may answer
    std::string antwoord;
};

const std::string S1 = "START 19";
const std::string S2 = "START 19\nBOARD\n9,9,1\n10,10,2\nDONE"; // adapter black, has answered
const std::string Sw = "START 19\n" + std::string(Vieren);      // adapter has won

const Fout Fouten[] = {
    {"", "TURN 1,1", "ERROR not started"},
    {"", "BEGIN", "ERROR not started"},
    {"", "TAKEBACK 1,1", "ERROR not started"},
    {"", "RESTART", "ERROR not started"},
    {"", "BOARD\nDONE", "ERROR not started"},
    {"", "START 21", "ERROR unsupported board size"},
    {"", "START 14", "ERROR unsupported board size"},
    {"", "START -19", "ERROR unsupported board size"},
    {"", "RECTSTART 19,18", "ERROR unsupported board size"},
    {"", "START", "ERROR malformed board size"},
    {"", "START 19x", "ERROR malformed board size"},
    {"", "FOO 1,2", "UNKNOWN FOO"},
    {"", "turnx", "UNKNOWN turnx"},
    {S1, "TAKEBACK 0,0", "ERROR there is no move"},
    {S1, "BEGIN now", "ERROR BEGIN takes no arguments"},
    {S1, "RESTART 1", "ERROR RESTART takes no arguments"},
    {S1, "TURN 19,0", "ERROR coordinates outside"},
    {S1, "TURN 0,-1", "ERROR coordinates outside"},
    {S1, "TURN 99999999999999999999,1", "ERROR coordinates outside"},
    {S1, "TURN 18446744073709551621,1", "ERROR coordinates outside"}, // 2^64 + 5
    {S1, "TURN 5", "ERROR malformed coordinates"},
    {S1, "TURN 1,2,3", "ERROR malformed coordinates"},
    {S1, "TURN a,b", "ERROR malformed coordinates"},
    {S1, "TURN 1,", "ERROR malformed coordinates"},
    {S1, "TURN", "ERROR malformed coordinates"},
    {S1, "INFO timeout_turn 1000", ""},
    {S1, "DONE", "ERROR DONE without BOARD"},
    {S1, std::string(MaxRegel + 1, 'A'), "ERROR line too long"},
    {S1, "INFO style " + std::string(MaxRegel, 'x'), ""}, // never answered, cut or not
    {S1, "BOARD " + std::string(MaxRegel, ' ') + "x\n0,0,1\nDONE", "ERROR line too long"},
    {S1, "SWAP2BOARD\n7,7\nDONE", "ERROR SWAP2BOARD holds 0, 3 or 5 stones"},
    {S1, "BOARD\n0,0,1\n1,1,1\nDONE", "ERROR BOARD stone counts"},
    {S1, "BOARD\n0,0,2\n1,1,2\nDONE", "ERROR BOARD stone counts"},
    {S1, "BOARD\n0,0,1\n0,0,2\nDONE", "ERROR BOARD gives a point twice"},
    {S1, "BOARD\n0,0,3\nDONE", "ERROR BOARD field"},
    {S1, "BOARD\n0,19,1\nDONE", "ERROR coordinates outside"},
    {S1, "BOARD\n1,1\nDONE", "ERROR malformed BOARD line"},
    {S1, "BOARD\nxyz\nDONE", "ERROR malformed BOARD line"},
    {S1, "BOARD 1\nDONE", "ERROR BOARD takes no arguments"},
    {S1, "BOARD\nDONE now", "ERROR DONE takes no arguments"},
    {S1, "BOARD\n0,4,1\n1,3,1\n2,2,1\n3,1,1\n4,0,1\n9,9,2\n9,11,2\n9,13,2\n9,15,2\n9,17,2\nDONE",
     "ERROR BOARD already holds five"},
    {S2, "BEGIN", "ERROR BEGIN is only possible on an empty board"},
    {S2, "TURN 9,9", "ERROR point is occupied"},
    {S2, "TURN $", "ERROR point is occupied"},
    {S2, "TAKEBACK 9,9", "ERROR only the last move"},
    {S2, "TAKEBACK 1,2,3", "ERROR malformed coordinates"},
    {S2, "BOARD\n0,0,1\nTURN 1,1", "ERROR BOARD block not closed by DONE"},
    {S2 + "\nTAKEBACK $", "TURN 0,0", "ERROR it is not the opponent's turn"},
    {Sw, "TURN 0,0", "ERROR game over"},
    {"START 15", "TURN 15,0", "ERROR coordinates outside the 15x15 board"},
    {"START 15", "BOARD\n0,15,1\nDONE", "ERROR coordinates outside the 15x15 board"},
    {"START 15\nTURN 14,14", "TAKEBACK 15,15", "ERROR coordinates outside the 15x15"},
    {"START 20", "TURN 20,3", "ERROR coordinates outside the 20x20 board"},
    {"START 20", "RECTSTART 20,15", "ERROR unsupported board size"},
    {Sw, "BEGIN", "ERROR BEGIN is only possible"},
};

// Swap2's three cases: the opening (seeded); SWAP, one or two points given
// three stones; SWAP or one point given five. The stones stay the game.
TEST(PbrainSwap2, EachCaseIsOneAnswerAndTheGameHoldsItsStones) {
    const std::tuple<std::string, std::string, int, int> Stappen[] = {
        {"", "7,5 5,7 9,7", 3, BlackToMove},
        {"8,8 7,9 8,6", "SWAP", 3, BlackToMove},
        {"7,8 6,7 9,10", "6,8", 4, WhiteToMove},
        {"7,5 5,7 9,7", "8,6 7,7", 5, WhiteToMove},
        {"7,5 5,7 9,7 8,6 7,7", "7,6", 6, WhiteToMove},
        {"4,11 6,9 3,10 2,9 4,9", "SWAP", 5, BlackToMove}};
    for (auto [stenen, antwoord, aantal, kleur] : Stappen) {
        zaai(8);
        Sessie s;
        std::replace(stenen.begin(), stenen.end(), ' ', '\n');
        EXPECT_EQ(s.stuur("START 15\nINFO rule 1\nSWAP2BOARD\n" + stenen + "\nDONE"),
                  "OK\n" + antwoord + "\n");
        EXPECT_EQ(s.count, aantal) << antwoord;
        EXPECT_EQ(s.staat.eigenkleur, kleur) << antwoord;
    }
}

TEST(PbrainErrors, EveryRefusalIsOneLineAndLeavesTheGameAlone) {
    for (const Fout& f : Fouten) {
        zaai(11);
        Sessie s;
        s.stuur(f.opzet);
        Sessie voor = s;
        const std::string antwoord = s.stuur(f.proef);
        SCOPED_TRACE(f.opzet + " | " + f.proef.substr(0, 60));
        EXPECT_EQ(antwoord.rfind(f.antwoord, 0), 0u) << antwoord;
        EXPECT_EQ(antwoord.find('\n'), antwoord.empty() ? std::string::npos : antwoord.size() - 1);
        EXPECT_EQ(s.count, voor.count);
        EXPECT_EQ(s.state, voor.state);
        EXPECT_EQ(s.side, voor.side);
        EXPECT_EQ(std::memcmp(s.moves, voor.moves, sizeof s.moves), 0);
        EXPECT_EQ(std::memcmp(s.sets, voor.sets, sizeof s.sets), 0);
        EXPECT_EQ(s.staat.gestart, voor.staat.gestart);
        EXPECT_EQ(s.staat.eigenkleur, voor.staat.eigenkleur);
        EXPECT_EQ(s.staat.eigenstijl, voor.staat.eigenstijl);
        EXPECT_FALSE(s.staat.inbord);
    }
}

// The tournament boards: the far corner of 20 x 20 is a point like any
// other, the first move of 15 x 15 lies within four lines of its middle,
// and a session on one board leaves nothing of it to the next.
TEST(PbrainBoards, TwentyAndFifteenLinesAreStartedAndPlayed) {
    zaai(3);
    Sessie s;
    EXPECT_EQ(s.stuur("START 20"), "OK\n");
    int c = 0, r = 0;
    ASSERT_TRUE(leeszet(s.stuur("TURN 19,19"), c, r));
    EXPECT_TRUE(c >= 18 && r >= 18) << c << "," << r;
    EXPECT_EQ(s.moves[1].column, 20);
    EXPECT_EQ(s.stuur("TAKEBACK " + std::to_string(c - 1) + "," + std::to_string(r - 1)), "OK\n");
    EXPECT_EQ(s.stuur("RECTSTART 15,15"), "OK\n");
    EXPECT_EQ(s.count, 0);
    for (int game = 0; game < 20; ++game) {
        ASSERT_TRUE(leeszet(s.stuur("BEGIN"), c, r));
        EXPECT_TRUE(c >= 4 && c <= 12 && r >= 4 && r <= 12) << c << "," << r;
        EXPECT_EQ(s.stuur("RESTART"), "OK\n");
    }
    EXPECT_EQ(s.stuur("START 19"), "OK\n");
    EXPECT_EQ(s.stuur("TURN 19,0"), "ERROR coordinates outside the 19x19 board\n");
    EXPECT_NE(s.stuur("ABOUT").find("exactly five (1), renju (4); swap2\""), std::string::npos);
}

TEST(PbrainLines, LineEndsSpacesAndCaseDoNotMatter) {
    zaai(5);
    Sessie s;
    EXPECT_EQ(s.stuur("  start 19 \r"), "OK\n");
    EXPECT_EQ(s.stuur("\r\n\t\n"), ""); // empty lines are not commands
    int c = 0, r = 0;
    EXPECT_TRUE(leeszet(s.stuur("bOaRd\r\n9,9,1\r\n 10,10,2 \r\ndone\r"), c, r));
    EXPECT_EQ(s.count, 3);
    EXPECT_EQ(s.stuur("TakeBack $\r"), "OK\n");
    EXPECT_EQ(s.stuur("restart\r"), "OK\n");
    EXPECT_TRUE(leeszet(s.stuur("TuRn\t3, 4\r"), c, r));
    EXPECT_EQ(s.moves[1].column, 4);
    EXPECT_EQ(s.moves[1].row, 5);
}

TEST(PbrainLines, BytesThatAreNoTextAnswerOnePrintableLine) {
    Sessie s;
    const std::string a = s.stuur(std::string("ab\0c\x01\xff\x7f", 8));
    EXPECT_EQ(a, "UNKNOWN ab?c????\n");
    EXPECT_EQ(s.stuur(std::string(100, 'x')), "UNKNOWN " + std::string(32, 'x') + "...\n");
    // After a dropped BOARD block its DONE is a stray line.
    EXPECT_EQ(s.stuur("START 19\nBOARD\n0,0,1\nBEGIN\nDONE"),
              "OK\nERROR BOARD block not closed by DONE, block and command dropped\n"
              "ERROR DONE without BOARD\n");
}

} // namespace
