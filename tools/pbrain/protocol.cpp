#include "protocol.h"

#include <algorithm>
#include <cstring>

#include "blokken.h"
#include "record.h"
#include "rules.h"
#include "setup.h"
#include "spel.h"
#include "style.h"
#include "version.h"
#include "woorden.h"

namespace {

void doestart(Protocolstaat& p, std::string_view rest, bool rechthoek, std::string& uit) {
    long long v[2] = {0, 0};
    if (!leesgetallen(rest, v, rechthoek ? 2 : 1)) return fout(uit, "malformed board size");
    // Squares only; the engine refuses a size it cannot play and changes
    // nothing then.
    if ((rechthoek && v[1] != v[0]) || v[0] < MinBoardSize || v[0] > MaxBoardSize ||
        !zetbordgrootte(static_cast<int32_t>(v[0])))
        return fout(uit, "unsupported board size, square boards of 15 to 20 lines are played");
    geenpartij(p);
    p.gestart = true;
    schrijf(uit, "OK");
}

void doebegin(Protocolstaat& p, std::string_view rest, std::string& uit) {
    if (!rest.empty()) return fout(uit, "BEGIN takes no arguments");
    if (MoveCount != 0) return fout(uit, "BEGIN is only possible on an empty board");
    speelals(p, BlackToMove);
    antwoordzet(uit);
}

void doeturn(Protocolstaat& p, std::string_view rest, std::string& uit) {
    int c, r;
    if (const char* reden = leespunt(rest, c, r)) return fout(uit, reden);
    if (MoveCount > 0) {
        if (partijgewonnen()) return fout(uit, uitslag());
        // On a dead board GameState stays Draw while the record goes on; the
        // turn is read from SideToMove, which the record keeps.
        if (aanzet() != tegenkleur(p)) return fout(uit, "it is not the opponent's turn");
        if (bezet(c, r)) return fout(uit, "point is occupied");
    } else {
        // The opponent opens the game, so it plays black.
        speelals(p, WhiteToMove);
    }
    legzet(c, r);
    antwoordzet(uit);
}

void doetakeback(std::string_view rest, std::string& uit) {
    int c, r;
    if (const char* reden = leespunt(rest, c, r)) return fout(uit, reden);
    if (MoveCount == 0) return fout(uit, "there is no move to take back");
    if (MoveList[MoveCount].column != c || MoveList[MoveCount].row != r)
        return fout(uit, "only the last move can be taken back");
    neemterug(1);
    schrijf(uit, "OK");
}

// Keeps a note for the answer to the next move, cut to its room.
template <std::size_t N> void noteer(char (&noot)[N], const std::string& tekst) {
    std::memcpy(noot, tekst.c_str(), std::min(tekst.size() + 1, N));
    noot[N - 1] = '\0';
}

// INFO rule, a sum of the leagues' bits: 1 exactly five, 4 renju (which
// holds black to exactly five), neither of them five or more in a row. A
// bit the engine does not play (2 a continuous game, 8 caro, any higher
// one) is left out, and a MESSAGE line before the next answer tells the
// person running the tournament by which rule the games are played instead.
void doeregel(Protocolstaat& p, std::string_view waarde) {
    long long v = 0;
    if (!leesgetal(waarde, v) || v < 0)
        return noteer(p.regelnoot, "INFO rule '" + zichtbaar(waarde) +
                                       "' ignored: expected a sum of 1 (exactly five), 4 "
                                       "(renju) and the bits not played, 2 and 8");
    zetspelregel(v & 4 ? Renju : v & 1 ? ExactFive : Freestyle);
    p.regelnoot[0] = '\0';
    if ((v & ~5LL) == 0) return;
    std::string niet = v & 2 ? "a continuous game (2)" : "";
    if (v & 8) niet += niet.empty() ? "caro (8)" : " and caro (8)";
    if (v & ~15LL) niet += niet.empty() ? "the bits above 8" : " and the bits above 8";
    const char* const Namen[] = {"five or more in a row", "exactly five", "renju"};
    noteer(p.regelnoot, "INFO rule " + std::to_string(v) + ": " + niet +
                            " not played; the games go by " + Namen[Spelregel]);
}

// INFO is never answered: the manager reads nothing after it, and would take
// a line sent now for the answer to its next command. Keys other than style
// and rule (time and memory limits, folder) do not concern this engine and
// are ignored; so is a line without a key. A style it does not know leaves
// the style as it was, and a DEBUG line before the next move says so.
void doeinfo(Protocolstaat& p, std::string_view rest) {
    std::string_view sleutel, waarde;
    splitswoord(rest, sleutel, waarde);
    if (isnaam(sleutel, "RULE")) return doeregel(p, waarde);
    if (!isnaam(sleutel, "STYLE")) return;
    char naam[16] = {};
    waarde.copy(naam, sizeof naam - 1);
    const int stijl = waarde.size() < sizeof naam ? stijlnummer(naam) : 0;
    if (stijl == 0)
        return noteer(p.stijlnoot, "INFO style '" + zichtbaar(waarde) +
                                       "' ignored: unknown style, expected roekeloos, "
                                       "aanvallend, normaal, behoedzaam or angstig");
    p.eigenstijl = stijl;
    p.stijlnoot[0] = '\0'; // the style now asked for holds
    passtijltoe(p);
}

// A line cut at the limit: what it held beyond the limit is lost, so it is
// carried out nowhere, and answered only where its command is answered.
// ERROR goes where an answer is due (unknown words included, which would
// get UNKNOWN); an INFO line, never answered, is dropped; a BOARD or
// SWAP2BOARD line opens its block with the fault, answered on DONE, and a
// line in a block becomes the block's fault; END still ends the session.
bool doetelang(Protocolstaat& p, std::string_view regel, std::string& uit) {
    std::string_view woord, rest;
    splitswoord(bijgeknipt(regel), woord, rest);
    if (isnaam(woord, "END")) return false;
    if (!p.inbord && (isnaam(woord, "BOARD") || isnaam(woord, "SWAP2BOARD")))
        beginblok(p, {}, isnaam(woord, "SWAP2BOARD"));
    if (p.inbord) {
        if (!p.bordfout) p.bordfout = "line too long";
    } else if (!isnaam(woord, "INFO")) {
        fout(uit, "line too long");
    }
    return true;
}

} // namespace

