#include "protocol.h"

#include <algorithm>
#include <cstring>

#include "choice.h"
#include "partij.h"
#include "style.h"
#include "version.h"

namespace {

bool isspatie(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

std::string_view bijgeknipt(std::string_view s) {
    while (!s.empty() && isspatie(s.front())) s.remove_prefix(1);
    while (!s.empty() && isspatie(s.back())) s.remove_suffix(1);
    return s;
}

char hoofdletter(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

// Compares a command word with an upper-case name, ignoring case.
bool isnaam(std::string_view woord, const char* naam) {
    const std::size_t n = std::strlen(naam);
    if (woord.size() != n) return false;
    for (std::size_t i = 0; i < n; ++i)
        if (hoofdletter(woord[i]) != naam[i]) return false;
    return true;
}

const char* const Commandos[] = {"START", "RECTSTART", "RESTART", "BEGIN", "TURN", "BOARD",
                                 "DONE",  "TAKEBACK",  "INFO",    "ABOUT", "END"};

bool iscommando(std::string_view woord) {
    for (const char* c : Commandos)
        if (isnaam(woord, c)) return true;
    return false;
}

// Splits a trimmed line into its first word and the trimmed rest.
void splitswoord(std::string_view regel, std::string_view& woord, std::string_view& rest) {
    std::size_t i = 0;
    while (i < regel.size() && !isspatie(regel[i])) ++i;
    woord = regel.substr(0, i);
    rest = bijgeknipt(regel.substr(i));
}

// An optionally signed decimal integer filling the whole text. Huge values
// saturate instead of wrapping, so the range tests refuse them.
bool leesgetal(std::string_view s, long long& v) {
    s = bijgeknipt(s);
    bool negatief = false;
    if (!s.empty() && (s.front() == '-' || s.front() == '+')) {
        negatief = s.front() == '-';
        s.remove_prefix(1);
    }
    if (s.empty()) return false;
    v = 0;
    for (char c : s) {
        if (c < '0' || c > '9') return false;
        if (v < 1000000000) v = v * 10 + (c - '0');
    }
    if (negatief) v = -v;
    return true;
}

// Reads "a,b" or "a,b,c": exactly n integers separated by commas.
bool leesgetallen(std::string_view s, long long* v, int n) {
    for (int i = 0; i < n; ++i) {
        const std::size_t komma = i + 1 < n ? s.find(',') : s.size();
        if (komma == std::string_view::npos || !leesgetal(s.substr(0, komma), v[i])) return false;
        s.remove_prefix(komma == s.size() ? komma : komma + 1);
    }
    return true;
}

const char* const Misvormd = "malformed coordinates, expected x,y";
// The refusal of a point off the board, naming the board being played.
const char* buitenbord() {
    static const char* const Teksten[] = {
        "coordinates outside the 15x15 board", "coordinates outside the 16x16 board",
        "coordinates outside the 17x17 board", "coordinates outside the 18x18 board",
        "coordinates outside the 19x19 board", "coordinates outside the 20x20 board"};
    static_assert(sizeof Teksten / sizeof Teksten[0] == MaxBoardSize - MinBoardSize + 1);
    return Teksten[Bordgrootte - MinBoardSize];
}

// Whether a wire coordinate lies on the board being played.
bool opbord(long long v) {
    return v >= 0 && v < Bordgrootte;
}

// A wire point "x,y" as an engine point; nullptr or the reason it is refused.
const char* leespunt(std::string_view s, int& c, int& r) {
    long long v[2];
    if (!leesgetallen(s, v, 2)) return Misvormd;
    if (!opbord(v[0]) || !opbord(v[1])) return buitenbord();
    c = static_cast<int>(v[0]) + 1;
    r = static_cast<int>(v[1]) + 1;
    return nullptr;
}

// Occupancy from the record itself: after a board that no five fits in any
// more, the update stops entering stones into the sets.
bool bezet(int c, int r) {
    for (int32_t n = 1; n <= MoveCount; ++n)
        if (MoveList[n].column == c && MoveList[n].row == r) return true;
    return false;
}

void schrijf(std::string& uit, const char* a, std::string_view b = {}) {
    uit += a;
    uit += b;
    uit += '\n';
}

void fout(std::string& uit, const char* reden) {
    schrijf(uit, "ERROR ", reden);
}

// The input word as it may be echoed: printable, short, on one line.
std::string zichtbaar(std::string_view s) {
    constexpr std::size_t Max = 32;
    std::string t;
    for (std::size_t i = 0; i < s.size() && i < Max; ++i)
        t += s[i] > ' ' && s[i] < 127 ? s[i] : '?';
    if (s.size() > Max) t += "...";
    return t;
}

// Sends the note held back for the answer to the next BEGIN, TURN or BOARD
// block, whether that answer is a move or ERROR: the manager reads nothing
// after INFO, and takes DEBUG lines just before an answer as remarks.
void stuuruitgesteld(Protocolstaat& p, std::string& uit) {
    if (p.uitgesteld[0] == '\0') return;
    schrijf(uit, "DEBUG ", p.uitgesteld);
    p.uitgesteld[0] = '\0';
}

// Only a five or a full board ends the adapter's game: on a dead board it
// plays on (see antwoordzet).
const char* uitslag() {
    if (GameState == BlackWon) return "game over: black has five in a row";
    if (GameState == WhiteWon) return "game over: white has five in a row";
    return "game over: the board is full, the game is a draw";
}

bool heeftvijf() {
    return GameState == BlackWon || GameState == WhiteWon;
}

int tegenkleur(const Protocolstaat& p) {
    return p.eigenkleur == BlackToMove ? WhiteToMove : BlackToMove;
}

// The move on a dead board: the free point with the lowest column and,
// within it, the lowest row (on the wire the lowest x, then the lowest y),
// the order in which the engine's own scan breaks ties. No five can be made
// any more, so every free point is as good as another; the manager still
// wants one until the board is full. False when no point is free.
bool eerstevrij(int& c, int& r) {
    bool vol[MaxBoardSize + 1][MaxBoardSize + 1] = {};
    for (int32_t n = 1; n <= MoveCount; ++n) vol[MoveList[n].column][MoveList[n].row] = true;
    for (c = 1; c <= Bordgrootte; ++c)
        for (r = 1; r <= Bordgrootte; ++r)
            if (!vol[c][r]) return true;
    return false;
}

// The asked style goes to the set that chooses the adapter's moves: set 1
// when it plays black, set 2 when it plays white. The other set keeps
// Normaal; it chooses no moves here.
void passtijltoe(const Protocolstaat& p) {
    if (p.eigenkleur == BlackToMove) {
        zetstijl(2, Normaal);
        zetstijl(1, p.eigenstijl);
    } else if (p.eigenkleur == WhiteToMove) {
        zetstijl(1, Normaal);
        zetstijl(2, p.eigenstijl);
    }
}

void geenpartij(Protocolstaat& p) {
    p.eigenkleur = 0;
    beginpartij(NoGame);
}

// An empty board with the colours now known; black opens.
void speelals(Protocolstaat& p, int kleur) {
    p.eigenkleur = kleur;
    passtijltoe(p);
    beginpartij(BlackToMove);
}

// The adapter's own move, by the computer's rules, played and answered.
void antwoordzet(std::string& uit) {
    if (heeftvijf()) return fout(uit, uitslag());
    // The computer's rules while a five can still be made, else eerstevrij.
    int c = 0, r = 0;
    if (gamerunning() && kieszet()) {
        c = TargetCol;
        r = TargetRow;
    } else if (!eerstevrij(c, r)) {
        return fout(uit, uitslag());
    }
    // On a dead board the update leaves the sets alone; the move still goes
    // into the record, and the turn passes.
    legzet(c, r);
    uit += std::to_string(c - 1);
    uit += ',';
    uit += std::to_string(r - 1);
    uit += '\n';
}

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
        if (heeftvijf()) return fout(uit, uitslag());
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

// INFO is never answered: the manager reads nothing after it, and would take
// a line sent now for the answer to its next command. Keys other than style
// (time and memory limits, rule, folder) do not concern this engine and are
// ignored; so is a line without a key. A style it does not know leaves the
// style as it was, and a DEBUG line before the next move says so.
void doeinfo(Protocolstaat& p, std::string_view rest) {
    std::string_view sleutel, waarde;
    splitswoord(rest, sleutel, waarde);
    if (!isnaam(sleutel, "STYLE")) return;
    char naam[16] = {};
    waarde.copy(naam, sizeof naam - 1);
    const int stijl = waarde.size() < sizeof naam ? stijlnummer(naam) : 0;
    if (stijl == 0) {
        const std::string tekst = "INFO style '" + zichtbaar(waarde) +
                                  "' ignored: unknown style, expected roekeloos, aanvallend, "
                                  "normaal, behoedzaam or angstig";
        std::memcpy(p.uitgesteld, tekst.c_str(), std::min(tekst.size() + 1, sizeof p.uitgesteld));
        p.uitgesteld[sizeof p.uitgesteld - 1] = '\0';
        return;
    }
    p.eigenstijl = stijl;
    p.uitgesteld[0] = '\0'; // the style now asked for holds
    passtijltoe(p);
}

void beginbord(Protocolstaat& p, std::string_view rest) {
    p.inbord = true;
    p.bordfout = rest.empty() ? nullptr : "BOARD takes no arguments";
    std::memset(p.bordveld, 0, sizeof p.bordveld);
    p.aantaleigen = p.aantaltegen = 0;
}

void bordregel(Protocolstaat& p, std::string_view regel) {
    long long v[3];
    const char* reden = nullptr;
    if (!leesgetallen(regel, v, 3))
        reden = "malformed BOARD line, expected x,y,field";
    else if (!opbord(v[0]) || !opbord(v[1]))
        reden = buitenbord();
    else if (v[2] != 1 && v[2] != 2)
        reden = "BOARD field must be 1 (own stone) or 2 (opponent's stone)";
    else if (p.bordveld[v[0] + 1][v[1] + 1] != 0)
        reden = "BOARD gives a point twice";
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
    p.inbord = false;
    if (!p.gestart) return fout(uit, "not started, send START first");
    if (p.bordfout) return fout(uit, p.bordfout);
    int kleur;
    if (p.aantaleigen == p.aantaltegen)
        kleur = BlackToMove;
    else if (p.aantaltegen == p.aantaleigen + 1)
        kleur = WhiteToMove;
    else
        return fout(uit, "BOARD stone counts fit no game with the adapter to move");

    // The stones are played as a game would play them, and the engine's own
    // update finds a five among them; a refused board leaves the game as it
    // was, the codes of the styles included.
    static Partijkopie voor;
    bewaarpartij(voor);
    const int kleurvoor = p.eigenkleur;
    speelals(p, kleur);
    // Black and white alternate in the order given, so that the opening
    // rules see the first two moves of the game.
    const Bordpunt* zwart = kleur == BlackToMove ? p.eigen : p.tegen;
    const Bordpunt* wit = kleur == BlackToMove ? p.tegen : p.eigen;
    const int aantal = p.aantaleigen + p.aantaltegen;
    for (int i = 0; i < aantal; ++i) {
        const Bordpunt& b = i % 2 == 0 ? zwart[i / 2] : wit[i / 2];
        legzet(b.column, b.row);
    }
    if (GameState == BlackWon || GameState == WhiteWon) {
        herstelpartij(voor);
        p.eigenkleur = kleurvoor;
        return fout(uit, "BOARD already holds five in a row");
    }
    antwoordzet(uit);
}

// A line inside a BOARD block: stones are gathered silently and answered on
// DONE. Another command means DONE was lost; the block is dropped so that
// the manager is not left waiting for its answer.
bool inbordblok(Protocolstaat& p, std::string_view regel, std::string& uit) {
    std::string_view woord, rest;
    splitswoord(regel, woord, rest);
    if (isnaam(woord, "END")) return false;
    if (isnaam(woord, "DONE")) {
        if (!rest.empty() && !p.bordfout) p.bordfout = "DONE takes no arguments";
        stuuruitgesteld(p, uit);
        eindbord(p, uit);
    } else if (iscommando(woord)) {
        p.inbord = false;
        fout(uit, "BOARD block not closed by DONE, block and command dropped");
    } else {
        bordregel(p, regel);
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
    if (regel.size() > MaxRegel) {
        if (p.inbord && !p.bordfout) p.bordfout = "line too long";
        if (!p.inbord) fout(uit, "line too long");
        return true;
    }
    regel = bijgeknipt(regel);
    if (regel.empty()) return true;
    if (p.inbord) return inbordblok(p, regel, uit);

    std::string_view woord, rest;
    splitswoord(regel, woord, rest);
    if (isnaam(woord, "END")) return false;
    if (isnaam(woord, "BEGIN") || isnaam(woord, "TURN")) stuuruitgesteld(p, uit);
    if (isnaam(woord, "ABOUT")) {
        schrijf(uit, "name=\"Kalvor\", version=\"" KALVOR_VERSION
                     "\", author=\"de Kalvor-ontwikkelaars\", country=\"NL\", "
                     "boards=\"15x15 to 20x20\", rule=\"five or more in a row wins\"");
    } else if (isnaam(woord, "INFO")) {
        doeinfo(p, rest);
    } else if (isnaam(woord, "START") || isnaam(woord, "RECTSTART")) {
        doestart(p, rest, isnaam(woord, "RECTSTART"), uit);
    } else if (isnaam(woord, "BOARD")) {
        beginbord(p, rest);
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
