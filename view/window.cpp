#include "window.h"

#include <QCloseEvent>
#include <QEvent>
#include <QFontMetrics>
#include <QStyleOptionButton>

#include "access.h"
#include "geometry.h"
#include "playback.h"
#include "style.h"
#include "widgetstyle.h"

Hoofdvenster* Form1;

namespace {

// The bold captions of the controls.
QFont vet(int pixels) {
    QFont f = vensterletter(pixels);
    f.setBold(true);
    return f;
}

void kleur(QWidget* w, QPalette::ColorRole role, const QColor& c) {
    QPalette p = w->palette();
    p.setColor(role, c);
    w->setPalette(p);
}

// A panel's bevel: lowered or raised inside, or raised outside (a style
// panel's).
enum Kader { Verlaagd, Verhoogd, Buiten };

// A panel: a plain frame with a 2-pixel bevel and, for some, a centred caption.
QLabel* paneel(QWidget* parent, int x, int y, int w, int h, Kader kader,
               const QString& caption = {}) {
    auto* p = new QLabel(caption, parent);
    p->setGeometry(x, y, w, h);
    p->setAlignment(Qt::AlignCenter);
    p->setFrameShape(QFrame::Panel);
    p->setFrameShadow(kader == Verlaagd ? QFrame::Sunken : QFrame::Raised);
    p->setLineWidth(2);
    p->setAutoFillBackground(true);
    kleur(p, QPalette::Window, QColor(192, 192, 192));
    return p;
}

// A label as wide as its text.
QLabel* label(QWidget* parent, int x, int y, const QString& text, int pixels,
              const QColor& colour = Qt::black) {
    auto* l = new QLabel(text, parent);
    l->setFont(vet(pixels));
    kleur(l, QPalette::WindowText, colour);
    l->move(x, y);
    l->adjustSize();
    return l;
}

QRadioButton* radio(QWidget* parent, int x, int y, int w, int h, const QString& text) {
    auto* r = new QRadioButton(text, parent);
    r->setGeometry(x, y, w, h);
    r->setFont(vet(13));
    return r;
}

QCheckBox* vink(QWidget* parent, int x, int y, int w, int h, const QString& text) {
    auto* c = new QCheckBox(text, parent);
    c->setGeometry(x, y, w, h);
    c->setFont(vet(13));
    return c;
}

// A group of radio buttons is one stop of the Tab key, on its checked
// button, as on the platform the window was drawn for: the unchecked ones
// take the focus from a click or an arrow key, never from Tab.
void eentabstop(QWidget* group) {
    const QList<QRadioButton*> buttons = group->findChildren<QRadioButton*>();
    auto stel = [buttons] {
        for (QRadioButton* b : buttons)
            b->setFocusPolicy(b->isChecked() ? Qt::StrongFocus : Qt::ClickFocus);
    };
    for (QRadioButton* b : buttons) QObject::connect(b, &QRadioButton::toggled, b, stel);
    stel();
}

QPushButton* knop(QWidget* parent, int x, int y, const QString& text, const QString& tip) {
    auto* b = new QPushButton(text, parent);
    b->setGeometry(x, y, 150, 30);
    b->setFont(vet(15));
    b->setToolTip(tip);
    return b;
}

} // namespace

// The board's layers, back to front. The pictures belong to their image
// controls for the whole run.
void Hoofdvenster::maaklagen() {
    Bordhout = new Beeldlaag(this, Beeldlaag::Hout);
    Bordhout->setGeometry(336, 40, 1751, 601);
    Bordhout->Picture = QImage(QStringLiteral(":/bordhout.bmp"));
    Witmodel = new Beeldlaag(this, Beeldlaag::Verborgen);
    Witmodel->setGeometry(472, 40, 49, 49);
    Witmodel->Picture = QImage(QStringLiteral(":/witsteen.bmp"));
    Zwartmodel = new Beeldlaag(this, Beeldlaag::Verborgen);
    Zwartmodel->setGeometry(552, 40, 49, 49);
    Zwartmodel->Picture = QImage(QStringLiteral(":/zwartsteen.bmp"));
    Bord2 = new Beeldlaag(this, Beeldlaag::Verborgen);
    Bord2->setGeometry(320, 80, 529, 401);
    Bordlijnen = new Beeldlaag(this, Beeldlaag::Transparant);
    Bordlijnen->setAttribute(Qt::WA_TransparentForMouseEvents);
    Bordlijnen->setGeometry(304, 104, 473, 401);
}

