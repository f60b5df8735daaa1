#include "record.h"

#include <cstring>

#include "choice.h"
#include "reset.h"
#include "update.h"

void beginpartij(int32_t state) {
    nieuwepartij();
    MoveCount = 0;
    GameState = state;
    WinningFive = {};
    SideToMove = state == WhiteToMove ? EvalSet[1].WhiteCode : EvalSet[1].BlackCode;
}

void wisselbeurt() {
    SideToMove = tegenstander(SideToMove);
    if (GameState == BlackToMove)
        GameState = WhiteToMove;
    else if (GameState == WhiteToMove)
        GameState = BlackToMove;
}

void legzet(int32_t c, int32_t r) {
    if (MoveCount >= BoardLines * BoardLines) return;
    ++MoveCount;
    MoveList[MoveCount] = {c, r, SideToMove};
    verwerkzet(MoveCount);
    wisselbeurt();
}

bool speelcomputerzet() {
    if (!kieszet() || MoveCount >= BoardLines * BoardLines) return false;
    legzet(TargetCol, TargetRow);
    return true;
}

void neemterug(int32_t k) {
    if (k < 0) k = 0;
    if (k > MoveCount) k = MoveCount;
    MoveCount -= k;
    if (k % 2 != 0) SideToMove = tegenstander(SideToMove);
    GameState = aanzet();
    WinningFive = {};
    herbouwsets();
    if (EvalSet[1].LiveWindows == 0) GameState = Draw;
}

void bewaarpartij(Partijkopie& kopie) {
    std::memcpy(kopie.moves, MoveList, sizeof kopie.moves);
    std::memcpy(kopie.sets, EvalSet, sizeof kopie.sets);
    kopie.count = MoveCount;
    kopie.side = SideToMove;
    kopie.state = GameState;
    kopie.five = WinningFive;
}

void herstelpartij(const Partijkopie& kopie) {
    std::memcpy(MoveList, kopie.moves, sizeof kopie.moves);
    std::memcpy(EvalSet, kopie.sets, sizeof kopie.sets);
    MoveCount = kopie.count;
    SideToMove = kopie.side;
    GameState = kopie.state;
    WinningFive = kopie.five;
}
