// The creation hook: the start-up work in its order, each step a routine of
// its own, and the wiring of every control to its handler.
#include <QApplication>
#include <QDateTime>
#include <QKeyEvent>
#include <QScreen>
#include <QTimer>

#include "board.h"
#include "cycle.h"
#include "drawing.h"
#include "events.h"
#include "form.h"
#include "geometry.h"
#include "platform.h"
#include "playback.h"
#include "random.h"
#include "setup.h"
#include "soundrules.h"

namespace {

void verwerkberichten() {
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

// The key preview: every key reaches FormKeyDown before the focused control,
// which still receives it. Qt hands a key to the focused control first and
// to the window only when the control leaves it unused, so the window's own
// keyPressEvent would never see the space bar on a button or an arrow on a
// radio button; only a filter sees each key before its control does,
// without taking it away.
class Toetsvoorrang : public QObject {
  public:
    explicit Toetsvoorrang(TForm1* f) : QObject(f), form(f) {}

  protected:
    bool eventFilter(QObject* watched, QEvent* e) override {
        if (Form1 != form) return false; // the window is being destroyed
        if (e->type() == QEvent::KeyPress && watched->isWidgetType()) {
            // A key goes first to the focused control (or the window) and
            // then up through its parents; only the first delivery counts.
            QWidget* target = QApplication::focusWidget();
            if (!target) target = form;
            if (watched == target && target->window() == form)
                form->FormKeyDown(static_cast<QKeyEvent*>(e)->key());
        }
        return false;
    }

  private:
    TForm1* form;
};

// The window manager frames the window only once it is shown, and only then
// is its real frame known: the first time it is (looked at every 50 ms for
// two seconds; without a window manager there is none). A frame larger than
// the one the window was fitted for may no longer fit: the window is fitted
// again, smaller, and centred. Otherwise the window is centred with the
// real frame, unless the person has moved it meanwhile; a smaller frame
// leaves the window its size, so that it does not change under the user's
// eyes more than a move.
void bewaakrand(TForm1* form) {
    auto* klok = new QTimer(form);
    klok->setInterval(50);
    const QPoint requested = form->pos();
    QObject::connect(klok, &QTimer::timeout, form, [form, klok, requested, rounds = 0]() mutable {
        const QMargins frame = echterand(form);
        if (frame.isNull() && ++rounds < 40) return;
        klok->stop();
        klok->deleteLater();
        const QRect area = werkgebied(form->screen());
        // The window manager keeps either the frame's
        // corner or the client's where it was asked to.
        const bool moved = form->pos() != requested && form->geometry().topLeft() != requested;
        if (form->pastniet(area, frame))
            form->plaatsvenster(area, frame);
        else if (!moved)
            form->centreer(area, frame);
    });
    klok->start();
}

// The data of every layer at its first values: no game yet, no wins, the
// Normaal codes in both sets, sounds wanted, the mode "Computer 1 tegen
// Mens", nine hours on each clock.
void geefbeginwaarden() {
    beginengine();
    beginbeeld();
    beginwedstrijd();
}

// The window's icon, its dark-red background, and its ten panels in a
// lighter red.
void kleurvenster(TForm1* f) {
    QIcon icon;
    for (const char* size : {"16", "32", "48", "64", "128"})
        icon.addFile(QStringLiteral(":/kalvor-%1.png").arg(size));
    f->setWindowIcon(icon);
    f->setAutoFillBackground(true);
    QPalette pal = f->palette();
    pal.setColor(QPalette::Window, QColor(128, 0, 0));
    f->setPalette(pal);
    for (QLabel* p : {f->Spelers, f->Speelstijl, f->Comp1Stijl, f->Comp2stijl, f->Statuspaneel,
                      f->Klok1, f->Klok2, f->Standpaneel, f->Krant, f->Settingspaneel}) {
        QPalette pp = p->palette();
        pp.setColor(QPalette::Window, QColor(192, 64, 64));
        p->setPalette(pp);
    }
}

// Tooltips kept up 5000 ms (the window's style shows them without delay).
void zettooltips(TForm1* f) {
    for (QWidget* w : f->findChildren<QWidget*>())
        if (!w->toolTip().isEmpty()) w->setToolTipDuration(5000);
}

// Every control to its handler, and the key preview.
void verbind(TForm1* f) {
    qApp->installEventFilter(new Toetsvoorrang(f));
    QObject::connect(f, &TForm1::wordtgesloten, f, &TForm1::FormClose);
    QObject::connect(f->Bord, &Beeldlaag::muisbeweegt, f, &TForm1::BordMouseMove);
    QObject::connect(f->Bord, &Beeldlaag::muisgedrukt, f, &TForm1::BordMouseDown);
    QObject::connect(f->Bord, &Stenenlaag::kiest, f, &TForm1::BordKeyDown);
    const std::pair<QPushButton*, void (TForm1::*)()> buttons[] = {
        {f->Startknop, &TForm1::StartknopClick},
        {f->Zetterug, &TForm1::ZetterugClick},
        {f->ToonPartij, &TForm1::ToonPartijClick},
        {f->Scoresnaar0, &TForm1::Scoresnaar0Click},
        {f->Info, &TForm1::InfoClick}};
    for (const auto& [button, handler] : buttons)
        QObject::connect(button, &QPushButton::clicked, f, handler);
    // A mode's handler runs however its button becomes checked: a click, an
    // arrow key, the space bar.
    const std::pair<QRadioButton*, void (TForm1::*)()> modes[] = {
        {f->MM, &TForm1::MMClick}, {f->CM, &TForm1::CMClick}, {f->CC, &TForm1::CCClick}};
    for (const auto& [button, handler] : modes)
        QObject::connect(button, &QRadioButton::toggled, f, [f, handler = handler](bool on) {
            if (on) (f->*handler)();
        });
    const std::pair<QRadioButton*, void (TForm1::*)()> styles[] = {
        {f->Roekeloos1, &TForm1::Roekeloos1Click},   {f->Aanvallend1, &TForm1::Aanvallend1Click},
        {f->Normaal1, &TForm1::Normaal1Click},       {f->Behoedzaam1, &TForm1::Behoedzaam1Click},
        {f->Angstig1, &TForm1::Angstig1Click},       {f->Roekeloos2, &TForm1::Roekeloos2Click},
        {f->Aanvallend2, &TForm1::Aanvallend2Click}, {f->Normaal2, &TForm1::Normaal2Click},
        {f->Behoedzaam2, &TForm1::Behoedzaam2Click}, {f->Angstig2, &TForm1::Angstig2Click}};
    for (const auto& [button, handler] : styles)
        QObject::connect(button, &QRadioButton::clicked, f, handler);
    QObject::connect(f->Geluidcheck, &QCheckBox::clicked, f, &TForm1::GeluidcheckClick);
    QObject::connect(f->Nummers, &QCheckBox::clicked, f, &TForm1::NummersClick);
    QObject::connect(f->StapVoorStap, &QCheckBox::toggled, f, &TForm1::StapVoorStapClick);
    QObject::connect(f->Klok, &QTimer::timeout, f, &TForm1::KlokTimer);
    QObject::connect(f->Herstartklok, &QTimer::timeout, f, &TForm1::HerstartklokTimer);
}

} // namespace

void TForm1::plaatsvenster(const QRect& area, const QMargins& frame) {
    const double f = kiesfactor(area.width(), area.height(), frame.left() + frame.right(),
                                frame.top() + frame.bottom());
    if (f != factor()) schaalvenster(f);
    // Widened now rather than by the first size notification, which comes
    // only once the window is shown and would then place it anew. Where
    // the frame is not known yet, the rule sees the client alone.
    verbreed();
    centreer(area, frame);
}

bool TForm1::pastniet(const QRect& area, const QMargins& frame) const {
    return kiesfactor(area.width(), area.height(), frame.left() + frame.right(),
                      frame.top() + frame.bottom()) < factor();
}

void TForm1::centreer(const QRect& area, const QMargins& frame) {
    // The design's rule: the window as it was made (its design size at its
    // factor) with its frame, centred, each half truncated.
    const int frameWidth = frame.left() + frame.right(), frameHeight = frame.top() + frame.bottom();
    int left = area.x() + (area.width() - (schaal(DesignWidth) + frameWidth)) / 2;
    const int top = area.y() + (area.height() - (height() + frameHeight)) / 2;
    // The size handler widens the window to the right, to the width the
    // minimum-width rule gives its height: where that width with the frame
    // fits the work area, the window is moved left as far as it must to keep
    // its frame on it.
    const int outerWidth = qMax(width(), minimumbreedte(height(), factor())) + frameWidth;
    if (outerWidth <= area.width())
        left = qMax(area.x(), qMin(left, area.right() + 1 - outerWidth));
    move(left, top);
}

void TForm1::FormCreate() {
    geefbeginwaarden();
    kleurvenster(this);
    plaatsvenster(werkgebied(screen()), geschatterand());
    bewaakrand(this);
    // The computer's openings are random.
    zaai(static_cast<uint64_t>(QDateTime::currentMSecsSinceEpoch()));
    legbordaan(this);
    // The scores are measured with the stones layer's font until the first
    // stone; "Arial" is rarely installed, fontconfig substitutes a sans-serif.
    BordFont.setFamily("Arial");
    // The sound output, and one tick to say the program is there.
    if (!Uitvoer) Uitvoer = maakapparaatuitvoer();
    speelgeluid("Kloktik");
    zettooltips(this);
    // The engine lets window events through while it works.
    Berichtenpomp = verwerkberichten;
    verbind(this);
    Klok->start();
}
