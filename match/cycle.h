// The game cycle: starting a game, the person's move, the computer's move
// with its hand-over and the chain of computer-against-computer play, step
// mode and the automatic restart; and the counts they share with the other
// handlers of the window.
#pragma once

#include <cstdint>

// Games started in this run; after its increment its parity says who opens
// (odd: black). It also names the game: a computer move that finds it
// changed after its think delay knows that its game was replaced.
extern int32_t GamesStarted;

// Games won by black and by white in this run.
extern int32_t BlackWins, WhiteWins;

// The player mode, as the radio buttons of the panel "Spelers" show it.
enum class Modus { MensMens, ComputerMens, ComputerComputer };

// The player mode as the radio buttons show it now: every decision reads
// the mode at the moment it is taken, through this.
Modus modusnu();

// The mode selected by the last completed mode handler. Only the switch to
// "Computer 1 tegen Mens" reads them, to know which mode it comes from.
extern bool ModeHumanHuman, ModeComputerHuman, ModeComputerComputer;

// Computers playing fast and silent: computer against computer, or a
// replay, with "Snelle computer" ticked and "Stap voor Stap" not.
bool snelspel();

// Draws the stone of move n with its sound, as a commit and a replay place
// a stone.
void legsteen(int32_t n);

// A computer move for the side to move: think delay, choice, commit,
// hand-over; in "Computer 1 tegen Computer 2" it goes on with the next move
// until the game ends or step mode stops it. Does nothing outside a running
// game. A move whose game ends or is replaced while it waits gives up; when
// only the turn changed, it plays for the side then to move.
void computerzet();

// The step key (space bar): in step mode, releases the next computer move.
void staptoets();

// First values of match control's data, as at program start: no game
// started, no wins, the mode "Computer 1 tegen Mens", nine hours on each
// clock, no pause, no replay, nothing held back, sounds wanted, no press
// taken, no computer move waiting, the arrow shown.
void beginwedstrijd();