// The stones layer, on top of the other layers and below every control (the
// buttons of the top row stand over the board's top edge). It is made right
// after "Start partij", so that the Tab key goes from that button to the
// board, and then stacked where the window's description puts it.
void Hoofdvenster::maakstenenlaag() {
    Bord = new Stenenlaag(this);
    Bord->setGeometry(280, 208, 545, 329);
    Bord->setMouseTracking(true);
    Bord->stackUnder(Spelers);
}

// The panel "Spelers": the three player modes.
void Hoofdvenster::maakspelers() {
    Spelers = paneel(this, 22, 225, 248, 116, Verlaagd);
    Spelerscaption = label(Spelers, 12, 10, tr("Spelers"), 17);
    MM = radio(Spelers, 12, 36, 185, 17, tr("Mens tegen Mens"));
    CM = radio(Spelers, 12, 60, 201, 17, tr("Computer 1 tegen Mens"));
    CC = radio(Spelers, 12, 84, 225, 17, tr("Computer 1 tegen Computer 2"));
    CM->setChecked(true);
}

void Hoofdvenster::centreerlabel(QLabel* l) {
    l->move((l->parentWidget()->width() - l->width()) / 2, l->y());
}

QString Hoofdvenster::stijlopschrift(int style) {
    switch (style) {
    case Roekeloos:
        return tr("Roekeloos");
    case Aanvallend:
        return tr("Aanvallend");
    case Normaal:
        return tr("Normaal");
    case Behoedzaam:
        return tr("Behoedzaam");
    case Angstig:
        return tr("Angstig");
    }
    return {};
}

// The panel "Speelstijl": a column of five style buttons for each computer,
// the rows named between them.
void Hoofdvenster::maakstijlen() {
    Speelstijl = paneel(this, 22, 359, 248, 179, Verlaagd);
    Speelstijlcaption = label(Speelstijl, 8, 6, tr("Computer 1"), 17);
    const int lefts[5] = {85, 84, 94, 78, 97};
    QLabel** labels[5] = {&Label1, &Label2, &Label3, &Label4, &Label5};
    for (int i = 0; i < 5; ++i)
        *labels[i] = label(Speelstijl, lefts[i], 45 + 24 * i, stijlopschrift(Roekeloos + i), 13);
    // Centre each row name between the two columns of buttons.
    for (int i = 0; i < 5; ++i) centreerlabel(*labels[i]);
    Label6 = label(Speelstijl, 144, 6, tr("Computer 2"), 17);
    Comp2stijl = paneel(Speelstijl, 175, 32, 57, 137, Buiten);
    QRadioButton** two[5] = {&Roekeloos2, &Aanvallend2, &Normaal2, &Behoedzaam2, &Angstig2};
    for (int i = 0; i < 5; ++i) *two[i] = radio(Comp2stijl, 21, 12 + 24 * i, 17, 17, {});
    Comp1Stijl = paneel(Speelstijl, 16, 32, 57, 137, Buiten);
    QRadioButton** one[5] = {&Roekeloos1, &Aanvallend1, &Normaal1, &Behoedzaam1, &Angstig1};
    for (int i = 0; i < 5; ++i) *one[i] = radio(Comp1Stijl, 21, 12 + 24 * i, 17, 17, {});
    Normaal1->setChecked(true);
    Normaal2->setChecked(true);
}

