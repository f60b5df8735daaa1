// The tournament leagues through the protocol: INFO rule, the game-over
// checks that follow it, and swap2's SWAP2BOARD in its three cases.
#include <gtest/gtest.h>

#include <set>
#include <sstream>
#include <vector>

#include "pbrain_sessie.h"
#include "random.h"

namespace {

TEST(PbrainRule, InfoRuleSetsTheRuleAndABitNotPlayedIsNotedBeforeTheNextMove) {
    const struct {
        const char* waarde;
        int32_t regel;
        bool noot;
    } Rijen[] = {{"1", ExactFive, false}, {"4", Renju, false},    {"5", Renju, false},
                 {"0", Freestyle, false}, {"2", Freestyle, true}, {"9", ExactFive, true},
                 {"x", ExactFive, true}};
    Sessie s;
    s.stuur("START 15");
    for (const auto& r : Rijen) {
        EXPECT_EQ(s.stuur(std::string("INFO rule ") + r.waarde), "");
        EXPECT_EQ(s.regel, r.regel) << r.waarde;
        const std::string a = s.stuur("RESTART\nBEGIN");
        EXPECT_EQ(a.find("\nMESSAGE INFO rule ") != std::string::npos, r.noot) << a;
    }
}

// Black, the opponent, fills the gap of xx.xxx last: a six. Under five or
// more the position holds a five; under exactly five it is one like any
// other, answered with moves.
TEST(PbrainRule, ASixWinsNothingUnderExactFiveAndTheGameGoesOn) {
    const std::string zes =
        "BOARD\n0,0,2\n0,9,1\n1,0,2\n2,9,1\n2,0,2\n4,9,1\n4,0,2\n6,9,1\n5,0,2\n8,9,1\n3,0,2\nDONE";
    Sessie s;
    EXPECT_EQ(s.stuur("START 15\n" + zes), "OK\nERROR BOARD already holds five in a row\n");
    int c, r;
    EXPECT_TRUE(leeszet(s.stuur("INFO rule 1\n" + zes), c, r));
    EXPECT_EQ(s.state, BlackToMove);
    EXPECT_TRUE(leeszet(s.stuur("TURN 14,14"), c, r));
}

// The points of an answer "x,y x,y ...", as the wire writes them.
std::vector<std::string> punten(const std::string& antwoord) {
    std::istringstream in(antwoord);
    std::vector<std::string> p;
    for (std::string w; in >> w;) p.push_back(w);
    return p;
}

// A step of swap2 by a fresh adapter: one answer line, its points free and
// on the board (the record holds no point twice), and the colour it keeps.
std::vector<std::string> swap2(const std::vector<std::string>& stenen) {
    Sessie s;
    std::string blok = "START 15\nINFO rule 1\nSWAP2BOARD\n";
    for (const std::string& p : stenen) blok += p + "\n";
    const std::string a = s.stuur(blok + "DONE").substr(3);
    EXPECT_EQ(std::count(a.begin(), a.end(), '\n'), 1) << a;
    const bool swap = a == "SWAP\n";
    std::vector<std::string> p = swap ? std::vector<std::string>{"SWAP"} : punten(a);
    std::set<std::pair<int, int>> bezet;
    for (int n = 1; n <= s.count; ++n) bezet.insert({s.moves[n].column, s.moves[n].row});
    EXPECT_EQ(bezet.size() + (swap ? 1 : 0), stenen.size() + p.size()) << a;
    EXPECT_EQ(s.staat.eigenkleur, stenen.empty() || swap ? BlackToMove : WhiteToMove) << a;
    return p;
}

TEST(PbrainSwap2, EveryStepIsOneAnswerOfFreePointsAndTheOpeningsMeetEveryChoice) {
    std::set<std::string> keuzes;
    for (uint64_t seed = 1; seed <= 40; ++seed) {
        zaai(seed);
        std::vector<std::string> stenen = swap2({});
        ASSERT_EQ(stenen.size(), 3u);
        const std::vector<std::string> keuze = swap2(stenen);
        keuzes.insert(keuze[0] == "SWAP" ? "SWAP" : std::to_string(keuze.size()) + " points");
        if (keuze.size() != 2) continue;
        stenen.insert(stenen.end(), keuze.begin(), keuze.end());
        const std::vector<std::string> laatste = swap2(stenen);
        EXPECT_TRUE(laatste[0] == "SWAP" || laatste.size() == 1);
    }
    EXPECT_EQ(keuzes, (std::set<std::string>{"SWAP", "1 points", "2 points"}));
}

} // namespace
