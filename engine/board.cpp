#include "board.h"

#include <cstring>

#include "reset.h"
#include "rules.h"
#include "style.h"
#include "update.h"

int32_t BoardLines = GameBoardSize;
MoveRecord MoveList[MaxBoardPoints + 1];
int32_t MoveCount;
int32_t SideToMove;
int32_t GameState;
EvalRecord EvalSet[3];
Vijfvenster WinningFive;
int32_t TargetCol;
int32_t TargetRow;
bool StepRequested;

void zetcodes(int set, int32_t black, int32_t white) {
    EvalRecord& s = EvalSet[set];
    s.BlackCode = black;
    s.WhiteCode = white;
    s.BlackFive = black * black * black * black * black;
    s.WhiteFive = white * white * white * white * white;
}

void beginengine() {
    if (BoardLines != GameBoardSize) zetbordgrootte(GameBoardSize);
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
    zetspelregel(Freestyle);
    for (int set = 1; set <= 2; ++set)
        zetcodes(set, StyleTable[set][Normaal].black, StyleTable[set][Normaal].white);
}
