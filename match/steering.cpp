// Take-back, replay, step mode and the automatic restart.
#include "board.h"
#include "events.h"
#include "flags.h"
#include "form.h"
#include "klok.h"
#include "spel.h"
#include "status.h"
#include "uitstel.h"
#include "update.h"

Spelers spelersnu() {
    TForm1* f = Form1;
    if (f && f->MM->isChecked()) return Spelers::MensMens;
    if (f && f->CC->isChecked()) return Spelers::ComputerComputer;
    return Spelers::ComputerMens;
}

void TForm1::ZetterugClick() {
    if (houdtegen(Actie::Zetterug)) return;
    if (MoveCount <= 0) return;
    HumanMayMove = false;
    const int32_t entry = GameState;
    const ::Spelers mode = spelersnu();
    int32_t k =
        terugneemaantal(mode, MoveCount, entry, MoveList[MoveCount].code == EvalSet[1].WhiteCode);
    // Between two computers a take-back removes nothing and only reopens
    // the game. A finished game, though, ends in its last stone: reopened
    // with that stone on the board, the set that never received it would
    // offer its point again and a second stone would land there. That
    // stone comes off.
    if (mode == ::Spelers::ComputerComputer && entry >= BlackWon) k = 1;
    {
        Vastlegging v;
        MoveCount -= k;
        if (k == 1) SideToMove = EvalSet[1].BlackCode + EvalSet[1].WhiteCode - SideToMove;
        const int32_t running = SideToMove == EvalSet[1].BlackCode ? BlackToMove : WhiteToMove;
        GameState = running;
        herbouwsets(); // the remaining moves into freshly reset sets
        tekenbord();
        // The win comes off the score, unless a score reset has already
        // taken it: a count never goes below 0.
        if (entry == BlackWon && BlackWins > 0) --BlackWins;
        if (entry == WhiteWon && WhiteWins > 0) --WhiteWins;
        GameState = running;
        toonstatus();
    }
    HumanMayMove = true;
}

void TForm1::ToonPartijClick() {
    if (MoveCount <= 0) return;
    const double blackTime = BlackTime, whiteTime = WhiteTime;
    const bool mayMove = HumanMayMove;
    const int32_t game = GamesStarted;
    HumanMayMove = false;
    Replaying = true;
    tekenleegbord();
    const QString caption = Krant->text();
    Krant->setText("Partij wordt nagespeeld");
    const QCursor shape = cursor();
    const int32_t n = MoveCount;
    for (int32_t i = 1; i <= n; ++i) {
        if (Replaying) wacht(1000);
        if (Form1 != this) return; // the window is gone
        tekensteen(i);             // a move taken back meanwhile is skipped
    }
    setCursor(shape);
    Replaying = false;
    if (game == GamesStarted) {
        Krant->setText(caption);
        HumanMayMove = mayMove;
        BlackTime = blackTime;
        WhiteTime = whiteTime;
    } else {
        // A new game began during the replay: the copies belong to the old
        // one. The new game keeps its own times and turn, and is shown.
        tekenbord();
        toonstatus();
    }
}

void staptoets() {
    TForm1* f = Form1;
    if (!f || !f->StapVoorStap->isChecked()) return;
    if (houdtegen(Actie::Stap)) return;
    StepRequested = true;
    if (f->CC->isChecked() && gamerunning()) computerzet();
}

void TForm1::StapVoorStapClick() {
    if (houdtegen(Actie::StapVoorStap)) return;
    if (!StapVoorStap->isChecked() && CC->isChecked() && gamerunning()) computerzet();
}

void TForm1::HerstartklokTimer() {
    Herstartklok->stop();
    StartknopClick(); // held back, not lost, when it fires inside an update
}
