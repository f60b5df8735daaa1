#include "blokken.h"

#include <cstring>

#include "record.h"
#include "scan.h"
#include "spel.h"
#include "update.h"
#include "woorden.h"

namespace {

// A stone of the block: "x,y,field" in BOARD, "x,y" in SWAP2BOARD, where
// the stones alternate from black in the order played. The first fault is
// kept for the answer on DONE.
void blokregel(Protocolstaat& p, std::string_view regel) {
    long long v[3] = {0, 0, 1};
    const char* reden = nullptr;
    if (!leesgetallen(regel, v, p.swap2 ? 2 : 3))
        reden = p.swap2 ? "malformed SWAP2BOARD line, expected x,y"
                        : "malformed BOARD line, expected x,y,field";
    else if (!opbord(v[0]) || !opbord(v[1]))
        reden = buitenbord();
    else if (v[2] != 1 && v[2] != 2)
        reden = "BOARD field must be 1 (own stone) or 2 (opponent's stone)";
    else if (p.bordveld[v[0] + 1][v[1] + 1] != 0)
        reden = p.swap2 ? "SWAP2BOARD gives a point twice" : "BOARD gives a point twice";
    else if (p.swap2 && p.aantaleigen == 5)
        reden = "SWAP2BOARD holds 0, 3 or 5 stones";
    if (reden) {
        if (!p.bordfout) p.bordfout = reden;
        return;
    }
    const int c = static_cast<int>(v[0]) + 1, r = static_cast<int>(v[1]) + 1;
    p.bordveld[c][r] = static_cast<int8_t>(v[2]);
    Bordpunt& b = v[2] == 1 ? p.eigen[p.aantaleigen++] : p.tegen[p.aantaltegen++];
    b = {static_cast<int8_t>(c), static_cast<int8_t>(r)};
}

void eindbord(Protocolstaat& p, std::string& uit) {
    int kleur;
    if (p.aantaleigen == p.aantaltegen)
        kleur = BlackToMove;
    else if (p.aantaltegen == p.aantaleigen + 1)
        kleur = WhiteToMove;
    else
        return fout(uit, "BOARD stone counts fit no game with the adapter to move");

    // The stones are laid out as a position, and the engine judges it as it
    // stands, whatever the order of the lines: a five that a later stone
    // makes a six that wins nothing is no five. A refused board leaves the
    // game as it was, the codes of the styles included.
    static Partijkopie voor;
    bewaarpartij(voor);
    const int kleurvoor = p.eigenkleur;
    speelals(p, kleur);
    // Black and white alternate in the order given, so that the opening
    // rules see the first two moves of the game.
    const Bordpunt* zwart = kleur == BlackToMove ? p.eigen : p.tegen;
    const Bordpunt* wit = kleur == BlackToMove ? p.tegen : p.eigen;
    const int aantal = p.aantaleigen + p.aantaltegen;
    beginopstelling();
    for (int i = 0; i < aantal; ++i) {
        const Bordpunt& b = i % 2 == 0 ? zwart[i / 2] : wit[i / 2];
        legzet(b.column, b.row);
    }
    eindopstelling();
    if (GameState == BlackWon || GameState == WhiteWon) {
        herstelpartij(voor);
        p.eigenkleur = kleurvoor;
        return fout(uit, "BOARD already holds five in a row");
    }
    antwoordzet(uit);
}

// Swap2's opening, one step per block. On an empty board the adapter lays
// the opening, black, white and black, by its own random opening rules.
// Given three or five stones, white to move, it chooses by the scores after
// white's best point, played in thought: it takes black (SWAP) when black's
// best score in set 1 then beats white's best in set 2; it keeps white with
// that point when white's leads by more than a tenth, or at all with five
// stones; and with three stones and a smaller lead it adds black's best
// point as well and leaves the colours to the opponent. Every point is one
// the rule allows. The position with the answer's stones stays the game,
// the adapter on the colour it chose, or holds until the opponent chooses.
void eindswap2(Protocolstaat& p, std::string& uit) {
    const int n = p.aantaleigen;
    if (n != 0 && n != 3 && n != 5) return fout(uit, "SWAP2BOARD holds 0, 3 or 5 stones");
    speelals(p, n == 0 ? BlackToMove : WhiteToMove);
    for (int i = 0; i < n; ++i) legzet(p.eigen[i].column, p.eigen[i].row);
    if (n == 0) {
        for (int i = 0; i < 3 && speelcomputerzet(); ++i) {
            if (i > 0) uit += ' ';
            schrijfzet(uit);
        }
        uit += '\n';
        return;
    }
    std::string wit;
    speelhoogste(wit);
    int32_t c, r;
    const int32_t zwartbest = hoogstescore(EvalSet[1].Score, c, r);
    const int32_t witbest = hoogstescore(EvalSet[2].Score, c, r);
    if (zwartbest > witbest) {
        neemterug(1);
        p.eigenkleur = BlackToMove;
        passtijltoe(p);
        return schrijf(uit, "SWAP");
    }
    uit += wit;
    if (n == 3 && witbest - zwartbest <= zwartbest / 10) {
        uit += ' ';
        speelhoogste(uit);
    }
    uit += '\n';
}

} // namespace

void beginblok(Protocolstaat& p, std::string_view rest, bool swap2) {
    p.inbord = true;
    p.swap2 = swap2;
    p.bordfout = nullptr;
    if (!rest.empty())
        p.bordfout = swap2 ? "SWAP2BOARD takes no arguments" : "BOARD takes no arguments";
    std::memset(p.bordveld, 0, sizeof p.bordveld);
    p.aantaleigen = p.aantaltegen = 0;
}

// Another command than DONE or END means DONE was lost; the block is
// dropped so that the manager is not left waiting for its answer.
bool inblok(Protocolstaat& p, std::string_view regel, std::string& uit) {
    std::string_view woord, rest;
    splitswoord(regel, woord, rest);
    if (isnaam(woord, "END")) return false;
    if (isnaam(woord, "DONE")) {
        if (!rest.empty() && !p.bordfout) p.bordfout = "DONE takes no arguments";
        stuurnoten(p, uit);
        p.inbord = false;
        if (!p.gestart) return fout(uit, "not started, send START first"), true;
        if (p.bordfout) return fout(uit, p.bordfout), true;
        p.swap2 ? eindswap2(p, uit) : eindbord(p, uit);
    } else if (iscommando(woord)) {
        p.inbord = false;
        fout(uit, p.swap2 ? "SWAP2BOARD block not closed by DONE, block and command dropped"
                          : "BOARD block not closed by DONE, block and command dropped");
    } else {
        blokregel(p, regel);
    }
    return true;
}
