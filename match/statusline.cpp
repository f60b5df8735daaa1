// The status line, the score labels and the end-of-game gong.
#include <QFontMetrics>

#include "board.h"
#include "flags.h"
#include "form.h"
#include "klok.h"
#include "sound.h"
#include "spel.h"

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
        f->setCursor(Qt::ArrowCursor);
        if (SoundOn) speelgeluid("gong");
    }
}
