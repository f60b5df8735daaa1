// The two game clocks: their values, the settlement of a side's time at its
// move, the pause, and the one-second clock's restart. The accumulated time
// of each side is exact (settled from the wall clock at each of its moves);
// the displayed clock advances by whole seconds on the ticks in between
// (tick.h). All are date-time values (datetime.h), written here only.
#pragma once

extern double BlackTime, WhiteTime;           // accumulated thinking time
extern double TurnStart;                      // when the current turn began
extern double BlackClock, WhiteClock;         // what the clock labels show
extern double TimeLimit;                      // 9 hours: 0.375 of a day
extern double SavedBlackTime, SavedWhiteTime; // copies taken when a pause begins

// A displayed clock loses when it is past the limit; exactly the limit
// does not lose.
bool overdetijd(double clock, double limit = TimeLimit);

// A pause is in progress: the displayed clocks stand and nothing sounds.
extern bool Paused;

// Switches the one-second clock off and on again, so that its next tick
// comes a full second from now.
void herstartklok();

// A new game: both sides' times and clocks at 0, and shown so; the first
// turn begins now.
void nieuweklokken();

// The turn of the side to move begins now.
void beginbeurt();

// Settles the time of the side that has just moved, black or white:
// accumulated := Now + accumulated - TurnStart, shown on its clock.
void verreken(bool black);

// One second more on the displayed clock of black or white; returns the
// clock's value. toonklokstand shows a displayed clock on its label.
double tikop(bool black);
void toonklokstand(bool black);

// The accumulated times, kept and put back (a replay does not change them).
struct Bedenktijden {
    double zwart, wit;
};
Bedenktijden bewaartijden();
void hersteltijden(const Bedenktijden& tijden);

// Pause (the Pause key, while a game or a replay runs; returns when the
// pause ends) and resume (Return, during a pause). eindpauze ends a pause
// without putting the times back (the window closes).
void pauzeer();
void hervat();
void eindpauze();

// Whether the key being handled ended a pause: Return resumes and is spent
// on it, so that the board, which receives the same key after the key
// table, places no stone with it. begintoets starts each key afresh.
bool toetshervatte();
void begintoets();

// Waits for the next window event and dispatches it; the pause loop runs on
// it. Tests install a driver of their own, and herstelberichtwacht puts the
// program's back.
extern void (*Berichtwacht)();
void herstelberichtwacht();

// First values: no time on either clock, nine hours each, no pause.
void beginklokken();
