#include "statusline.h"

#include "board.h"
#include "clocks.h"
#include "humanmove.h"
#include "soundrules.h"
#include "window.h"

int32_t BlackWins, WhiteWins;

std::string statustekst(int32_t state, int32_t moveCount, double blackClock, double whiteClock,
                        double timeLimit) {
    const std::string n = std::to_string(moveCount);
    const std::string next = std::to_string(moveCount + 1);
    switch (state) {
    case NoGame:
        return "Druk op \"Start Partij\"";
    case BlackToMove:
        return "Zet " + next + ".  Zwart is aan zet";
    case WhiteToMove:
        return "Zet " + next + ".   Wit is aan zet   ";
    case BlackWon:
        return overdetijd(whiteClock, timeLimit) ? "Wit verliest op de klok"
                                                 : "Zwart wint in " + n + " zetten.";
    case WhiteWon:
        return overdetijd(blackClock, timeLimit) ? "Zwart verliest op de klok"
                                                 : "Wit wint in " + n + " zetten.";
    case Draw:
        return "Het is remise na " + n + " zetten.";
    default:
        return std::string();
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
    const std::string text = statustekst(GameState, MoveCount, BlackClock, WhiteClock, TimeLimit);
    if (!text.empty()) f->toonkrant(QString::fromStdString(text));
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
