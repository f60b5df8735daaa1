#include "form.h"

#include <QCloseEvent>
#include <QEvent>
#include <QFontDatabase>
#include <QResizeEvent>

#include "geometry.h"
#include "playback.h"

TForm1* Form1;

// The window's face at a size in design pixels: Liberation Sans, carried
// inside the program (SIL Open Font License), so that every caption is
// drawn alike on Linux and on Windows, with or without the face installed.
// The window was drawn for "MS Sans Serif", a face of Windows alone; of the
// faces that may be carried, Liberation Sans comes closest to its widths,
// so every caption fits its control at the size it was drawn for.
QFont vensterletter(int pixels) {
    static const bool geladen = [] {
        for (const char* file :
             {":/letters/LiberationSans-Regular.ttf", ":/letters/LiberationSans-Bold.ttf"})
            QFontDatabase::addApplicationFont(QString::fromLatin1(file));
        return true;
    }();
    Q_UNUSED(geladen);
    QFont f;
    f.setFamilies({QStringLiteral("Liberation Sans")});
    f.setStyleHint(QFont::SansSerif);
    f.setPixelSize(pixels);
    return f;
}

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

enum Rand { Verlaagd, Verhoogd, Buiten };

// A panel: a plain frame with a 2-pixel bevel and, for some, a centred caption.
QLabel* paneel(QWidget* parent, int x, int y, int w, int h, Rand rand,
               const QString& caption = {}) {
    auto* p = new QLabel(caption, parent);
    p->setGeometry(x, y, w, h);
    p->setAlignment(Qt::AlignCenter);
    p->setFrameShape(QFrame::Panel);
    p->setFrameShadow(rand == Verlaagd ? QFrame::Sunken : QFrame::Raised);
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
    l->setProperty("naartekst", true);
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

// The board's layers, back to front. The pictures belong to their image
// controls for the whole run.
void maaklagen(TForm1& f) {
    f.Bordhout = new Beeldlaag(&f, Beeldlaag::Hout);
    f.Bordhout->setGeometry(336, 40, 1751, 601);
    f.Bordhout->Picture = QImage(QStringLiteral(":/bordhout.bmp"));
    f.Witmodel = new Beeldlaag(&f, Beeldlaag::Verborgen);
    f.Witmodel->setGeometry(472, 40, 49, 49);
    f.Witmodel->Picture = QImage(QStringLiteral(":/witsteen.bmp"));
    f.Zwartmodel = new Beeldlaag(&f, Beeldlaag::Verborgen);
    f.Zwartmodel->setGeometry(552, 40, 49, 49);
    f.Zwartmodel->Picture = QImage(QStringLiteral(":/zwartsteen.bmp"));
    f.Bord2 = new Beeldlaag(&f, Beeldlaag::Verborgen);
    f.Bord2->setGeometry(320, 80, 529, 401);
    f.Bordlijnen = new Beeldlaag(&f, Beeldlaag::Transparant);
    f.Bordlijnen->setAttribute(Qt::WA_TransparentForMouseEvents);
    f.Bordlijnen->setGeometry(304, 104, 473, 401);
    f.Bord = new Beeldlaag(&f, Beeldlaag::Transparant);
    f.Bord->setGeometry(280, 208, 545, 329);
    f.Bord->setMouseTracking(true);
}

// The panel "Spelers": the three player modes.
void maakspelers(TForm1& f) {
    f.Spelers = paneel(&f, 22, 225, 248, 116, Verlaagd);
    f.Spelerscaption = label(f.Spelers, 12, 10, "Spelers", 17);
    f.MM = radio(f.Spelers, 12, 36, 185, 17, "Mens tegen Mens");
    f.CM = radio(f.Spelers, 12, 60, 201, 17, "Computer 1 tegen Mens");
    f.CC = radio(f.Spelers, 12, 84, 225, 17, "Computer 1 tegen Computer 2");
    f.CM->setChecked(true);
}

// The panel "Speelstijl": a column of five style buttons for each computer,
// the rows named between them.
void maakstijlen(TForm1& f) {
    f.Speelstijl = paneel(&f, 22, 359, 248, 179, Verlaagd);
    f.Speelstijlcaption = label(f.Speelstijl, 8, 6, "Computer 1", 17);
    const char* names[5] = {"Roekeloos", "Aanvallend", "Normaal", "Behoedzaam", "Angstig"};
    const int lefts[5] = {85, 84, 94, 78, 97};
    QLabel** labels[5] = {&f.Label1, &f.Label2, &f.Label3, &f.Label4, &f.Label5};
    for (int i = 0; i < 5; ++i)
        *labels[i] = label(f.Speelstijl, lefts[i], 45 + 24 * i, names[i], 13);
    // Centre each row name between the two columns of buttons.
    for (int i = 0; i < 5; ++i) (*labels[i])->move((248 - (*labels[i])->width()) / 2, 45 + 24 * i);
    f.Label6 = label(f.Speelstijl, 144, 6, "Computer 2", 17);
    f.Comp2stijl = paneel(f.Speelstijl, 175, 32, 57, 137, Buiten);
    QRadioButton** two[5] = {&f.Roekeloos2, &f.Aanvallend2, &f.Normaal2, &f.Behoedzaam2,
                             &f.Angstig2};
    for (int i = 0; i < 5; ++i) *two[i] = radio(f.Comp2stijl, 21, 12 + 24 * i, 17, 17, {});
    f.Comp1Stijl = paneel(f.Speelstijl, 16, 32, 57, 137, Buiten);
    QRadioButton** one[5] = {&f.Roekeloos1, &f.Aanvallend1, &f.Normaal1, &f.Behoedzaam1,
                             &f.Angstig1};
    for (int i = 0; i < 5; ++i) *one[i] = radio(f.Comp1Stijl, 21, 12 + 24 * i, 17, 17, {});
    f.Normaal1->setChecked(true);
    f.Normaal2->setChecked(true);
}

// The panel of the two clocks, the score and the status line.
void maakstatus(TForm1& f) {
    f.Statuspaneel = paneel(&f, 22, 54, 248, 153, Verlaagd);
    const QString tijdtip =
        "Uren, minuten, seconden, milliseconden. Maximale speeltijd per speler: 9 uur.";
    f.Klok1 = paneel(f.Statuspaneel, 2, 2, 120, 84, Verhoogd);
    f.Kleur1 = label(f.Klok1, 37, 8, "Zwart", 17);
    f.Tijd1 = label(f.Klok1, 12, 54, "0:00:00.000", 17);
    f.Tijd1->setToolTip(tijdtip);
    f.Speler1 = label(f.Klok1, 27, 32, "Computer 1", 13);
    f.Klok2 = paneel(f.Statuspaneel, 124, 2, 120, 84, Verhoogd);
    f.Kleur2 = label(f.Klok2, 47, 8, "Wit", 17, Qt::white);
    f.Tijd2 = label(f.Klok2, 12, 54, "0:00:00.000", 17, Qt::white);
    f.Tijd2->setToolTip(tijdtip);
    f.Speler2 = label(f.Klok2, 41, 32, "Mens", 13, Qt::white);
    for (QLabel* l : {f.Kleur1, f.Tijd1, f.Speler1})
        l->move((f.Klok1->width() - l->width()) / 2, l->y());
    for (QLabel* l : {f.Kleur2, f.Tijd2, f.Speler2})
        l->move((f.Klok2->width() - l->width()) / 2, l->y());
    f.Standpaneel = paneel(f.Statuspaneel, 2, 88, 242, 30, Verhoogd, "-");
    f.Standpaneel->setFont(vet(17));
    f.Zwartscore = label(f.Standpaneel, 55, 6, "0", 17);
    f.Zwartscore->setToolTip("Aantal partijen door Zwart gewonnen");
    f.Witscore = label(f.Standpaneel, 176, 6, "0", 17, Qt::white);
    f.Witscore->setToolTip("Aantal partijen door Wit gewonnen");
    f.Krant = paneel(f.Statuspaneel, 2, 120, 242, 30, Verhoogd, "Druk op 'Start partij'");
    f.Krant->setFont(vet(17));
    kleur(f.Krant, QPalette::WindowText, Qt::yellow);
}

// The panel of the four check boxes.
void maakopties(TForm1& f) {
    f.Settingspaneel = paneel(&f, 22, 556, 249, 112, Verlaagd);
    f.Geluidcheck = vink(f.Settingspaneel, 24, 12, 97, 17, "Geluid");
    f.Geluidcheck->setChecked(true);
    f.Nummers = vink(f.Settingspaneel, 24, 36, 161, 17, "Toon zetnummers");
    f.Snel = vink(f.Settingspaneel, 24, 60, 177, 17, "Snelle computer");
    f.StapVoorStap = vink(f.Settingspaneel, 24, 84, 177, 17, "Stap voor Stap");
    f.StapVoorStap->setToolTip("Druk op Z voor de volgende zet (alleen bij Computer tegen "
                               "Computer en bij Naspelen)");
}

// The Tab key's order of the top-level controls; a group of radio buttons
// is one stop.
void zettabvolgorde(TForm1& f) {
    QWidget* order[] = {f.Spelers,        f.Speelstijl, f.Startknop,   f.Statuspaneel, f.Zetterug,
                        f.Settingspaneel, f.ToonPartij, f.Scoresnaar0, f.Info};
    for (size_t i = 1; i < sizeof order / sizeof order[0]; ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
    for (QWidget* group : {static_cast<QWidget*>(f.Spelers), static_cast<QWidget*>(f.Comp1Stijl),
                           static_cast<QWidget*>(f.Comp2stijl)})
        eentabstop(group);
}

// A control's design values: rectangle, font size (0 for the window's
// font) and frame width. Kept on the control the first time the window is
// scaled, so that every scale starts from the design and no rounding piles
// up.
struct Ontwerp {
    QRect rect;
    int letter, lijn;
};

Ontwerp ontwerpvan(QWidget* w) {
    if (!w->property("ontwerp").isValid()) {
        const auto* frame = qobject_cast<QFrame*>(w);
        w->setProperty("ontwerp", w->geometry());
        w->setProperty("ontwerpletter",
                       w->testAttribute(Qt::WA_SetFont) ? w->font().pixelSize() : 0);
        w->setProperty("ontwerplijn",
                       frame && frame->frameShape() != QFrame::NoFrame ? frame->lineWidth() : 0);
    }
    return {w->property("ontwerp").toRect(), w->property("ontwerpletter").toInt(),
            w->property("ontwerplijn").toInt()};
}

// Both edges scaled, so that controls that meet in the design still meet.
QRect opschaal(const QRect& r) {
    const int left = schaal(r.x()), top = schaal(r.y());
    return QRect(left, top, schaal(r.x() + r.width()) - left, schaal(r.y() + r.height()) - top);
}

} // namespace

TForm1::TForm1(QWidget* parent) : QWidget(parent) {
    Form1 = this;
    setWindowTitle(QStringLiteral("Kalvor  (5 op een rijtje)"));
    resize(DesignWidth, DesignHeight);
    setMinimumSize(DesignWidth, DesignHeight);
    setFont(vensterletter(13));
    // The controls in the order of the window's description, which is also
    // their stacking order.
    maaklagen(*this);
    maakspelers(*this);
    maakstijlen(*this);
    Startknop = knop(this, 24, 12, "Start partij", " Pauzeer met de 'PAUSE'-toets  ");
    maakstatus(*this);
    Zetterug = knop(this, 201, 12, "Neem zet terug", " = Backspace  ");
    maakopties(*this);
    ToonPartij =
        knop(this, 378, 12, "Speel partij na", " Breek het het naspelen af met de Esc-toets ");
    Scoresnaar0 = knop(this, 555, 12, "Zet scores op 0 - 0", " = Delete  ");
    Info = knop(this, 732, 12, "Een programma van", " = F1  ");
    Klok = new QTimer(this);
    Klok->setInterval(1000);
    Herstartklok = new QTimer(this);
    Herstartklok->setInterval(5000);
    zettabvolgorde(*this);
    BordFont = QFont("Sans Serif");
    // No control is active at start-up: the window holds the focus, as after
    // every stone drawn, so that the keys reach the key table and no radio
    // button takes Space or an arrow key as its own.
    setFocus();
}

void TForm1::schaalvenster(double f) {
    Vensterschaal = f;
    setFont(vensterletter(schaal(13)));
    for (QWidget* w : findChildren<QWidget*>()) {
        if (qobject_cast<Beeldlaag*>(w)) continue; // placed by the board's own rule
        const Ontwerp o = ontwerpvan(w);
        if (o.letter > 0) {
            QFont font = w->font();
            font.setPixelSize(schaal(o.letter));
            w->setFont(font);
        }
        if (o.lijn > 0) static_cast<QFrame*>(w)->setLineWidth(qMax(1, schaal(o.lijn)));
        QRect r = opschaal(o.rect);
        if (w->property("naartekst").toBool()) {
            // As wide as its text at the new size, its middle where the
            // design has it.
            const QSize size = w->sizeHint();
            r = QRect((schaal(2 * o.rect.x() + o.rect.width()) - size.width()) / 2, r.y(),
                      size.width(), size.height());
        }
        w->setGeometry(r);
    }
    setMinimumSize(schaal(DesignWidth), schaal(DesignHeight));
    resize(schaal(DesignWidth), schaal(DesignHeight));
}

void beginbeeld() {
    Vensterschaal = 1.0;
    laadgeluiden();
}

TForm1::~TForm1() {
    if (Form1 == this) Form1 = nullptr;
}

void TForm1::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    FormResize();
}

void TForm1::changeEvent(QEvent* e) {
    QWidget::changeEvent(e);
    if (e->type() == QEvent::WindowStateChange) FormResize();
}

void TForm1::closeEvent(QCloseEvent* e) {
    emit wordtgesloten();
    QWidget::closeEvent(e);
}

void TForm1::toonwijzer(bool hand) {
    setCursor(hand ? Qt::PointingHandCursor : Qt::ArrowCursor);
}