// The panel of the two clocks, the score and the status line.
void Hoofdvenster::maakstatus() {
    Statuspaneel = paneel(this, 22, 54, 248, 153, Verlaagd);
    const QString tijdtip =
        tr("Uren, minuten, seconden, milliseconden. Maximale speeltijd per speler: 9 uur.");
    Klok1 = paneel(Statuspaneel, 2, 2, 120, 84, Verhoogd);
    Kleur1 = label(Klok1, 37, 8, tr("Zwart"), 17);
    Tijd1 = label(Klok1, 12, 54, "0:00:00.000", 17);
    Tijd1->setToolTip(tijdtip);
    Speler1 = label(Klok1, 27, 32, tr("Computer 1"), 13);
    Klok2 = paneel(Statuspaneel, 124, 2, 120, 84, Verhoogd);
    Kleur2 = label(Klok2, 47, 8, tr("Wit"), 17, Qt::white);
    Tijd2 = label(Klok2, 12, 54, "0:00:00.000", 17, Qt::white);
    Tijd2->setToolTip(tijdtip);
    Speler2 = label(Klok2, 41, 32, tr("Mens"), 13, Qt::white);
    for (QLabel* l : {Kleur1, Tijd1, Speler1, Kleur2, Tijd2, Speler2}) centreerlabel(l);
    Standpaneel = paneel(Statuspaneel, 2, 88, 242, 30, Verhoogd, "-");
    Standpaneel->setFont(vet(17));
    Zwartscore = label(Standpaneel, 55, 6, "0", 17);
    Zwartscore->setToolTip(tr("Aantal partijen door Zwart gewonnen"));
    Witscore = label(Standpaneel, 176, 6, "0", 17, Qt::white);
    Witscore->setToolTip(tr("Aantal partijen door Wit gewonnen"));
    Krant = paneel(Statuspaneel, 2, 120, 242, 30, Verhoogd, tr("Druk op 'Start partij'"));
    Krant->setFont(vet(17));
    kleur(Krant, QPalette::WindowText, Qt::yellow);
}

// The panel of the four check boxes.
void Hoofdvenster::maakopties() {
    Settingspaneel = paneel(this, 22, 556, 249, 112, Verlaagd);
    Geluidcheck = vink(Settingspaneel, 24, 12, 97, 17, tr("Geluid"));
    Geluidcheck->setChecked(true);
    Nummers = vink(Settingspaneel, 24, 36, 161, 17, tr("Toon zetnummers"));
    Snel = vink(Settingspaneel, 24, 60, 177, 17, tr("Snelle computer"));
    StapVoorStap = vink(Settingspaneel, 24, 84, 177, 17, tr("Stap voor Stap"));
    StapVoorStap->setToolTip(tr("Druk op Z voor de volgende zet (alleen bij Computer tegen "
                                "Computer en bij Naspelen)"));
}

