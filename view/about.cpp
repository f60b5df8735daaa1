// The About box: all the program otherwise never says (how to play, the
// modes, what each playing style weighs, the options and the keys) and the
// credit. It is laid out in the window's face at the window's factor, and
// it fits the work area of its screen: on a screen too small for the whole
// text the text scrolls, and the OK button stays on the screen.
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QMessageBox>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>

#include "style.h"
#include "version.h"
#include "window.h"

namespace {

// A style's pair for one computer, its own factor first: computer 1 plays
// black from set 1, computer 2 white from set 2.
QString paar(int set, int style) {
    const StyleCodes& c = StyleTable[set][style];
    return set == 1 ? QStringLiteral("%1 : %2").arg(c.black).arg(c.white)
                    : QStringLiteral("%1 : %2").arg(c.white).arg(c.black);
}

// The About text: all the program otherwise never says, and the credit.
QString overtekst() {
    // The style's name as the window's labels give it, and what the style
    // does, from its pair of factors: the weight of the computer's own
    // stones against the opponent's.
    const QString werking[6] = {{},
                                Hoofdvenster::tr("bouwt aan de eigen rijen en blokkeert zelden"),
                                Hoofdvenster::tr("valt aan en blokkeert pas als het moet"),
                                Hoofdvenster::tr("iets meer aanval dan verdediging"),
                                Hoofdvenster::tr("blokkeert eerst en bouwt daarna"),
                                Hoofdvenster::tr("blokkeert bijna altijd")};
    QString stijlen;
    for (int style = Roekeloos; style <= Angstig; ++style)
        stijlen += QStringLiteral("%1 (%2 / %3): %4.\n")
                       .arg(Hoofdvenster::stijlopschrift(style), paar(1, style), paar(2, style),
                            werking[style]);
    return Hoofdvenster::tr("Kalvor %1 \u2013 5 op een rijtje").arg(KALVOR_VERSION) + "\n\n" +
           Hoofdvenster::tr(
               "Druk eerst op \u2018Start partij\u2019. Klik dan op een vrij kruispunt om een "
               "steen te zetten; de hand laat zien waar dat kan. Wie als eerste vijf stenen van "
               "de eigen kleur op een ononderbroken rij heeft, horizontaal, verticaal of "
               "diagonaal, wint; een blauwe ring wijst die vijf aan. Zwart en wit openen de "
               "partijen om beurten. Elke speler heeft een klok; wie meer dan 9 uur bedenktijd "
               "gebruikt, verliest op de klok.") +
           "\n\n" +
           Hoofdvenster::tr("Mens tegen Mens: twee spelers aan \u00e9\u00e9n bord.\n"
                            "Computer 1 tegen Mens: computer 1 speelt zwart, u speelt wit.\n"
                            "Computer 1 tegen Computer 2: de computers spelen tegen elkaar; "
                            "vijf seconden na het einde van een partij begint de volgende.") +
           "\n\n" +
           Hoofdvenster::tr("De computer rekent niet vooruit: hij speelt het lege punt waar de "
                            "rijen van vijf punten samen het meest waard zijn. Een stijl weegt "
                            "de eigen stenen tegen die van de tegenstander (computer 1 / "
                            "computer 2):") +
           "\n" + stijlen + "\n" +
           Hoofdvenster::tr("Toon zetnummers zet op elke steen het nummer van zijn zet; anders "
                            "draagt alleen de laatste zet een rood vierkantje. Snelle computer "
                            "laat de computer 50 ms in plaats van 800 ms nadenken; zonder Stap "
                            "voor Stap spelen de computers dan stil tegen elkaar, en zo gaat ook "
                            "het naspelen van een lopende partij.") +
           "\n\n" +
           Hoofdvenster::tr("Het bord speelt ook zonder muis: Tab brengt de toetsen naar het "
                            "bord, de pijltjestoetsen verplaatsen de cursor en Return zet een "
                            "steen waar hij staat.") +
           "\n\n" +
           Hoofdvenster::tr("Toetsen: Backspace neemt een zet terug; tegen de computer uw zet "
                            "en zijn antwoord, zodat u weer aan zet bent. Pause pauzeert, Return "
                            "gaat verder. Esc breekt het naspelen af. Spatie speelt bij Stap "
                            "voor Stap de volgende zet. Delete zet de scores op 0 - 0. F1 toont "
                            "dit venster.") +
           "\n\n" +
           Hoofdvenster::tr("Kalvor %1, \u00a9 de Kalvor-ontwikkelaars.\n"
                            "Vrije software onder de MIT-licentie.\n"
                            "Gebouwd met Qt %2.")
               .arg(KALVOR_VERSION, QT_VERSION_STR);
}

// The message box's text shown in a scroll area of its own, as wide as a
// comfortable line and at most as high as leaves room on the work area for
// the box's frame, its margins and its button. The box's own label keeps
// the text (what the box says is still its text) but is not shown: the box
// sizes itself from what it shows, and its own label would not wrap.
void laatschuiven(QMessageBox& box, const QRect& area) {
    auto* own = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
    auto* grid = qobject_cast<QGridLayout*>(box.layout());
    auto* buttons = box.findChild<QDialogButtonBox*>();
    if (!own || !grid || !buttons) return;
    int row, column, rows, columns;
    grid->getItemPosition(grid->indexOf(own), &row, &column, &rows, &columns);
    own->hide();
    auto* text = new QLabel(box.text());
    text->setWordWrap(true);
    text->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    text->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    auto* scroll = new QScrollArea(&box);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll->setWidget(text);
    grid->addWidget(scroll, row, column, rows, columns);
    // Some sixty average characters a line, and never wider than nine
    // tenths of the work area.
    const QFontMetrics fm(text->font());
    const int width = qMin(fm.averageCharWidth() * 64, area.width() * 9 / 10);
    const int needed = text->heightForWidth(width);
    // The frame a window manager adds (a title bar and borders, a little
    // more than the common desktops draw), the layout's margins and
    // spacing, and the button row.
    const QMargins margins = grid->contentsMargins();
    const int chrome = 48 + margins.top() + margins.bottom() + grid->verticalSpacing() +
                       buttons->sizeHint().height();
    const int height = qMax(fm.height() * 4, qMin(needed, area.height() - chrome));
    const int bar = needed > height ? scroll->verticalScrollBar()->sizeHint().width() : 0;
    scroll->setMinimumSize(width + bar, height);
    scroll->setMaximumHeight(height);
}

} // namespace

void Hoofdvenster::toonover() {
    QMessageBox box(QMessageBox::NoIcon, tr("Over Kalvor"), overtekst(), QMessageBox::Ok, this);
    box.setFont(font()); // the window's face at the window's factor
    box.setTextFormat(Qt::PlainText);
    laatschuiven(box, screen() ? screen()->availableGeometry() : QRect(0, 0, 1024, 768));
    box.exec();
}
