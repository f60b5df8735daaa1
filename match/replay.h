// The replay of a game, one stone a second.
#pragma once

// A replay is running and still paced; Esc or closing the window ends the
// pacing and the rest of the game is drawn at once.
extern bool Replaying;
