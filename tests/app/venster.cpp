#include "venster.h"

#include "reference.h"
#include "scheidsrechter.h"

namespace venster {

QString toestandsfout() {
    if (MoveCount < 0 || MoveCount > MaxMoves) return QString("MoveCount %1").arg(MoveCount);
    if (GameState < NoGame || GameState > Draw) return QString("GameState %1").arg(GameState);
    int32_t board[GameBoardSize + 1][GameBoardSize + 1] = {};
    const int32_t b1 = EvalSet[1].BlackCode, w1 = EvalSet[1].WhiteCode;
    for (int32_t n = 1; n <= MoveCount; ++n) {
        const MoveRecord& m = MoveList[n];
        if (!onboard(m.column, m.row)) return QString("move %1 off the board").arg(n);
        if (board[m.column][m.row] != 0) return QString("move %1 on an occupied point").arg(n);
        if (m.code != b1 && m.code != w1) return QString("move %1 has code %2").arg(n).arg(m.code);
        board[m.column][m.row] = m.code;
    }
    // Inside an update the record is a move ahead of the state and the sets.
    if (UpdateDepth > 0) return QString();
    // GameState agrees with the board: a five ends the game with the win of
    // its colour, a running game has the side to move that its state names,
    // and before the first game nothing is recorded. The referee of the
    // adapter's matches judges the fives.
    scheids::Bord bord;
    for (int c = 1; c <= GameBoardSize; ++c)
        for (int r = 1; r <= GameBoardSize; ++r)
            if (board[c][r] != 0)
                bord.v[c - 1][r - 1] = board[c][r] == b1 ? scheids::Zwart : scheids::Wit;
    for (int c = 1; c <= GameBoardSize; ++c)
        for (int r = 1; r <= GameBoardSize; ++r) {
            const int32_t won = board[c][r] == b1 ? BlackWon : WhiteWon;
            if (board[c][r] != 0 && scheids::wint(bord, c - 1, r - 1, scheids::Vijfofmeer) &&
                GameState != won)
                return QString("five at %1,%2 but GameState %3").arg(c).arg(r).arg(GameState);
        }
    if (GameState == BlackToMove && SideToMove != b1) return "black to move, SideToMove white";
    if (GameState == WhiteToMove && SideToMove != w1) return "white to move, SideToMove black";
    if (GameState == NoGame && MoveCount != 0) return "moves before the first game";
    const bool ended = GameState >= BlackWon;
    for (int c = 1; c <= GameBoardSize; ++c)
        for (int r = 1; r <= GameBoardSize; ++r) {
            const int32_t k = board[c][r];
            if (EvalSet[1].Occupancy[c][r] != k)
                return QString("set 1 at %1,%2 holds %3, the record %4")
                    .arg(c)
                    .arg(r)
                    .arg(EvalSet[1].Occupancy[c][r])
                    .arg(k);
            const int32_t k2 = k == 0 ? 0 : (k == b1 ? EvalSet[2].BlackCode : EvalSet[2].WhiteCode);
            const bool last =
                MoveCount > 0 && MoveList[MoveCount].column == c && MoveList[MoveCount].row == r;
            if (EvalSet[2].Occupancy[c][r] != k2 &&
                !(ended && last && EvalSet[2].Occupancy[c][r] == 0))
                return QString("set 2 at %1,%2 holds %3, the record %4")
                    .arg(c)
                    .arg(r)
                    .arg(EvalSet[2].Occupancy[c][r])
                    .arg(k2);
        }
    if (gamerunning())
        for (int i = 1; i <= 2; ++i) {
            ref::Set s; // the set's stones evaluated from scratch
            ref::empty(s, EvalSet[i].BlackCode, EvalSet[i].WhiteCode);
            std::memcpy(s.occ, EvalSet[i].Occupancy, sizeof s.occ);
            ref::fromscratch(s);
            for (int c = 1; c <= GameBoardSize; ++c)
                for (int r = 1; r <= GameBoardSize; ++r)
                    if (EvalSet[i].Score[c][r] != s.score[c][r])
                        return QString("set %1 score at %2,%3 is %4, from scratch %5")
                            .arg(i)
                            .arg(c)
                            .arg(r)
                            .arg(EvalSet[i].Score[c][r])
                            .arg(s.score[c][r]);
        }
    if (BlackWins < 0 || WhiteWins < 0) return QString("negative score");
    return QString();
}

} // namespace venster
