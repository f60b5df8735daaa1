#include "spel.h"

#include "choice.h"
#include "record.h"
#include "style.h"
#include "woorden.h"

// Occupancy from the record itself: after a board that no five fits in any
// more, the update stops entering stones into the sets.
bool bezet(int c, int r) {
    for (int32_t n = 1; n <= MoveCount; ++n)
        if (MoveList[n].column == c && MoveList[n].row == r) return true;
    return false;
}

// The manager reads nothing after INFO, and takes DEBUG and MESSAGE lines
// just before an answer as remarks; MESSAGE it shows to the person running
// the tournament.
void stuurnoten(Protocolstaat& p, std::string& uit) {
    if (p.stijlnoot[0] != '\0') schrijf(uit, "DEBUG ", p.stijlnoot);
    if (p.regelnoot[0] != '\0') schrijf(uit, "MESSAGE ", p.regelnoot);
    p.stijlnoot[0] = p.regelnoot[0] = '\0';
}

// Only a five or a full board ends the adapter's game: on a dead board it
// plays on (see antwoordzet).
const char* uitslag() {
    if (GameState == BlackWon) return "game over: black has five in a row";
    if (GameState == WhiteWon) return "game over: white has five in a row";
    return "game over: the board is full, the game is a draw";
}

bool partijgewonnen() {
    return GameState == BlackWon || GameState == WhiteWon;
}

int tegenkleur(const Protocolstaat& p) {
    return p.eigenkleur == BlackToMove ? WhiteToMove : BlackToMove;
}

namespace {

// The move on a dead board: the free point with the lowest column and,
// within it, the lowest row (on the wire the lowest x, then the lowest y),
// the order in which the engine's own scan breaks ties. No five can be made
// any more, so every free point is as good as another; the manager still
// wants one until the board is full. False when no point is free.
bool eerstevrij(int& c, int& r) {
    for (c = 1; c <= BoardLines; ++c)
        for (r = 1; r <= BoardLines; ++r)
            if (!bezet(c, r)) return true;
    return false;
}

} // namespace

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

void speelals(Protocolstaat& p, int kleur) {
    p.eigenkleur = kleur;
    passtijltoe(p);
    beginpartij(BlackToMove);
}

// The adapter's own move, by the computer's rules, played and answered.
void antwoordzet(std::string& uit) {
    if (partijgewonnen()) return fout(uit, uitslag());
    // The computer's move while a five can still be made, else eerstevrij.
    // On a dead board the update leaves the sets alone; the move still goes
    // into the record, and the turn passes.
    if (!speelcomputerzet()) {
        int c, r;
        if (!eerstevrij(c, r)) return fout(uit, uitslag());
        legzet(c, r);
    }
    schrijfzet(uit);
    uit += '\n';
}

void speelhoogste(std::string& uit) {
    kieshoogste();
    const int c = TargetCol, r = TargetRow;
    legzet(c, r);
    schrijfpunt(uit, c, r);
}

void schrijfzet(std::string& uit) {
    schrijfpunt(uit, MoveList[MoveCount].column, MoveList[MoveCount].row);
}
