// The one-second clock's tick: one second more on the displayed clock of
// the side to move, with its sound; a side whose clock passes the limit
// loses on time.
#pragma once

// The tick ("Klok"): nothing during a pause or a replay, or outside a
// running game.
void tikklok();
