// The game cycle: starting a game, the person's move, the computer's move
// with its hand-over and the chain of computer-against-computer play, step
// mode and the automatic restart; the full redraw; and the first values of
// all of match control.
#pragma once

#include <cstdint>

// Games started in this run; after its increment its parity says who opens
// (odd: black). It also names the game: a computer move that finds it
// changed after its think delay knows that its game was replaced.
extern int32_t GamesStarted;

// Draws the stone of move n with its sound, as a commit and a replay place
// a stone.
void legsteen(int32_t n);

// The full redraw: the view draws without a sound, and the sounds wanted
// follow "Geluid" again afterwards.
void tekenbord();

// "Start partij" (also the automatic restart): a new game, opened by black
// and white in turn; the computer opens where it plays the opening colour.
void startpartij();

// A computer move for the side to move: think delay, choice, commit,
// hand-over; in "Computer 1 tegen Computer 2" it goes on with the next move
// until the game ends or step mode stops it. Does nothing outside a running
// game. A move whose game ends or is replaced while it waits gives up; when
// only the turn changed, it plays for the side then to move.
void computerzet();

// A press on the board: accepted by the hover test's verdict, it commits
// the person's move at TargetCol, TargetRow (zetmens). A commit that an
// update holds back comes again with its point, and whether the point may
// be played is decided then.
void drukbord();
void zetmens();

// Return on the board with its cursor on (c, r): the person's move there,
// as a press on that point would make it, under the same rules (a person
// to move, a free point in a running game, no computer move waiting). The
// Return that ends a pause is spent on the pause.
void kiespunt(int32_t c, int32_t r);

// The step key (space bar): in step mode, releases the next computer move.
void staptoets();

// "Stap voor Stap" changed: unticked in a running game between the
// computers, the chain goes on at once.
void volgstapvoorstap();

// The automatic restart, five seconds after a game between the computers.
void herstartpartij();

// First values of match control's data, as at program start: no game
// started, no wins, the mode "Computer 1 tegen Mens", nine hours on each
// clock, no pause, no replay, nothing held back, sounds wanted, no press
// taken, no computer move waiting, the arrow shown.
void beginwedstrijd();
