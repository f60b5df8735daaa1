// The replay of a game, one stone a second.
#pragma once

// "Speel partij na": the board drawn empty, then the game's stones one a
// second (without pause once Esc has ended the pacing); the game, the
// status line, the pointer, the turn and the times stay as they were.
void speelpartijna();
