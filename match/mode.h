// The play going on: the player mode, a replay, and fast computer play. The
// lowest file of match control: every decision reads the mode through it,
// and the sounds and the clocks read the replay from it.
#pragma once

#include "window.h"

// The player mode as the radio buttons show it now: every decision reads
// the mode at the moment it is taken, through this. Without a window,
// "Computer 1 tegen Mens", the mode the program starts in.
Modus modusnu();

// The mode selected by the last completed mode handler. Only the switch to
// "Computer 1 tegen Mens" reads them, to know which mode it comes from;
// onthoudmodus sets them at the end of each mode handler.
extern bool ModeHumanHuman, ModeComputerHuman, ModeComputerComputer;
void onthoudmodus(Modus mode);

// A replay is running and still paced; Esc or closing the window ends the
// pacing and the rest of the game is drawn at once.
extern bool Replaying;
void zetnaspelen(bool paced);

// Computers playing fast and silent: computer against computer, or a
// replay, with "Snelle computer" ticked and "Stap voor Stap" not.
bool snelspel();

// First values: the mode "Computer 1 tegen Mens", no replay.
void beginmodus();
