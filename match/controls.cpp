#include "controls.h"

#include <QMessageBox>

#include "board.h"
#include "clocks.h"
#include "cycle.h"
#include "events.h"
#include "form.h"
#include "holdback.h"
#include "pointer.h"
#include "replay.h"
#include "sound.h"
#include "statusline.h"
#include "style.h"
#include "version.h"

namespace {

// A player label takes the width of its text and is centred in its clock
// panel.
void noem(QLabel* label, const char* text) {
    label->setText(QString::fromUtf8(text));
    label->adjustSize();
    label->move((label->parentWidget()->width() - label->width()) / 2, label->y());
}

void zetmodus(bool mm, bool cm, bool cc) {
    ModeHumanHuman = mm;
    ModeComputerHuman = cm;
    ModeComputerComputer = cc;
}

} // namespace

void TForm1::MMClick() {
    if (houdtegen(Actie::MM)) return;
    noem(Speler1, "Mens");
    noem(Speler2, "Mens");
    Scoresnaar0Click();
    zetmodus(true, false, false);
}

void TForm1::CMClick() {
    if (houdtegen(Actie::CM)) return;
    noem(Speler1, "Computer 1");
    noem(Speler2, "Mens");
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
        HumanMayMove = true;
    }
    zetmodus(false, true, false);
}

void TForm1::CCClick() {
    if (houdtegen(Actie::CC)) return;
    noem(Speler1, "Computer 1");
    noem(Speler2, "Computer 2");
    // Both colours now belong to the computers.
    HumanMayMove = false;
    if (gamerunning()) computerzet();
    zetmodus(false, false, true);
}

void TForm1::GeluidcheckClick() {
    SoundOn = Geluidcheck->isChecked();
}

void TForm1::NummersClick() {
    tekenbord();
}

void TForm1::Scoresnaar0Click() {
    BlackWins = 0;
    WhiteWins = 0;
    toonstatus();
}

void TForm1::InfoClick() {
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Over Kalvor"),
                    QStringLiteral("Kalvor " KALVOR_VERSION "\n\n"
                                   "5 op een rijtje op een bord van 19 bij 19.\n"
                                   "De computer rekent niet vooruit: hij speelt het lege punt "
                                   "waar de vensters van vijf punten samen het meest waard "
                                   "zijn.\n\n"
                                   "Gebouwd met Qt " QT_VERSION_STR "."),
                    QMessageBox::Ok, this);
    box.exec();
}

void kiesstijl(int set, int style) {
    if (houdtegen(Actie::Stijl, set, style)) return;
    Vastlegging v;
    zetstijl(set, style);
}

void TForm1::Roekeloos1Click() {
    kiesstijl(1, Roekeloos);
}
void TForm1::Aanvallend1Click() {
    kiesstijl(1, Aanvallend);
}
void TForm1::Normaal1Click() {
    kiesstijl(1, Normaal);
}
void TForm1::Behoedzaam1Click() {
    kiesstijl(1, Behoedzaam);
}
void TForm1::Angstig1Click() {
    kiesstijl(1, Angstig);
}
void TForm1::Roekeloos2Click() {
    kiesstijl(2, Roekeloos);
}
void TForm1::Aanvallend2Click() {
    kiesstijl(2, Aanvallend);
}
void TForm1::Normaal2Click() {
    kiesstijl(2, Normaal);
}
void TForm1::Behoedzaam2Click() {
    kiesstijl(2, Behoedzaam);
}
void TForm1::Angstig2Click() {
    kiesstijl(2, Angstig);
}

void TForm1::FormClose() {
    // The pause loop ends, a replay draws its remaining stones at once, a
    // running chain plays no move after the one in progress, and nothing
    // waiting or timed starts another game.
    Paused = false;
    Replaying = false;
    wisuitgesteld();
    Herstartklok->stop();
    StapVoorStap->setChecked(true);
}

// The key table, on the key codes the key preview hands over; the
// keypad's Enter is Return too.
void TForm1::FormKeyDown(int key) {
    switch (key) {
    case Qt::Key_Backspace:
        ZetterugClick();
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        hervat();
        break;
    case Qt::Key_Pause:
        pauzeer();
        break;
    case Qt::Key_Escape:
        Replaying = false;
        break;
    case Qt::Key_Space:
        staptoets();
        break;
    case Qt::Key_Delete:
        Scoresnaar0Click();
        break;
    case Qt::Key_F1:
        InfoClick();
        break;
    default:
        break;
    }
}
