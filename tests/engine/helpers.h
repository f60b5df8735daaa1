// Fixture routines for the engine tests: a new game in the default codes and
// the commit of a move the way the game cycle does it.
#pragma once

#include <gtest/gtest.h>

#include "board.h"
#include "choice.h"
#include "events.h"
#include "partij.h"
#include "random.h"
#include "reset.h"
#include "style.h"
#include "update.h"

inline int Dispatches = 0;
inline void telbericht() {
    ++Dispatches;
}

inline void nieuwspel(bool blackOpens = true) {
    herstelbronnen();
    Berichtenpomp = telbericht;
    Dispatches = 0;
    beginengine();
    beginpartij(blackOpens ? BlackToMove : WhiteToMove);
}

inline void speel(int c, int r) {
    legzet(c, r);
}

// Records a stone of a given colour without regard to turns.
inline void leg(int c, int r, bool black) {
    ++MoveCount;
    MoveList[MoveCount] = {c, r, black ? EvalSet[1].BlackCode : EvalSet[1].WhiteCode};
    verwerkzet(MoveCount);
}

// The computer's choice for the side to move, played at once: the engine's
// part of a computer move, without the think delay.
inline bool kiesenspeel() {
    if (!kieszet()) return false;
    speel(TargetCol, TargetRow);
    return true;
}

inline int32_t som(const EvalRecord& s) {
    int32_t t = 0;
    for (int c = 1; c <= 19; ++c)
        for (int r = 1; r <= 19; ++r) t += s.Score[c][r];
    return t;
}
