// The verbs with which match control shows the game and reads the
// options; the view measures and places what it is asked to show.
#include <QFontMetrics>

#include "window.h"

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
    Speler1->setText(zwart);
    Speler2->setText(wit);
    Spelersgetoond = true;
    plaatsspelers();
}

void Hoofdvenster::plaatsspelers() {
    for (QLabel* label : {Speler1, Speler2}) {
        label->adjustSize();
        centreerlabel(label);
    }
}

void Hoofdvenster::toonscore(int32_t zwart, int32_t wit) {
    Zwartscore->setText(QString::number(zwart));
    Witscore->setText(QString::number(wit));
    Scoregetoond = true;
    plaatsscore();
}

// A score label sits with its middle at a quarter (black) and three
// quarters (white) of the score panel. Its width is measured with the
// stones layer's text font, which is not the label's own, so the placement
// follows that font's digits.
void Hoofdvenster::plaatsscore() {
    for (auto [label, quarters] : {std::pair{Zwartscore, 1}, std::pair{Witscore, 3}}) {
        label->adjustSize();
        const int width = QFontMetrics(BordFont).horizontalAdvance(label->text());
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
