// Two adapters playing each other, and a long stream of random input that
// must never break the protocol or the game it keeps.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "pbrain_sessie.h"
#include "random.h"
#include "scheidsrechter.h"

namespace {

std::string punt(int c, int r) {
    return std::to_string(c - 1) + "," + std::to_string(r - 1);
}

TEST(PbrainPlay, TwoAdaptersPlayLegalMovesUntilAFiveOrAFullBoard) {
    const char* const stijlen[][2] = {
        {"normaal", "normaal"}, {"roekeloos", "angstig"}, {"aanvallend", "behoedzaam"}};
    // Seed 14 reaches a dead board after 267 moves; both play on to the end.
    for (uint64_t seed : {1, 2, 3, 4, 5, 6, 14}) {
        SCOPED_TRACE(seed);
        zaai(seed);
        auto a = std::make_unique<Sessie>(), b = std::make_unique<Sessie>();
        a->stuur(std::string("START 19\nINFO style ") + stijlen[seed % 3][0]);
        b->stuur(std::string("START 19\nINFO style ") + stijlen[seed % 3][1]);
        Sessie* spelers[2] = {a.get(), b.get()};
        scheids::Wedstrijd w;
        const scheids::Bord& bord = w.partij.bord;
        Sessie *zetter = a.get(), *ander = b.get();
        int kleur = 1, c = 0, r = 0, dood = 0;
        // Each answer before it is judged; the dead board as the mover saw it.
        scheids::speel(w, spelers, [&](Sessie& s, int zetkleur, int zetten, auto& regel) {
            const std::string antwoord = regel + "\n";
            zetter = &s, ander = spelers[2 - zetkleur], kleur = zetkleur;
            ASSERT_TRUE(leeszet(antwoord, c, r)) << zetten << ": " << antwoord;
            ASSERT_TRUE(onboard(c, r) && bord.v[c - 1][r - 1] == 0) << antwoord;
            if (zetter->state == Draw && dood == 0) dood = zetten;
        });
        if (HasFatalFailure()) return;
        ASSERT_EQ(ander->count + 1, zetter->count);
        // The other side takes the last move; both records are the game played.
        const std::string laatste = ander->stuur("TURN " + punt(c, r));
        EXPECT_EQ(ander->state, zetter->state);
        ASSERT_EQ(ander->count, zetter->count);
        for (int n = 1; n <= zetter->count; ++n) // codes differ with set 1's style
            EXPECT_TRUE(ander->moves[n].column == zetter->moves[n].column &&
                        ander->moves[n].row == zetter->moves[n].row);
        if (seed == 14) {
            // No five anywhere, and the full board is refused as a draw.
            EXPECT_EQ(dood, 267);
            EXPECT_EQ(zetter->count, MaxMoves);
            EXPECT_EQ(zetter->state, Draw);
            for (int i = 0; i < GameBoardSize; ++i)
                for (int j = 0; j < GameBoardSize; ++j) ASSERT_FALSE(scheids::wint(bord, i, j, 0));
            EXPECT_EQ(laatste, "ERROR game over: the board is full, the game is a draw\n");
            continue;
        }
        EXPECT_EQ(dood, 0);
        EXPECT_TRUE(scheids::wint(bord, c - 1, r - 1, 0));
        EXPECT_EQ(zetter->state, kleur == 1 ? BlackWon : WhiteWon);
        // The loser takes the winning move, then refuses to play on; so
        // does the winner.
        EXPECT_EQ(laatste.rfind("ERROR game over", 0), 0u);
        int vrij = 1;
        while (bord.v[vrij - 1][0] != 0) ++vrij;
        EXPECT_EQ(zetter->stuur("TURN " + punt(vrij, 1)).rfind("ERROR game over", 0), 0u);
        EXPECT_EQ(zetter->count, ander->count);
    }
}

// A random line: raw bytes, an overlong line, or a command with arguments
// that are often valid and sometimes not.
std::string willekeurigeregel(std::mt19937& g, const Sessie& s) {
    auto getal = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(g); };
    auto xy = [&] { return std::to_string(getal(-2, 20)) + "," + std::to_string(getal(-2, 20)); };
    static const char* const Stijlen[] = {"normaal",    "ANGSTIG",    "roekeloos",
                                          "behoedzaam", "aanvallend", "woest"};
    switch (getal(0, 14)) {
    case 0: {
        std::string b(static_cast<std::size_t>(getal(0, 40)), ' ');
        for (char& t : b) t = static_cast<char>(getal(0, 255));
        std::replace(b.begin(), b.end(), '\n', '\r'); // line ends belong to the reader
        return b;
    }
    case 1:
        return std::string(static_cast<std::size_t>(getal(4000, 5000)), 'T');
    case 2:
        return getal(0, 3) ? "START 19" : "START " + std::to_string(getal(-5, 30));
    case 3:
        return "BEGIN";
    case 4:
        return getal(0, 5) ? "RESTART" : "END";
    case 5:
        return "INFO style " + std::string(Stijlen[getal(0, 5)]);
    case 6:
        return s.count > 0 && getal(0, 2)
                   ? "TAKEBACK " + punt(s.moves[s.count].column, s.moves[s.count].row)
                   : "TAKEBACK " + xy();
    case 7:
        return "BOARD";
    case 8:
        return "DONE";
    case 9:
        return xy() + "," + std::to_string(getal(0, 3));
    case 10:
        return getal(0, 1) ? "ABOUT" : "info timeout_turn 5000";
    default:
        return "turn " + xy() + (getal(0, 9) ? "" : "\r");
    }
}

