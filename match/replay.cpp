#include "replay.h"

#include "board.h"
#include "cycle.h"
#include "datetime.h"
#include "events.h"
#include "form.h"
#include "pointer.h"
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
    const QCursor shape = cursor();
    const int32_t n = MoveCount;
    for (int32_t i = 1; i <= n; ++i) {
        if (Replaying) wacht(1000);
        if (Form1 != this) return; // the window is gone
        tekensteen(i);             // a move taken back meanwhile is skipped
    }
    setCursor(shape);
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
