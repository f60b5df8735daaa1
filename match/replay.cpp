#include "replay.h"

#include <QCoreApplication>

#include "board.h"
#include "clocks.h"
#include "cycle.h"
#include "events.h"
#include "humanmove.h"
#include "mode.h"
#include "statusline.h"

void speelpartijna() {
    Hoofdvenster* f = Form1;
    if (MoveCount <= 0 || !f) return;
    const Bedenktijden times = bewaartijden();
    const bool mayMove = HumanMayMove;
    const int32_t game = GamesStarted;
    laatmenszetten(false);
    zetnaspelen(true);
    f->tekenleegbord();
    const QString caption = f->krant();
    f->toonkrant(QCoreApplication::translate("Status", "Partij wordt nagespeeld"));
    const bool hand = HandShown;
    const int32_t n = MoveCount;
    for (int32_t i = 1; i <= n; ++i) {
        if (Replaying) wacht(1000);
        if (Form1 != f) return; // the window is gone
        legsteen(i);            // a move taken back meanwhile is skipped
    }
    toonhand(hand);
    zetnaspelen(false);
    if (game == GamesStarted) {
        f->toonkrant(caption);
        laatmenszetten(mayMove);
        hersteltijden(times);
    } else {
        // A new game began during the replay: the copies belong to the old
        // one. The new game keeps its own times and turn, and is shown.
        tekenbord();
        toonstatus();
    }
}
