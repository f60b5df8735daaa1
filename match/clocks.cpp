#include "clocks.h"

#include <QCoreApplication>

#include "board.h"
#include "datetime.h"
#include "mode.h"
#include "window.h"

double BlackTime, WhiteTime;
double TurnStart;
double BlackClock, WhiteClock;
double TimeLimit;
double SavedBlackTime, SavedWhiteTime;
bool Paused;

namespace {

bool Hervattoets; // the key being handled ended a pause

} // namespace

bool overdetijd(double clock, double limit) {
    return clock > limit;
}

namespace {

void wachtopbericht() {
    QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
}

void toon(bool black, double value) {
    if (Form1) Form1->toonklok(black, QString::fromStdString(kloktekst(value)));
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

void nieuweklokken() {
    BlackTime = WhiteTime = BlackClock = WhiteClock = 0;
    TurnStart = nu();
    toon(true, BlackTime);
    toon(false, WhiteTime);
}

void beginbeurt() {
    TurnStart = nu();
}

void verreken(bool black) {
    double& time = black ? BlackTime : WhiteTime;
    time = verrekentijd(time, nu(), TurnStart);
    (black ? BlackClock : WhiteClock) = time;
    toon(black, time);
}

double tikop(bool black) {
    double& clock = black ? BlackClock : WhiteClock;
    clock += OneSecond;
    return clock;
}

void toonklokstand(bool black) {
    toon(black, black ? BlackClock : WhiteClock);
}

Bedenktijden bewaartijden() {
    return {BlackTime, WhiteTime};
}

void hersteltijden(const Bedenktijden& tijden) {
    BlackTime = tijden.zwart;
    WhiteTime = tijden.wit;
}

// The Pause key: the displayed clocks stand and nothing sounds until
// Return. Input is not blocked; moves made meanwhile have their time
// changes undone by the resume.
void pauzeer() {
    if (!gamerunning() && !Replaying) return;
    Paused = true;
    if (Form1) Form1->toonkrant(QCoreApplication::translate("Status", "Pauze, druk op Return"));
    SavedBlackTime = BlackTime;
    SavedWhiteTime = WhiteTime;
    while (Paused) Berichtwacht();
}

void hervat() {
    if (!Paused) return;
    BlackTime = SavedBlackTime;
    WhiteTime = SavedWhiteTime;
    Paused = false;
    Hervattoets = true;
}

bool toetshervatte() {
    return Hervattoets;
}

void begintoets() {
    Hervattoets = false;
}

void eindpauze() {
    Paused = false;
}

void beginklokken() {
    BlackTime = WhiteTime = BlackClock = WhiteClock = TurnStart = 0;
    SavedBlackTime = SavedWhiteTime = 0;
    TimeLimit = 0.375; // nine hours
    Paused = false;
    Hervattoets = false;
}
