#include "statusline.h"

#include <QCoreApplication>

#include "board.h"
#include "clocks.h"
#include "humanmove.h"
#include "soundrules.h"
#include "window.h"

int32_t BlackWins, WhiteWins;

QString statustekst(int32_t state, int32_t moveCount, double blackClock, double whiteClock,
                    double timeLimit) {
    switch (state) {
    case NoGame:
        return QCoreApplication::translate("Status", "Druk op \"Start Partij\"");
    case BlackToMove:
        return QCoreApplication::translate("Status", "Zet %1.  Zwart is aan zet")
            .arg(moveCount + 1);
    case WhiteToMove:
        return QCoreApplication::translate("Status", "Zet %1.   Wit is aan zet   ")
            .arg(moveCount + 1);
    case BlackWon:
        return overdetijd(whiteClock, timeLimit)
                   ? QCoreApplication::translate("Status", "Wit verliest op de klok")
                   : QCoreApplication::translate("Status", "Zwart wint in %1 zetten.")
                         .arg(moveCount);
    case WhiteWon:
        return overdetijd(blackClock, timeLimit)
                   ? QCoreApplication::translate("Status", "Zwart verliest op de klok")
                   : QCoreApplication::translate("Status", "Wit wint in %1 zetten.").arg(moveCount);
    case Draw:
        return QCoreApplication::translate("Status", "Het is remise na %1 zetten.").arg(moveCount);
    default:
        return QString();
    }
}

void telwinst(int32_t state) {
    if (state == BlackWon)
        ++BlackWins;
    else if (state == WhiteWon)
        ++WhiteWins;
}

void trekwinstaf(int32_t state) {
    if (state == BlackWon && BlackWins > 0) --BlackWins;
    if (state == WhiteWon && WhiteWins > 0) --WhiteWins;
}

void wisscores() {
    BlackWins = 0;
    WhiteWins = 0;
    toonstatus();
}

void toonstatus() {
    Hoofdvenster* f = Form1;
    if (!f) return;
    const QString text = statustekst(GameState, MoveCount, BlackClock, WhiteClock, TimeLimit);
    if (!text.isEmpty()) f->toonkrant(text);
    f->schilderkrant();
    f->toonscore(BlackWins, WhiteWins);
    if (GameState >= BlackWon) {
        // However the game ended, no point can be played any more.
        toonhand(false);
        if (SoundOn) speelgeluid("gong");
    }
}

void beginscores() {
    BlackWins = WhiteWins = 0;
}
