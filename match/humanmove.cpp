#include "humanmove.h"

#include "board.h"
#include "pointer.h"
#include "window.h"

bool HumanMayMove;
int32_t ComputerWaiting;
bool HandShown;

void laatmenszetten(bool may) {
    HumanMayMove = may;
}

void begincomputerwacht() {
    ++ComputerWaiting;
}

void eindcomputerwacht() {
    --ComputerWaiting;
}

void toonhand(bool hand) {
    HandShown = hand;
    if (Form1) Form1->toonwijzer(hand);
}

bool beoordeelpunt(int32_t x, int32_t y) {
    const bool hit = raakpunt(x, y);
    return gamerunning() && hit && EvalSet[1].Occupancy[TargetCol][TargetRow] == 0 &&
           HumanMayMove && ComputerWaiting == 0;
}

void volgmuis(int32_t x, int32_t y) {
    toonhand(beoordeelpunt(x, y));
}

bool accepteerklik(bool handShown) {
    // The hand can outlast the game when it ends on time without a pointer
    // move, so the game must still be running.
    return HumanMayMove && ComputerWaiting == 0 && handShown && gamerunning() &&
           onboard(TargetCol, TargetRow) && EvalSet[1].Occupancy[TargetCol][TargetRow] == 0;
}

void beginmenszet() {
    HumanMayMove = false;
    ComputerWaiting = 0;
    HandShown = false;
}
