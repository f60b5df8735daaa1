// The two game clocks on the window: the one-second tick, the settlement of
// a side's time at its move, and the pause.
#pragma once

// A pause is in progress: the displayed clocks stand and nothing sounds.
extern bool Paused;

// Switches the one-second clock off and on again, so that its next tick
// comes a full second from now.
void herstartklok();

// Settles the time of the side that has just moved, black or white:
// accumulated := Now + accumulated - TurnStart, shown on its clock.
void verreken(bool black);

// Pause (the Pause key, while a game or a replay runs; returns when the
// pause ends) and resume (Return, during a pause).
void pauzeer();
void hervat();

// Waits for the next window event and dispatches it; the pause loop runs on
// it. Tests install a driver of their own.
extern void (*Berichtwacht)();
