#include "board.h"

int32_t BoardLines;
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
