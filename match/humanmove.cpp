#include "humanmove.h"

#include "board.h"
#include "form.h"
#include "pointer.h"

bool HumanMayMove;
int32_t ComputerWaiting;
bool HandShown;

void toonhand(bool hand) {
    HandShown = hand;
    if (Form1) Form1->toonwijzer(hand);
}

bool beoordeelpunt(int32_t x, int32_t y) {
    const bool hit = raakpunt(x, y);
    return gamerunning() && hit && EvalSet[1].Occupancy[TargetCol][TargetRow] == 0 &&
           HumanMayMove && ComputerWaiting == 0;
}

bool accepteerklik(bool handShown) {
    // The hand can outlast the game when it ends on time without a pointer
    // move, so the game must still be running.
    return HumanMayMove && ComputerWaiting == 0 && handShown && gamerunning() &&
           onboard(TargetCol, TargetRow) && EvalSet[1].Occupancy[TargetCol][TargetRow] == 0;
}

void TForm1::BordMouseMove(int x, int y) {
    toonhand(beoordeelpunt(x, y));
}

// A press on the board: accepted by the hover test's verdict, it commits
// the person's move.
void TForm1::BordMouseDown() {
    if (accepteerklik(HandShown)) zetmens();
}

bool TForm1::handShown() const {
    return HandShown;
}
