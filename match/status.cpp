#include "status.h"

#include "board.h"

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
        return whiteClock > timeLimit ? "Wit verliest op de klok"
                                      : "Zwart wint in " + n + " zetten.";
    case WhiteWon:
        return blackClock > timeLimit ? "Zwart verliest op de klok"
                                      : "Wit wint in " + n + " zetten.";
    case Draw:
        return "Het is remise na " + n + " zetten.";
    default:
        return std::string();
    }
}

int32_t terugneemaantal(Spelers mode, int32_t moveCount, int32_t stateAtEntry, bool lastMoveWhite) {
    switch (mode) {
    case Spelers::MensMens:
        return moveCount > 0 ? 1 : 0;
    case Spelers::ComputerMens:
        if (moveCount <= 1) return 0;
        if (stateAtEntry == WhiteWon) return 1;
        // A draw can end on either colour's stone (or on the computer finding
        // no move); the person, white, must be the one to move afterwards.
        if (stateAtEntry == Draw) return lastMoveWhite ? 1 : 2;
        return 2;
    case Spelers::ComputerComputer:
        return 0;
    }
    return 0;
}
