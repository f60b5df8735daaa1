#include "cycle.h"

#include <QCoreApplication>

#include "board.h"
#include "choice.h"
#include "clocks.h"
#include "holdback.h"
#include "humanmove.h"
#include "mode.h"
#include "record.h"
#include "soundrules.h"
#include "statusline.h"

int32_t GamesStarted;

void legsteen(int32_t n) {
    if (n < 1 || n > MoveCount) return;
    steengeluid(n);
    if (Form1) Form1->tekensteen(n);
}

void tekenbord() {
    if (!Form1) return;
    Form1->tekenalles();
    volggeluid();
}

namespace {

// One computer move, its steps from the entry test to the arming of the
// restart. Returns whether the chain goes on with the next move. The chain
// is a loop rather than a nesting of calls: a whole game would otherwise
// stack 361 levels of event dispatching.
bool eenzet() {
    Hoofdvenster* f = Form1;
    if (!f || !gamerunning()) return false;
    const int32_t game = GamesStarted;
    beginbeurt(); // the think delay counts towards the computer's time
    begincomputerwacht();
    denkna(f->snel() ? 50 : 800);
    eindcomputerwacht();
    // Anything may have happened during the wait. A game that has ended or
    // been replaced gets no stone; a game whose turn has passed gets one
    // for the side now to move.
    f = Form1;
    if (!f || game != GamesStarted || !gamerunning()) return false;
    {
        Vastlegging v;
        if (speelcomputerzet()) { // choose, record, update, pass the turn
            const int32_t mover = MoveList[MoveCount].code;
            telwinst(GameState);
            // The computer's time includes the update. Only a code of the
            // two is settled (the person's commit takes any other code for
            // white).
            if (mover == EvalSet[1].BlackCode || mover == EvalSet[1].WhiteCode)
                verreken(mover == EvalSet[1].BlackCode);
            legsteen(MoveCount);
        }
        herstartklok(); // also when the choice declared a draw
        beginbeurt();
        toonstatus();
    }
    bool verder = false;
    const Modus mode = modusnu();
    if (GameState < Draw) {
        if (mode != Modus::ComputerComputer)
            laatmenszetten(true);
        else
            verder = !f->stapvoorstap();
    }
    // Enabling a running timer would restart its countdown; it is left as
    // it is.
    if (mode == Modus::ComputerComputer && GameState >= BlackWon && !f->stapvoorstap() &&
        !f->Herstartklok->isActive())
        f->Herstartklok->start();
    return verder;
}

} // namespace

void computerzet() {
    while (eenzet()) {}
}

void startpartij() {
    if (houdtegen(startpartij)) return;
    if (!Form1) return;
    Form1->noemstartknop(QCoreApplication::translate("Hoofdvenster", "Nieuwe partij"));
    startgong();
    nieuweklokken();
    ++GamesStarted;
    herstartklok();
    beginpartij(GamesStarted % 2 != 0 ? BlackToMove : WhiteToMove);
    toonstatus();
    tekenbord();
    const Modus mode = modusnu();
    if ((mode == Modus::ComputerMens && GameState == BlackToMove) ||
        mode == Modus::ComputerComputer) {
        // A press left possible by the previous game must not be played
        // for the computer that opens this one.
        laatmenszetten(false);
        computerzet();
    } else {
        laatmenszetten(true);
    }
}

namespace {

void legklik(int32_t c, int32_t r) {
    if (!Form1) return;
    // The hand was shown when the press came; whether the point may be
    // played is decided now.
    TargetCol = c;
    TargetRow = r;
    if (accepteerklik(true)) zetmens();
}

} // namespace

void zetmens() {
    if (houdtegen(legklik, TargetCol, TargetRow)) return;
    if (!gamerunning() || MoveCount >= MaxMoves) return;
    laatmenszetten(false);
    herstartklok();
    // The person's time is settled before the move is recorded: the update
    // does not count towards it.
    verreken(SideToMove == EvalSet[1].BlackCode);
    toonhand(false);
    {
        Vastlegging v;
        legzet(TargetCol, TargetRow); // record, update, pass the turn
        telwinst(GameState);
        toonstatus();
        legsteen(MoveCount);
    }
    beginbeurt();
    if (modusnu() != Modus::MensMens)
        computerzet();
    else
        laatmenszetten(true);
}

void drukbord() {
    if (accepteerklik(HandShown)) zetmens();
}

void kiespunt(int32_t c, int32_t r) {
    if (toetshervatte()) return;
    legklik(c, r);
}

void staptoets() {
    if (!Form1 || !Form1->stapvoorstap()) return;
    if (houdtegen(staptoets)) return;
    vraagstap();
    if (modusnu() == Modus::ComputerComputer && gamerunning()) computerzet();
}

void volgstapvoorstap() {
    if (houdtegen(volgstapvoorstap)) return;
    if (Form1 && !Form1->stapvoorstap() && modusnu() == Modus::ComputerComputer && gamerunning())
        computerzet();
}

void herstartpartij() {
    if (Form1) Form1->Herstartklok->stop();
    startpartij(); // held back, not lost, when it fires inside an update
}

void beginwedstrijd() {
    GamesStarted = 0;
    beginscores();
    beginmodus();
    beginklokken();
    wisuitgesteld();
    begingeluid();
    beginmenszet();
}
