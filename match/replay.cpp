#include "replay.h"

#include "board.h"
#include "clocks.h"
#include "cycle.h"
#include "datetime.h"
#include "events.h"
#include "form.h"
#include "humanmove.h"
#include "statusline.h"

bool Replaying;

void TForm1::ToonPartijClick() {
    if (MoveCount <= 0) return;
    const double blackTime = BlackTime, whiteTime = WhiteTime;
    const bool mayMove = HumanMayMove;
    const int32_t game = GamesStarted;
    HumanMayMove = false;
    Replaying = true;
    tekenleegbord();
    const QString caption = Krant->text();
    Krant->setText("Partij wordt nagespeeld");
    const bool hand = HandShown;
    const int32_t n = MoveCount;
    for (int32_t i = 1; i <= n; ++i) {
        if (Replaying) wacht(1000);
        if (Form1 != this) return; // the window is gone
        legsteen(i);               // a move taken back meanwhile is skipped
    }
    toonhand(hand);
    Replaying = false;
    if (game == GamesStarted) {
        Krant->setText(caption);
        HumanMayMove = mayMove;
        BlackTime = blackTime;
        WhiteTime = whiteTime;
    } else {
        // A new game began during the replay: the copies belong to the old
        // one. The new game keeps its own times and turn, and is shown.
        tekenbord();
        toonstatus();
    }
}
