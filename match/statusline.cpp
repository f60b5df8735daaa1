#include "statusline.h"

#include <QFontMetrics>

#include "board.h"
#include "clocks.h"
#include "cycle.h"
#include "datetime.h"
#include "form.h"
#include "humanmove.h"
#include "soundrules.h"

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

namespace {

// A score label sits with its middle at `quarters` quarters of the score
// panel. Its width is measured with the stones layer's text font, which is
// not the label's own, so the placement follows that font's digits.
void plaatsscore(QLabel* label, int32_t wins, int quarters, const QFont& measure) {
    const QString text = QString::number(wins);
    label->setText(text);
    label->adjustSize();
    const int width = QFontMetrics(measure).horizontalAdvance(text);
    label->move(quarters * label->parentWidget()->width() / 4 - width / 2, label->y());
}

} // namespace

void toonstatus() {
    TForm1* f = Form1;
    if (!f) return;
    const std::string text = statustekst(GameState, MoveCount, BlackClock, WhiteClock, TimeLimit);
    if (!text.empty()) f->Krant->setText(QString::fromStdString(text));
    f->Krant->repaint();
    plaatsscore(f->Zwartscore, BlackWins, 1, f->BordFont);
    plaatsscore(f->Witscore, WhiteWins, 3, f->BordFont);
    if (GameState >= BlackWon) {
        // However the game ended, no point can be played any more.
        toonhand(false);
        if (SoundOn) speelgeluid("gong");
    }
}
