// The referee of the match manager and the rule tests, written from the
// leagues' rules and sharing nothing with the engine; renju reads lines as
// text. It also runs the games of two players of the protocol, asking each
// for its move and judging it: engine processes over pipes (wedstrijd.cpp)
// and sessions inside the test process (pbrain_sessie.h). Points are the
// wire's: 0-based, x the column.
#pragma once

#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

namespace scheids {

constexpr int Vrij = 0, Zwart = 1, Wit = 2;
constexpr int Vijfofmeer = 0, Preciesvijf = 1, Renju = 4; // INFO rule
const int Richting[4][2] = {{1, 0}, {0, 1}, {1, 1}, {1, -1}};

struct Bord {
    int n = 19;
    int v[20][20] = {};
    // The point i steps from (x, y) along d, -1 off the board.
    int op(int x, int y, int d, int i) const {
        x += i * Richting[d][0], y += i * Richting[d][1];
        return x < 0 || y < 0 || x >= n || y >= n ? -1 : v[x][y];
    }
    // The row of its own colour through the stone at (x, y) along d.
    int rij(int x, int y, int d) const {
        int n = 1;
        for (int i = 1; op(x, y, d, i) == v[x][y]; ++i) ++n;
        for (int i = -1; op(x, y, d, i) == v[x][y]; --i) ++n;
        return n;
    }
};

// Whether the stone just played at (x, y) wins: a row of five, or of more
// where the rule lets it (renju: white's).
inline bool wint(const Bord& b, int x, int y, int regel) {
    const bool meer = regel == Vijfofmeer || (regel == Renju && b.v[x][y] == Wit);
    for (int d = 0; d < 4; ++d)
        if (b.rij(x, y, d) == 5 || (b.rij(x, y, d) > 5 && meer)) return true;
    return false;
}

// Whether renju forbids black the free point (x, y): an overline, two fours
// or two threes, unless it makes five. A line through it is read as text of
// eleven points ('x' black, 'o' white or off the board, '.' free). A four is
// a window of four black stones and a free point that makes exactly five,
// told apart by its stones, so that .xxxx. counts once. A three is a line one
// stone more makes .xxxx. (lying in 1..10) with no black beyond, on a point
// black may play: the test recurses.
inline bool verboden(Bord& b, int x, int y) {
    auto vieren = [](const std::string& s) {
        int gezien[5], n = 0;
        for (int a = 1; a <= 5; ++a) {
            int stenen = 0, zwart = 0;
            for (int i = a; i < a + 5; ++i) stenen |= (s[i] == 'x') << i, zwart += s[i] == 'x';
            bool nieuw =
                zwart == 4 && s.find('o', a) >= a + 5u && s[a - 1] != 'x' && s[a + 5] != 'x';
            for (int i = 0; i < n; ++i) nieuw = nieuw && gezien[i] != stenen;
            if (nieuw) gezien[n++] = stenen;
        }
        return n;
    };
    b.v[x][y] = Zwart;
    int vijf = 0, lang = 0, vier = 0, drie = 0;
    for (int d = 0; d < 4; ++d) {
        vijf += b.rij(x, y, d) == 5;
        lang += b.rij(x, y, d) > 5;
        std::string s;
        for (int i = -5; i <= 5; ++i) s += "o.xo"[b.op(x, y, d, i) + 1];
        vier += vieren(s);
        for (int i = 2; i <= 8 && vieren(s) == 0; ++i) {
            std::string t = s;
            t[i] = 'x';
            const auto a = t.find(".xxxx.");
            if (s[i] == '.' && a != std::string::npos && t[a - 1] != 'x' && t[a + 6] != 'x' &&
                !verboden(b, x + (i - 5) * Richting[d][0], y + (i - 5) * Richting[d][1])) {
                ++drie;
                break;
            }
        }
    }
    b.v[x][y] = Vrij;
    return vijf == 0 && (lang > 0 || vier >= 2 || drie >= 2);
}

// A game of the loop below, as it went.
struct Partij {
    Bord bord;
    std::vector<std::pair<int, int>> zetten; // the opening's, then the players'
    int doodbij = 0;     // the move after which no five fitted any more; 0 if never
    std::string opening; // the first four moves played, to tell the games apart
};

// A match: how its games are played, the last game and the slowest answer.
struct Wedstrijd {
    int grootte = 19;                         // lines of the board (START)
    int regel = Vijfofmeer;                   // INFO rule
    std::vector<std::pair<int, int>> opening; // from black's move, sent as a BOARD block
    int zetlimietms = 30000;
    Partij partij;
    double traagste = 0; // in microseconds
};

// Reads "x,y" exactly, both on a board of n lines.
inline bool leeszet(const std::string& s, int n, int& x, int& y) {
    int lengte = 0;
    return std::sscanf(s.c_str(), "%d,%d%n", &x, &y, &lengte) == 2 &&
           lengte == static_cast<int>(s.size()) && x >= 0 && x < n && y >= 0 && y < n;
}

// Whether a window of five still holds stones of at most one colour. Bits 1
// to 3 of a window's colours are free, black and white; 0 is off the board.
inline bool levend(const Bord& b) {
    for (int x = 0; x < b.n; ++x)
        for (int y = 0; y < b.n; ++y)
            for (int d = 0; d < 4; ++d) {
                int kleuren = 0;
                for (int i = 0; i < 5; ++i) kleuren |= 1 << (b.op(x, y, d, i) + 1);
                if ((kleuren & 1) == 0 && (kleuren & 12) != 12) return true;
            }
    return false;
}

// Sends the command that asks the player of colour kleur for a move: BEGIN
// on an empty board, TURN with the last move to a player that has seen the
// game so far, else the whole position as a BOARD block (field 1 its own).
template <class Speler> std::string vraagzet(Speler& s, const Partij& p, int kleur, bool kent) {
    auto punt = [](std::pair<int, int> z) {
        return std::to_string(z.first) + "," + std::to_string(z.second);
    };
    std::string commando = p.zetten.empty() ? "BEGIN" : "TURN " + punt(p.zetten.back());
    if (!kent && !p.zetten.empty()) {
        s.stuur("BOARD");
        for (auto z : p.zetten)
            s.stuur(punt(z) + (p.bord.v[z.first][z.second] == kleur ? ",1" : ",2"));
        commando = "DONE";
    }
    s.stuur(commando);
    return commando;
}

// One game between e[0], black, and e[1], to a win, a full board (a dead
// board is played to the end, as managers do) or black's forbidden point in
// renju, a fault; a six that wins nothing under exactly five is a fault too.
// Returns the colour that won, 0 for a full board, -1 when a player failed.
// A player has stuur(line), which sends a command line; antwoord(limit in
// ms, line), its answer, false when none came in time; and fout(what), which
// reports a fault of it. bekijk(player, colour, move number, answer) sees
// each answer before it is judged.
template <class Speler, class Bekijk> int speel(Wedstrijd& w, Speler* e[2], Bekijk bekijk) {
    Partij& p = w.partij;
    p = Partij{};
    p.bord.n = w.grootte;
    for (auto [x, y] : w.opening) {
        p.bord.v[x][y] = p.zetten.size() % 2 ? Wit : Zwart;
        p.zetten.push_back({x, y});
    }
    bool kent[3] = {false, w.opening.empty(), w.opening.empty()};
    for (int kleur = 1 + static_cast<int>(p.zetten.size() % 2);; kleur = 3 - kleur) {
        Speler& zetter = *e[kleur - 1];
        const auto t0 = std::chrono::steady_clock::now();
        const std::string commando = vraagzet(zetter, p, kleur, kent[kleur]);
        kent[kleur] = true;
        std::string regel;
        int x, y;
        if (!zetter.antwoord(w.zetlimietms, regel))
            return zetter.fout("no move after " + commando), -1;
        const std::chrono::duration<double, std::micro> us = std::chrono::steady_clock::now() - t0;
        if (us.count() > w.traagste) w.traagste = us.count();
        const int zet = static_cast<int>(p.zetten.size()) + 1;
        bekijk(zetter, kleur, zet, regel);
        const std::string bij = " at move " + std::to_string(zet);
        if (!leeszet(regel, w.grootte, x, y) || p.bord.v[x][y] != 0)
            return zetter.fout("answered '" + regel + "' to " + commando + bij), -1;
        if (w.regel == Renju && kleur == Zwart && verboden(p.bord, x, y))
            return zetter.fout("played the forbidden point " + regel + bij), Wit;
        p.bord.v[x][y] = kleur;
        p.zetten.push_back({x, y});
        if (zet <= 4) p.opening += regel + " ";
        if (wint(p.bord, x, y, w.regel)) return kleur;
        // Not a win under exactly five, yet five or more in a row: a six.
        if (w.regel == Preciesvijf && wint(p.bord, x, y, Vijfofmeer) && zet < w.grootte * w.grootte)
            zetter.fout("made a six that wins nothing" + bij + " while other points were free");
        if (p.doodbij == 0 && !levend(p.bord)) p.doodbij = zet;
        if (zet == w.grootte * w.grootte) return 0;
    }
}

} // namespace scheids
