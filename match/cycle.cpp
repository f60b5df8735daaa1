#include "cycle.h"

#include "board.h"
#include "choice.h"
#include "clocks.h"
#include "datetime.h"
#include "form.h"
#include "holdback.h"
#include "humanmove.h"
#include "playback.h"
#include "record.h"
#include "replay.h"
#include "soundrules.h"
#include "statusline.h"

int32_t GamesStarted;
int32_t BlackWins, WhiteWins;
bool ModeHumanHuman, ModeComputerHuman, ModeComputerComputer;

Modus modusnu() {
    TForm1* f = Form1;
    if (f && f->MM->isChecked()) return Modus::MensMens;
    if (f && f->CC->isChecked()) return Modus::ComputerComputer;
    return Modus::ComputerMens;
}

bool snelspel() {
    const TForm1* f = Form1;
    return f && (modusnu() == Modus::ComputerComputer || Replaying) && f->Snel->isChecked() &&
           !f->StapVoorStap->isChecked();
}

void legsteen(int32_t n) {
    if (n < 1 || n > MoveCount) return;
    steengeluid(n);
    if (Form1) Form1->tekensteen(n);
}

// The view draws without a sound; the sounds wanted follow the check box
// again after every full redraw.
void TForm1::tekenbord() {
    tekenalles();
    SoundOn = Geluidcheck->isChecked();
}

namespace {

void telwinst() {
    if (GameState == BlackWon)
        ++BlackWins;
    else if (GameState == WhiteWon)
        ++WhiteWins;
}

// One computer move, its steps from the entry test to the arming of the
// restart. Returns whether the chain goes on with the next move. The chain
// is a loop rather than a nesting of calls: a whole game would otherwise
// stack 361 levels of event dispatching.
bool eenzet() {
    TForm1* f = Form1;
    if (!f || !gamerunning()) return false;
    const int32_t game = GamesStarted;
    TurnStart = nu(); // the think delay counts towards the computer's time
    ++ComputerWaiting;
    denkna(f->Snel->isChecked() ? 50 : 800);
    --ComputerWaiting;
    // Anything may have happened during the wait. A game that has ended or
    // been replaced gets no stone; a game whose turn has passed gets one
    // for the side now to move.
    f = Form1;
    if (!f || game != GamesStarted || !gamerunning()) return false;
    {
        Vastlegging v;
        if (speelcomputerzet()) { // choose, record, update, pass the turn
            const int32_t mover = MoveList[MoveCount].code;
            telwinst();
            // The computer's time includes the update. Only a code of the
            // two is settled (the person's commit takes any other code for
            // white).
            if (mover == EvalSet[1].BlackCode || mover == EvalSet[1].WhiteCode)
                verreken(mover == EvalSet[1].BlackCode);
            legsteen(MoveCount);
        }
        herstartklok(); // also when the choice declared a draw
        TurnStart = nu();
        toonstatus();
    }
    bool verder = false;
    const Modus mode = modusnu();
    if (GameState < Draw) {
        if (mode != Modus::ComputerComputer)
            HumanMayMove = true;
        else
            verder = !f->StapVoorStap->isChecked();
    }
    // Enabling a running timer would restart its countdown; it is left as
    // it is.
    if (mode == Modus::ComputerComputer && GameState >= BlackWon && !f->StapVoorStap->isChecked() &&
        !f->Herstartklok->isActive())
        f->Herstartklok->start();
    return verder;
}

} // namespace

void computerzet() {
    while (eenzet()) {}
}

void TForm1::StartknopClick() {
    if (houdtegen(Actie::Start)) return;
    Startknop->setText("Nieuwe partij");
    startgong();
    BlackTime = WhiteTime = BlackClock = WhiteClock = 0;
    TurnStart = nu();
    Tijd1->setText(QString::fromStdString(kloktekst(BlackTime)));
    Tijd2->setText(QString::fromStdString(kloktekst(WhiteTime)));
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
        HumanMayMove = false;
        computerzet();
    } else {
        HumanMayMove = true;
    }
}

void TForm1::zetmens() {
    if (houdtegen(Actie::Klik, TargetCol, TargetRow)) return;
    if (!gamerunning() || MoveCount >= MaxMoves) return;
    HumanMayMove = false;
    herstartklok();
    // The person's time is settled before the move is recorded: the update
    // does not count towards it.
    verreken(SideToMove == EvalSet[1].BlackCode);
    toonhand(false);
    {
        Vastlegging v;
        legzet(TargetCol, TargetRow); // record, update, pass the turn
        telwinst();
        toonstatus();
        legsteen(MoveCount);
    }
    TurnStart = nu();
    if (modusnu() != Modus::MensMens)
        computerzet();
    else
        HumanMayMove = true;
}

void staptoets() {
    TForm1* f = Form1;
    if (!f || !f->StapVoorStap->isChecked()) return;
    if (houdtegen(Actie::Stap)) return;
    StepRequested = true;
    if (modusnu() == Modus::ComputerComputer && gamerunning()) computerzet();
}

void TForm1::StapVoorStapClick() {
    if (houdtegen(Actie::StapVoorStap)) return;
    if (!StapVoorStap->isChecked() && modusnu() == Modus::ComputerComputer && gamerunning())
        computerzet();
}

void TForm1::HerstartklokTimer() {
    Herstartklok->stop();
    StartknopClick(); // held back, not lost, when it fires inside an update
}

void beginwedstrijd() {
    GamesStarted = 0;
    BlackWins = WhiteWins = 0;
    ModeHumanHuman = false;
    ModeComputerHuman = true;
    ModeComputerComputer = false;
    BlackTime = WhiteTime = BlackClock = WhiteClock = TurnStart = 0;
    SavedBlackTime = SavedWhiteTime = 0;
    TimeLimit = 0.375; // nine hours
    Paused = false;
    Replaying = false;
    wisuitgesteld();
    SoundOn = true;
    HumanMayMove = false;
    ComputerWaiting = 0;
    HandShown = false;
}
