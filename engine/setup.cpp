#include "setup.h"

#include <cstring>

#include "board.h"
#include "choice.h"
#include "reset.h"
#include "rules.h"
#include "style.h"
#include "update.h"

bool richtspelin(int32_t n, int32_t regel) {
    if (n < MinBoardSize || n > MaxBoardSize) return false;
    if (regel != Freestyle && regel != ExactFive && regel != Renju) return false;
    const bool anderbord = n != BoardLines;
    BoardLines = n;
    Spelregel = regel;
    bouwleegbord();
    bouwlijntabel();
    kieskeuze();
    if (anderbord) {
        nieuwepartij();
        MoveCount = 0;
        GameState = NoGame;
        WinningFive = {};
    }
    return true;
}

bool zetbordgrootte(int32_t n) {
    return richtspelin(n, Spelregel);
}

bool zetspelregel(int32_t regel) {
    return richtspelin(BoardLines, regel);
}

// Defined here, with the setup, above every table it has built.
void beginengine() {
    richtspelin(GameBoardSize, Freestyle);
    std::memset(MoveList, 0, sizeof MoveList);
    std::memset(EvalSet, 0, sizeof EvalSet);
    MoveCount = 0;
    SideToMove = 0;
    GameState = NoGame;
    WinningFive = {};
    TargetCol = 0;
    TargetRow = 0;
    StepRequested = false;
    beginupdate();
    for (int set = 1; set <= 2; ++set)
        zetcodes(set, StyleTable[set][Normaal].black, StyleTable[set][Normaal].white);
}
