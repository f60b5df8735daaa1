// One protocol session inside the test process. The engine's game is global,
// so a session keeps its own copy of it and swaps it in around every line;
// two sessions can then play each other as two processes would.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>

#include "board.h"
#include "protocol.h"
#include "record.h"
#include "rules.h"
#include "setup.h"
#include "update.h"

// The session's game is the engine's copy of a game (Partijkopie: the
// record, the turn, the state, both sets), plus the board and the rule it is
// played on.
struct Sessie : Partijkopie {
    Protocolstaat staat;
    int32_t grootte, regel;
    bool verder = true;  // false once END was read
    std::string laatste; // the last answer

    Sessie() {
        beginprotocol(staat);
        bewaar();
    }
    void laad() {
        // The engine set up for this session's board and rule, then its game.
        richtspelin(grootte, regel);
        herstelpartij(*this);
    }
    void bewaar() {
        grootte = BoardLines, regel = Spelregel;
        bewaarpartij(*this);
    }
    // Sends lines separated by '\n' one at a time and returns all answers.
    // A '$' in a line stands for the move in the last answer.
    std::string stuur(std::string_view tekst) {
        std::string alles;
        while (!tekst.empty()) {
            const std::size_t eind = std::min(tekst.find('\n'), tekst.size());
            std::string regel(tekst.substr(0, eind));
            tekst.remove_prefix(std::min(eind + 1, tekst.size()));
            if (const std::size_t d = regel.find('$'); d != std::string::npos)
                regel.replace(d, 1, laatste.substr(0, laatste.find('\n')));
            laatste.clear();
            laad();
            verder = verwerkregel(staat, regel, laatste);
            bewaar();
            alles += laatste;
        }
        return alles;
    }
    // As a player of the game loop of scheidsrechter.h: the answer is all
    // that the last line got; a fault the loop finds fails the test.
    bool antwoord(int, std::string& regel) {
        regel = laatste.substr(0, laatste.size() - 1);
        return !laatste.empty() && laatste.back() == '\n';
    }
    void fout(const std::string& wat) { FAIL() << wat; }
    // True if the sets are exactly what a reset and a replay of the record
    // give; meaningful in a running game, where the replay enters all moves.
    bool setsherbouwbaar() {
        laad();
        herbouwsets();
        const bool gelijk = std::memcmp(EvalSet, sets, sizeof sets) == 0;
        laad();
        return gelijk;
    }
};

// Reads an answer "x,y" as engine point (x + 1, y + 1); false if it is none.
inline bool leeszet(const std::string& a, int& c, int& r) {
    int x, y, n = 0;
    if (a.empty() || a.back() != '\n' || std::sscanf(a.c_str(), "%d,%d%n", &x, &y, &n) != 2 ||
        n + 1 != static_cast<int>(a.size()))
        return false;
    c = x + 1, r = y + 1;
    return true;
}
