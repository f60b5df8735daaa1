#include "controls.h"

#include <QCoreApplication>

#include "board.h"
#include "clocks.h"
#include "cycle.h"
#include "events.h"
#include "holdback.h"
#include "humanmove.h"
#include "mode.h"
#include "replay.h"
#include "statusline.h"
#include "style.h"
#include "takeback.h"

namespace {

// The players' names as the window's clock panels give them.
QString mens() {
    return QCoreApplication::translate("Hoofdvenster", "Mens");
}
QString computer(int n) {
    return n == 1 ? QCoreApplication::translate("Hoofdvenster", "Computer 1")
                  : QCoreApplication::translate("Hoofdvenster", "Computer 2");
}

} // namespace

void kiesmensmens() {
    if (houdtegen(kiesmensmens)) return;
    if (Form1) Form1->toonspelers(mens(), mens());
    wisscores();
    onthoudmodus(Modus::MensMens);
}

void kiescomputermens() {
    if (houdtegen(kiescomputermens)) return;
    if (Form1) Form1->toonspelers(computer(1), mens());
    if (ModeHumanHuman && GameState == BlackToMove) {
        // The computer takes over black's turn.
        computerzet();
    }
    if (ModeComputerComputer && GameState == WhiteToMove) {
        // Usually a move of the chain waits in its think delay for white:
        // this move plays white, the waiting one then plays black, and the
        // person goes on as white.
        computerzet();
        wacht(800);
        laatmenszetten(true);
    }
    onthoudmodus(Modus::ComputerMens);
}

void kiescomputercomputer() {
    if (houdtegen(kiescomputercomputer)) return;
    if (Form1) Form1->toonspelers(computer(1), computer(2));
    // Both colours now belong to the computers.
    laatmenszetten(false);
    if (gamerunning()) computerzet();
    onthoudmodus(Modus::ComputerComputer);
}

void kiesstijl(int32_t set, int32_t style) {
    if (houdtegen(kiesstijl, set, style)) return;
    Vastlegging v;
    zetstijl(set, style);
}

void sluitaf() {
    eindpauze();
    zetnaspelen(false);
    wisuitgesteld();
    if (!Form1) return;
    Form1->Herstartklok->stop();
    Form1->vinkstapvoorstap();
}

void verwerktoets(int key) {
    begintoets();
    switch (key) {
    case Qt::Key_Backspace:
        neemzetterug();
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        hervat();
        break;
    case Qt::Key_Pause:
        pauzeer();
        break;
    case Qt::Key_Escape:
        zetnaspelen(false);
        break;
    case Qt::Key_Space:
        staptoets();
        break;
    case Qt::Key_Delete:
        wisscores();
        break;
    case Qt::Key_F1:
        if (Form1) Form1->toonover();
        break;
    default:
        break;
    }
}
