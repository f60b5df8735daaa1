#include "takeback.h"

#include "board.h"
#include "cycle.h"
#include "holdback.h"
#include "humanmove.h"
#include "mode.h"
#include "record.h"
#include "statusline.h"

int32_t terugneemaantal(Modus mode, int32_t moveCount, int32_t stateAtEntry, bool lastMoveWhite) {
    switch (mode) {
    case Modus::MensMens:
        return moveCount > 0 ? 1 : 0;
    case Modus::ComputerMens:
        if (moveCount <= 1) return 0;
        if (stateAtEntry == WhiteWon) return 1;
        // A draw can end on either colour's stone (or on the computer finding
        // no move); the person, white, must be the one to move afterwards.
        if (stateAtEntry == Draw) return lastMoveWhite ? 1 : 2;
        return 2;
    case Modus::ComputerComputer:
        return 0;
    }
    return 0;
}

void neemzetterug() {
    if (houdtegen(neemzetterug)) return;
    if (MoveCount <= 0) return;
    laatmenszetten(false);
    const int32_t entry = GameState;
    const Modus mode = modusnu();
    int32_t k =
        terugneemaantal(mode, MoveCount, entry, MoveList[MoveCount].code == EvalSet[1].WhiteCode);
    // Between two computers a take-back removes nothing and only reopens
    // the game. A finished game, though, ends in its last stone: reopened
    // with that stone on the board, the set that never received it would
    // offer its point again and a second stone would land there. That
    // stone comes off.
    if (mode == Modus::ComputerComputer && entry >= BlackWon) k = 1;
    {
        Vastlegging v;
        neemterug(k); // the remaining moves into freshly reset sets
        tekenbord();
        // The win comes off the score.
        trekwinstaf(entry);
        toonstatus();
    }
    laatmenszetten(true);
}
