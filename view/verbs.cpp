// The verbs with which match control shows the game and reads the
// options; the view measures and places what it is asked to show.
#include <QFontMetrics>

#include "window.h"

namespace {

// A label centred in its parent (the clock panels' labels).
void centreer(QLabel* l) {
    l->move((l->parentWidget()->width() - l->width()) / 2, l->y());
}

} // namespace

void Hoofdvenster::toonwijzer(bool hand) {
    setCursor(hand ? Qt::PointingHandCursor : Qt::ArrowCursor);
}

void Hoofdvenster::toonkrant(const QString& text) {
    Krant->setText(text);
}

void Hoofdvenster::schilderkrant() {
    Krant->repaint();
}

QString Hoofdvenster::krant() const {
    return Krant->text();
}

void Hoofdvenster::toonklok(bool zwart, const QString& text) {
    (zwart ? Tijd1 : Tijd2)->setText(text);
}

void Hoofdvenster::toonspelers(const QString& zwart, const QString& wit) {
    for (auto [label, text] : {std::pair{Speler1, zwart}, std::pair{Speler2, wit}}) {
        label->setText(text);
        label->adjustSize();
        centreer(label);
    }
}

// A score label sits with its middle at `quarters` quarters of the score
// panel. Its width is measured with the stones layer's text font, which is
// not the label's own, so the placement follows that font's digits.
void Hoofdvenster::toonscore(int32_t zwart, int32_t wit) {
    for (auto [label, wins, quarters] : {std::tuple{Zwartscore, zwart, 1}, {Witscore, wit, 3}}) {
        const QString text = QString::number(wins);
        label->setText(text);
        label->adjustSize();
        const int width = QFontMetrics(BordFont).horizontalAdvance(text);
        label->move(quarters * label->parentWidget()->width() / 4 - width / 2, label->y());
    }
}

void Hoofdvenster::noemstartknop(const QString& caption) {
    Startknop->setText(caption);
    pascaption(Startknop);
}

Modus Hoofdvenster::modus() const {
    if (MM->isChecked()) return Modus::MensMens;
    if (CC->isChecked()) return Modus::ComputerComputer;
    return Modus::ComputerMens;
}

void Hoofdvenster::vinkstapvoorstap() {
    StapVoorStap->setChecked(true);
}
