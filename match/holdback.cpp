#include "holdback.h"

#include <QCoreApplication>
#include <deque>

#include "update.h"
#include "window.h"

namespace {

void voeruitgesteld();

// A call held back: a routine without arguments, or one with two.
struct Uitstel {
    void (*zonder)();
    void (*met)(int32_t, int32_t);
    int32_t a, b;
};

// Only a flood of clicks during one update makes this grow; a move never
// allocates.
std::deque<Uitstel> Wachtrij;
int32_t Vastleggingen; // commits, take-backs and style changes under way
bool Verzonden;        // a run of the calls held back has been posted

// The calls run from the event loop, not from the end of the commit that
// held them up: the commit finishes its own steps first, and a computer
// move that follows meets the call in its think delay, as it meets any
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

bool houdtegen(const Uitstel& u) {
    if (!bezig()) return false;
    Wachtrij.push_back(u);
    verzend();
    return true;
}

// Makes the calls held back, unless an update is under way.
void voeruitgesteld() {
    while (!bezig() && !Wachtrij.empty()) {
        const Uitstel u = Wachtrij.front();
        Wachtrij.pop_front();
        if (!Form1) continue; // a call held back outlives no window
        if (u.zonder)
            u.zonder();
        else
            u.met(u.a, u.b);
    }
}

} // namespace

bool bezig() {
    return UpdateDepth > 0 || Vastleggingen > 0;
}

bool houdtegen(void (*routine)()) {
    return houdtegen(Uitstel{routine, nullptr, 0, 0});
}

bool houdtegen(void (*routine)(int32_t, int32_t), int32_t a, int32_t b) {
    return houdtegen(Uitstel{nullptr, routine, a, b});
}

int32_t uitgesteldaantal() {
    return static_cast<int32_t>(Wachtrij.size());
}

int32_t uitgesteldaantal(void (*routine)()) {
    int32_t n = 0;
    for (const Uitstel& u : Wachtrij) n += u.zonder == routine;
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
