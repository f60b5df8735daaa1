// Fixture routines for the engine tests: a new game in the default codes, on
// the game's board unless another size is asked for, and the commit of a
// move the way the game cycle does it.
#pragma once

#include <gtest/gtest.h>

#include "board.h"
#include "choice.h"
#include "events.h"
#include "random.h"
#include "record.h"
#include "reset.h"
#include "setup.h"
#include "style.h"
#include "update.h"

constexpr int WindowCount = 1020; // windows of the game's board
inline int Dispatches = 0;
inline void telbericht() {
    ++Dispatches;
}

inline void nieuwspel(bool blackOpens = true, int32_t size = GameBoardSize) {
    herstelbronnen();
    Berichtenpomp = telbericht;
    Dispatches = 0;
    beginengine();
    ASSERT_TRUE(zetbordgrootte(size));
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

// The sum of the whole score grid, the entries beyond the board included.
inline int32_t som(const EvalRecord& s) {
    int32_t t = 0;
    for (const auto& column : s.Score)
        for (int32_t v : column) t += v;
    return t;
}