// What must hold after every line, whatever came in.
void toetsspel(Sessie& s) {
    ASSERT_TRUE(s.count >= 0 && s.count <= s.grootte * s.grootte);
    ASSERT_TRUE(s.state >= NoGame && s.state <= Draw);
    bool bezet[MaxBoardSize + 1][MaxBoardSize + 1] = {};
    for (int n = 1; n <= s.count; ++n) {
        const MoveRecord& m = s.moves[n];
        ASSERT_TRUE(onboard(m.column, m.row) && !bezet[m.column][m.row]) << n;
        bezet[m.column][m.row] = true;
        ASSERT_EQ(m.code, n % 2 ? s.sets[1].BlackCode : s.sets[1].WhiteCode) << n;
    }
    if (s.state == BlackToMove || s.state == WhiteToMove) {
        ASSERT_EQ(s.side, s.state == BlackToMove ? s.sets[1].BlackCode : s.sets[1].WhiteCode);
        ASSERT_TRUE(s.setsherbouwbaar());
    }
}

TEST(PbrainFuzz, RandomInputNeverAnswersMoreThanOneLineNorBreaksTheGame) {
    for (uint32_t seed = 1; seed <= 8; ++seed) {
        SCOPED_TRACE(seed);
        zaai(seed);
        std::mt19937 g(seed);
        auto s = std::make_unique<Sessie>();
        int zetten = 0, notities = 0;
        for (int i = 0; i < 2500; ++i) {
            const std::string regel = willekeurigeregel(g, *s);
            const int voor = s->count;
            std::string a = s->stuur(regel);
            SCOPED_TRACE(regel.substr(0, 40));
            ASSERT_TRUE(a.empty() || a.back() == '\n');
            for (char t : a) ASSERT_TRUE((t >= ' ' && t < 127) || t == '\n') << a;
            // A DEBUG line (an unknown style noted) may go before an answer,
            // never alone.
            if (a.rfind("DEBUG ", 0) == 0) {
                a.erase(0, a.find('\n') + 1);
                ASSERT_FALSE(a.empty());
                ++notities;
            }
            ASSERT_LE(std::count(a.begin(), a.end(), '\n'), 1) << a;
            int c = 0, r = 0;
            if (leeszet(a, c, r)) {
                ++zetten;
                ASSERT_GT(s->count, voor == s->count ? -1 : 0);
                ASSERT_EQ(s->moves[s->count].column, c);
                ASSERT_EQ(s->moves[s->count].row, r);
            }
            toetsspel(*s);
            if (!s->verder) s = std::make_unique<Sessie>();
        }
        EXPECT_GT(zetten, 100); // the stream reached real play
        EXPECT_GT(notities, 0);
    }
}

} // namespace
