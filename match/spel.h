// Match control: the game cycle and the state it shares between the
// handlers of the window. The handlers themselves are methods of TForm1
// (view/form.h); this header holds the module-level data and routines that
// they and the tests reach.
#pragma once

#include <cstdint>

#include "status.h"

// Games started in this run; after its increment its parity says who opens
// (odd: black). It also names the game: a computer move that finds it
// changed after its think delay knows that its game was replaced.
extern int32_t GamesStarted;

// Games won by black and by white in this run.
extern int32_t BlackWins, WhiteWins;

// The mode selected by the last completed mode handler. Only the switch to
// "Computer 1 tegen Mens" reads them, to know which mode it comes from; every
// other decision reads the radio buttons at that moment.
extern bool ModeHumanHuman, ModeComputerHuman, ModeComputerComputer;

// A computer move for the side to move: think delay, choice, commit,
// hand-over; in "Computer 1 tegen Computer 2" it goes on with the next move
// until the game ends or step mode stops it. Does nothing outside a running
// game. A move whose game ends or is replaced while it waits gives up; when
// only the turn changed, it plays for the side then to move.
void computerzet();

// Refreshes the status line and the scores; sounds the gong when the game
// is over.
void toonstatus();

// Switches the one-second clock off and on again, so that its next tick
// comes a full second from now.
void herstartklok();

// Settles the time of the side that has just moved, black or white:
// accumulated := Now + accumulated - TurnStart, shown on its clock.
void verreken(bool black);

// The step key (space bar): in step mode, releases the next computer move.
void staptoets();

// A style button: computer `set` (1 or 2) plays `style` (1..5) from now on.
void kiesstijl(int set, int style);

// The player mode as the radio buttons show it now.
Spelers spelersnu();

// Pause (the Pause key, while a game or a replay runs; returns when the
// pause ends) and resume (Return, during a pause).
void pauzeer();
void hervat();

// Waits for the next window event and dispatches it; the pause loop runs on
// it. Tests install a driver of their own.
extern void (*Berichtwacht)();
