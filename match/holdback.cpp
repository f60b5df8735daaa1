#include "holdback.h"

#include <QCoreApplication>
#include <deque>

#include "board.h"
#include "controls.h"
#include "cycle.h"
#include "form.h"
#include "humanmove.h"
#include "update.h"

namespace {

struct Uitgesteld {
    Actie actie;
    int32_t a, b;
};

// Only a flood of clicks during one update makes this grow; a move never
// allocates.
std::deque<Uitgesteld> Wachtrij;
int32_t Vastleggingen; // commits, take-backs and style changes under way
bool Verzonden;        // a run of the waiting actions has been posted

// The actions run from the event loop, not from the end of the commit that
// held them up: the commit finishes its own steps first, and a computer
// move that follows meets the action in its think delay, as it meets any
// click.
void verzend() {
    if (Verzonden || Wachtrij.empty()) return;
    QCoreApplication* app = QCoreApplication::instance();
    if (!app) return;
    Verzonden = true;
    QMetaObject::invokeMethod(
        app,
        [] {
            Verzonden = false;
            voeruitgesteld();
        },
        Qt::QueuedConnection);
}

void voeruit(const Uitgesteld& u) {
    TForm1* f = Form1;
    if (!f) return;
    switch (u.actie) {
    case Actie::Start:
        f->StartknopClick();
        break;
    case Actie::Zetterug:
        f->ZetterugClick();
        break;
    case Actie::Klik:
        // The hand was shown when the press came; whether the point may be
        // played is decided now.
        TargetCol = u.a;
        TargetRow = u.b;
        if (accepteerklik(true)) f->zetmens();
        break;
    case Actie::MM:
        f->MMClick();
        break;
    case Actie::CM:
        f->CMClick();
        break;
    case Actie::CC:
        f->CCClick();
        break;
    case Actie::Stap:
        staptoets();
        break;
    case Actie::StapVoorStap:
        f->StapVoorStapClick();
        break;
    case Actie::Stijl:
        kiesstijl(u.a, u.b);
        break;
    }
}

} // namespace

bool bezig() {
    return UpdateDepth > 0 || Vastleggingen > 0;
}

void uitstellen(Actie actie, int32_t a, int32_t b) {
    Wachtrij.push_back({actie, a, b});
    verzend();
}

bool houdtegen(Actie actie, int32_t a, int32_t b) {
    if (!bezig()) return false;
    uitstellen(actie, a, b);
    return true;
}

int32_t uitgesteldaantal() {
    return static_cast<int32_t>(Wachtrij.size());
}

int32_t uitgesteldaantal(Actie actie) {
    int32_t n = 0;
    for (const Uitgesteld& u : Wachtrij) n += u.actie == actie;
    return n;
}

void wisuitgesteld() {
    Wachtrij.clear();
}

Vastlegging::Vastlegging() {
    ++Vastleggingen;
}

Vastlegging::~Vastlegging() {
    --Vastleggingen;
    // A run posted during the update found it busy and did nothing.
    if (!bezig()) verzend();
}

void voeruitgesteld() {
    while (!bezig() && !Wachtrij.empty()) {
        const Uitgesteld u = Wachtrij.front();
        Wachtrij.pop_front();
        voeruit(u);
    }
}