void beginprotocol(Protocolstaat& p) {
    std::memset(&p, 0, sizeof p);
    p.eigenstijl = Normaal;
    beginengine();
    geenpartij(p);
}

bool verwerkregel(Protocolstaat& p, std::string_view regel, std::string& uit) {
    if (regel.size() > MaxRegel) return doetelang(p, regel.substr(0, MaxRegel), uit);
    regel = bijgeknipt(regel);
    if (regel.empty()) return true;
    if (p.inbord) return inblok(p, regel, uit);

    std::string_view woord, rest;
    splitswoord(regel, woord, rest);
    if (isnaam(woord, "END")) return false;
    if (isnaam(woord, "BEGIN") || isnaam(woord, "TURN")) stuurnoten(p, uit);
    if (isnaam(woord, "ABOUT")) {
        schrijf(uit, "name=\"Kalvor\", version=\"" KALVOR_VERSION
                     "\", author=\"de Kalvor-ontwikkelaars\", country=\"NL\", "
                     "boards=\"15x15 to 20x20\", rule=\"five or more (INFO rule 0), exactly "
                     "five (1), renju (4); swap2\"");
    } else if (isnaam(woord, "INFO")) {
        doeinfo(p, rest);
    } else if (isnaam(woord, "START") || isnaam(woord, "RECTSTART")) {
        doestart(p, rest, isnaam(woord, "RECTSTART"), uit);
    } else if (isnaam(woord, "BOARD") || isnaam(woord, "SWAP2BOARD")) {
        beginblok(p, rest, isnaam(woord, "SWAP2BOARD"));
    } else if (!iscommando(woord)) {
        schrijf(uit, "UNKNOWN ", zichtbaar(woord));
    } else if (isnaam(woord, "DONE")) {
        fout(uit, "DONE without BOARD");
    } else if (!p.gestart) {
        fout(uit, "not started, send START first");
    } else if (isnaam(woord, "RESTART")) {
        if (rest.empty()) {
            geenpartij(p);
            schrijf(uit, "OK");
        } else {
            fout(uit, "RESTART takes no arguments");
        }
    } else if (isnaam(woord, "BEGIN")) {
        doebegin(p, rest, uit);
    } else if (isnaam(woord, "TURN")) {
        doeturn(p, rest, uit);
    } else {
        doetakeback(rest, uit);
    }
    return true;
}