// The Tab key's order of the top-level controls, the board after "Start
// partij"; a group of radio buttons is one stop.
void Hoofdvenster::zettabvolgorde() {
    QWidget* order[] = {Spelers,  Speelstijl,     Startknop,  Bord,        Statuspaneel,
                        Zetterug, Settingspaneel, ToonPartij, Scoresnaar0, Info};
    for (size_t i = 1; i < sizeof order / sizeof order[0]; ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
    for (QWidget* group : {static_cast<QWidget*>(Spelers), static_cast<QWidget*>(Comp1Stijl),
                           static_cast<QWidget*>(Comp2stijl)})
        eentabstop(group);
}

// The names a screen reader says where a control's caption does not say
// enough: the style buttons, which have none, and the panels, which it
// reads as groups (access.h).
void Hoofdvenster::noemvoorlezer() {
    QRadioButton* const stijlen[3][5] = {
        {},
        {Roekeloos1, Aanvallend1, Normaal1, Behoedzaam1, Angstig1},
        {Roekeloos2, Aanvallend2, Normaal2, Behoedzaam2, Angstig2}};
    for (int set = 1; set <= 2; ++set)
        for (int i = 0; i < 5; ++i)
            stijlen[set][i]->setAccessibleName(
                (set == 1 ? tr("Computer 1: %1") : tr("Computer 2: %1"))
                    .arg(stijlopschrift(Roekeloos + i)));
    const std::pair<QWidget*, QString> panelen[] = {{Spelers, tr("Spelers")},
                                                    {Speelstijl, tr("Speelstijl")},
                                                    {Comp1Stijl, tr("Stijl van computer 1")},
                                                    {Comp2stijl, tr("Stijl van computer 2")},
                                                    {Statuspaneel, tr("Klokken en stand")},
                                                    {Klok1, tr("Klok van zwart")},
                                                    {Klok2, tr("Klok van wit")},
                                                    {Standpaneel, tr("Stand")},
                                                    {Settingspaneel, tr("Instellingen")}};
    for (const auto& [panel, naam] : panelen) panel->setAccessibleName(naam);
    // A name of their own keeps the clocks from reporting a new name at
    // every tick; their interface adds the time when a reader asks.
    Tijd1->setAccessibleName(tr("Bedenktijd van zwart"));
    Tijd2->setAccessibleName(tr("Bedenktijd van wit"));
    maaktoegankelijk(this);
}

// Every control's design values as it has just been made, the labels that
// follow their text marked as such; the layers are placed by the board's
// own rule and stay out.
void Hoofdvenster::legontwerpvast() {
    for (QWidget* w : findChildren<QWidget*>()) {
        if (qobject_cast<Beeldlaag*>(w)) continue;
        const auto* frame = qobject_cast<QFrame*>(w);
        const auto* label = qobject_cast<QLabel*>(w);
        Ontwerpen.push_back(
            {w, w->geometry(), w->testAttribute(Qt::WA_SetFont) ? w->font().pixelSize() : 0,
             frame && frame->frameShape() != QFrame::NoFrame ? frame->lineWidth() : 0,
             label && label->frameShape() == QFrame::NoFrame});
    }
}

Hoofdvenster::Hoofdvenster(QWidget* parent) : QWidget(parent) {
    Form1 = this;
    // The style's metrics follow this window's factor, 1 until it is scaled.
    kiesvensterstijl()->zetfactor(Factor);
    setWindowTitle(tr("Kalvor  (5 op een rijtje)"));
    resize(DesignWidth, DesignHeight);
    setMinimumSize(DesignWidth, DesignHeight);
    setFont(vensterletter(13));
    // The controls in the order of the window's description, which is also
    // their stacking order.
    maaklagen();
    maakspelers();
    maakstijlen();
    Startknop = knop(this, 24, 12, tr("Start partij"), tr(" Pauzeer met de 'PAUSE'-toets  "));
    maakstenenlaag();
    maakstatus();
    Zetterug = knop(this, 201, 12, tr("Neem zet terug"), tr(" = Backspace  "));
    maakopties();
    ToonPartij = knop(this, 378, 12, tr("Speel partij na"),
                      tr(" Breek het het naspelen af met de Esc-toets "));
    Scoresnaar0 = knop(this, 555, 12, tr("Zet scores op 0 - 0"), tr(" = Delete  "));
    Info = knop(this, 732, 12, tr("Een programma van"), tr(" = F1  "));
    Klok = new QTimer(this);
    Klok->setInterval(1000);
    Herstartklok = new QTimer(this);
    Herstartklok->setInterval(5000);
    zettabvolgorde();
    noemvoorlezer();
    legontwerpvast();
    for (QAbstractButton* b : findChildren<QAbstractButton*>()) pascaption(b);
    BordFont = QFont("Sans Serif");
    // No control is active at start-up: the window holds the focus, as after
    // every stone drawn, so that the keys reach the key table and no radio
    // button takes Space or an arrow key as its own.
    setFocus();
}

Hoofdvenster::~Hoofdvenster() {
    if (Form1 == this) Form1 = nullptr;
}

void beginbeeld() {
    laadgeluiden();
}

void Hoofdvenster::closeEvent(QCloseEvent* e) {
    emit wordtgesloten();
    QWidget::closeEvent(e);
}

void Hoofdvenster::pascaption(QAbstractButton* b) const {
    if (b->text().isEmpty()) return;
    QFont font = b->font();
    font.setLetterSpacing(QFont::PercentageSpacing, 100);
    QStyleOptionButton opt;
    opt.initFrom(b);
    opt.text = b->text();
    // Room inside the part where the style draws the caption: a push
    // button's caption keeps clear of its frame on both sides, a radio
    // button's or check box's of the control's right edge.
    const bool push = qobject_cast<QPushButton*>(b) != nullptr;
    const QStyle::SubElement part = push ? QStyle::SE_PushButtonContents
                                    : qobject_cast<QRadioButton*>(b)
                                        ? QStyle::SE_RadioButtonContents
                                        : QStyle::SE_CheckBoxContents;
    const int room = b->style()->subElementRect(part, &opt, b).width() - schaal(push ? 8 : 2);
    // A caption too wide for it is set a little tighter, at most an eighth;
    // only where that is not enough does it become smaller.
    const auto past = [&] { return QFontMetricsF(font).horizontalAdvance(b->text()) <= room; };
    for (int spacing = 99; !past() && spacing >= 88; --spacing)
        font.setLetterSpacing(QFont::PercentageSpacing, spacing);
    while (!past() && font.pixelSize() > 6) font.setPixelSize(font.pixelSize() - 1);
    b->setFont(font);
}
