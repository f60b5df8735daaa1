#include "tick.h"

#include "board.h"
#include "clocks.h"
#include "holdback.h"
#include "mode.h"
#include "soundrules.h"
#include "statusline.h"

namespace {

// The limit is tested only outside a commit: a commit settles that side's
// time itself, and a game that ended inside the update would have its win
// counted by the commit a second time. A side over the limit loses at the
// next tick.
void tik(bool black) {
    const double clock = tikop(black);
    if (SoundOn) speelgeluid("Kloktik");
    toonklokstand(black);
    if (overdetijd(clock) && !bezig()) {
        GameState = black ? WhiteWon : BlackWon;
        telwinst(GameState);
        toonstatus();
    }
}

} // namespace

void tikklok() {
    if (Paused || Replaying) return;
    if (GameState == BlackToMove)
        tik(true);
    else if (GameState == WhiteToMove)
        tik(false);
}
