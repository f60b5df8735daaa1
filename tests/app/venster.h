// What the match tests share: the window built as the program builds it, a
// recorder in place of the audio device, and a clock of the test's own. The
// tick counter and the wall clock run on one counter that moves only when
// the waits sleep (1 ms a round), so a think delay of 800 ms is 801 rounds of
// event dispatching and no real time; the two timers are set so long that
// they never fire by themselves: the tests call their handlers.
#pragma once

#include <QApplication>
#include <QTest>
#include <functional>
#include <vector>

#include "board.h"
#include "clocks.h"
#include "controls.h"
#include "cycle.h"
#include "datetime.h"
#include "events.h"
#include "form.h"
#include "geometry.h"
#include "holdback.h"
#include "humanmove.h"
#include "mode.h"
#include "opname.h"
#include "playback.h"
#include "random.h"
#include "record.h"
#include "replay.h"
#include "reset.h"
#include "soundrules.h"
#include "statusline.h"
#include "takeback.h"
#include "update.h"

namespace venster {

// Milliseconds since the test's clock started.
inline uint32_t Tijd;

// Called at every dispatch of the engine's hook, after the events; a test
// puts its plan here to act in the middle of a wait or an update. The plan
// returns whether it stays for the next dispatch; it is never entered
// twice at once.
inline std::function<bool()> Plan;
inline bool InPlan;

inline uint32_t neptik() {
    return Tijd;
}
inline void nepslaap(uint32_t ms) {
    Tijd += ms;
}
// How far the wall clock has been set forward (a manual setting, summer
// time): it moves Now, not the tick counter.
inline int64_t Verzet;

// A fixed day, so that clock texts do not depend on the date.
inline double nepnu() {
    return 46000.0 + (Tijd + Verzet) * OneMillisecond;
}
inline void pomp() {
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    if (Plan && !InPlan) {
        InPlan = true;
        const bool stays = Plan();
        InPlan = false;
        if (!stays) Plan = nullptr;
    }
}

inline Opname opname;

// A fresh window as the program creates it, on the test's clock.
inline TForm1* maakvenster() {
    // The state of a program that has just started: the creation hook
    // gives every layer's data its first values.
    Uitvoer = &opname;
    QApplication::setQuitOnLastWindowClosed(false);
    auto* form = new TForm1;
    form->FormCreate();
    // The computer's openings are the same in every run; another seed can
    // be tried with KALVOR_TEST_SEED.
    zaai(qEnvironmentVariableIsSet("KALVOR_TEST_SEED")
             ? uint64_t(qEnvironmentVariableIntValue("KALVOR_TEST_SEED"))
             : 20261208u);
    form->show();
    QApplication::processEvents();
    form->Klok->setInterval(1000 * 1000 * 1000);
    form->Herstartklok->setInterval(1000 * 1000 * 1000);
    Tijd = 0;
    Verzet = 0;
    Tikbron = neptik;
    Slaapbron = nepslaap;
    Nubron = nepnu;
    Berichtenpomp = pomp;
    Plan = nullptr;
    InPlan = false;
    opname.wis();
    return form;
}

inline void sluitvenster(TForm1*& form) {
    Plan = nullptr;
    delete form;
    form = nullptr;
    herstelbronnen();
    herstelnubron();
    QApplication::processEvents();
}

// The pointer moves onto the point and presses there.
inline void druk(TForm1* form, int c, int r) {
    form->BordMouseMove(kolomx(c), rijy(r));
    form->BordMouseDown();
}

// A game record laid out directly: `opener` is 1 (black) or 2 (white), the
// moves alternate from it. The sets follow, the board is redrawn.
inline void bouw(TForm1* form, int32_t opener, const std::vector<std::pair<int, int>>& moves) {
    beginpartij(opener);
    for (const auto& [c, r] : moves) legzet(c, r);
    form->tekenbord();
    toonstatus();
}

// The four checks every position must pass: the record within bounds and on
// free points, set 1 holding exactly the record, set 2 holding it too (but
// for the stone that ended a game, which set 2 never receives), and, in a
// running game with no update under way, the scores of both sets equal to
// an evaluation from scratch.
QString toestandsfout();

} // namespace venster
