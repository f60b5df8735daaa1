#include "clocks.h"

#include <QCoreApplication>

#include "board.h"
#include "cycle.h"
#include "datetime.h"
#include "form.h"
#include "holdback.h"
#include "replay.h"
#include "soundrules.h"
#include "statusline.h"

double BlackTime, WhiteTime;
double TurnStart;
double BlackClock, WhiteClock;
double TimeLimit;
double SavedBlackTime, SavedWhiteTime;
bool Paused;

bool overdetijd(double clock, double limit) {
    return clock > limit;
}

namespace {

void wachtopbericht() {
    QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
}

void toon(QLabel* label, double value) {
    label->setText(QString::fromStdString(kloktekst(value)));
}

// One second more on the displayed clock of the side to move. The limit is
// tested only outside a commit: a commit settles that side's time itself,
// and a game that ended inside the update would have its win counted by the
// commit a second time. A side over the limit loses at the next tick.
void tik(double& clock, QLabel* label, int32_t loss, int32_t& winnerWins) {
    clock += OneSecond;
    if (SoundOn) speelgeluid("Kloktik");
    toon(label, clock);
    if (overdetijd(clock) && !bezig()) {
        GameState = loss;
        ++winnerWins;
        toonstatus();
    }
}

} // namespace

void (*Berichtwacht)() = wachtopbericht;

void herstelberichtwacht() {
    Berichtwacht = wachtopbericht;
}

void herstartklok() {
    if (!Form1) return;
    Form1->Klok->stop();
    Form1->Klok->start();
}

void verreken(bool black) {
    double& time = black ? BlackTime : WhiteTime;
    time = verrekentijd(time, nu(), TurnStart);
    (black ? BlackClock : WhiteClock) = time;
    if (Form1) toon(black ? Form1->Tijd1 : Form1->Tijd2, time);
}

void TForm1::KlokTimer() {
    if (Paused || Replaying) return;
    if (GameState == BlackToMove)
        tik(BlackClock, Tijd1, WhiteWon, WhiteWins);
    else if (GameState == WhiteToMove)
        tik(WhiteClock, Tijd2, BlackWon, BlackWins);
}

// The Pause key: the displayed clocks stand and nothing sounds until
// Return. Input is not blocked; moves made meanwhile have their time
// changes undone by the resume.
void pauzeer() {
    if (!gamerunning() && !Replaying) return;
    Paused = true;
    if (Form1) Form1->Krant->setText("Pauze, druk op Return");
    SavedBlackTime = BlackTime;
    SavedWhiteTime = WhiteTime;
    while (Paused) Berichtwacht();
}

void hervat() {
    if (!Paused) return;
    BlackTime = SavedBlackTime;
    WhiteTime = SavedWhiteTime;
    Paused = false;
}
