// The About box: all the program otherwise never says (how to play, the
// modes, what each playing style weighs, the options and the keys) and the
// credit.
#include <QMessageBox>

#include "style.h"
#include "version.h"
#include "window.h"

namespace {

// What each style does, from its pair of factors: the weight of the
// computer's own stones against the opponent's.
const char* const Stijlwerking[6] = {
    "",
    "bouwt aan de eigen rijen en blokkeert zelden",
    "valt aan en blokkeert pas als het moet",
    "iets meer aanval dan verdediging",
    "blokkeert eerst en bouwt daarna",
    "blokkeert bijna altijd",
};

// A style's pair for one computer, its own factor first: computer 1 plays
// black from set 1, computer 2 white from set 2.
QString paar(int set, int style) {
    const StyleCodes& c = StyleTable[set][style];
    return set == 1 ? QStringLiteral("%1 : %2").arg(c.black).arg(c.white)
                    : QStringLiteral("%1 : %2").arg(c.white).arg(c.black);
}

// The About text: all the program otherwise never says, and the credit.
QString overtekst() {
    QString stijlen;
    for (int style = Roekeloos; style <= Angstig; ++style) {
        QString naam = QString::fromLatin1(stijlnaam(style));
        naam[0] = naam[0].toUpper();
        stijlen +=
            QStringLiteral("%1 (%2 / %3): %4.\n")
                .arg(naam, paar(1, style), paar(2, style), QLatin1String(Stijlwerking[style]));
    }
    return QString::fromUtf8(
               "Kalvor " KALVOR_VERSION " \xe2\x80\x93 5 op een rijtje\n\n"
               "Druk eerst op \xe2\x80\x98Start partij\xe2\x80\x99. Klik dan op een vrij "
               "kruispunt om een steen te zetten; de hand laat zien waar dat kan. Wie als "
               "eerste vijf stenen van de eigen kleur op een ononderbroken rij heeft, "
               "horizontaal, verticaal of diagonaal, wint; een blauwe ring wijst die vijf "
               "aan. Zwart en wit openen de partijen om beurten. Elke speler heeft een klok; "
               "wie meer dan 9 uur bedenktijd gebruikt, verliest op de klok.\n\n"
               "Mens tegen Mens: twee spelers aan \xc3\xa9\xc3\xa9n bord.\n"
               "Computer 1 tegen Mens: computer 1 speelt zwart, u speelt wit.\n"
               "Computer 1 tegen Computer 2: de computers spelen tegen elkaar; vijf seconden "
               "na het einde van een partij begint de volgende.\n\n"
               "De computer rekent niet vooruit: hij speelt het lege punt waar de rijen van "
               "vijf punten samen het meest waard zijn. Een stijl weegt de eigen stenen "
               "tegen die van de tegenstander (computer 1 / computer 2):\n") +
           stijlen +
           QString::fromUtf8(
               "\nToon zetnummers zet op elke steen het nummer van zijn zet; anders draagt "
               "alleen de laatste zet een rood vierkantje. Snelle computer laat de computer "
               "50 ms in plaats van 800 ms nadenken; zonder Stap voor Stap spelen de "
               "computers dan stil tegen elkaar, en zo gaat ook het naspelen van een lopende "
               "partij.\n\n"
               "Toetsen: Backspace neemt een zet terug; tegen de computer uw zet en zijn "
               "antwoord, zodat u weer aan zet bent. Pause pauzeert, Return gaat verder. "
               "Esc breekt het naspelen af. Spatie speelt bij Stap voor Stap de volgende zet. "
               "Delete zet de scores op 0 - 0. F1 toont dit venster.\n\n"
               "Kalvor " KALVOR_VERSION ", \xc2\xa9 de Kalvor-ontwikkelaars.\n"
               "Vrije software onder de MIT-licentie.\n"
               "Gebouwd met Qt " QT_VERSION_STR ".");
}

} // namespace

void Hoofdvenster::toonover() {
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Over Kalvor"), overtekst(),
                    QMessageBox::Ok, this);
    box.exec();
}
