// A provisional game cycle, until match control takes these handlers over:
// a new game with alternating openers, the person's move, and the computer's
// reply in the two computer modes. Clocks, take-back, replay, pause and the
// automatic restart are not here yet.
#include <QMessageBox>

#include "board.h"
#include "choice.h"
#include "events.h"
#include "flags.h"
#include "form.h"
#include "pointer.h"
#include "sound.h"
#include "status.h"
#include "update.h"

namespace {

int32_t GamesStarted;

void toonstatus() {
    const std::string text = statustekst(GameState, MoveCount, 0, 0, 0.375);
    if (!text.empty()) Form1->Krant->setText(QString::fromStdString(text));
    Form1->Krant->repaint();
}

void computerzet();

void commit(int32_t c, int32_t r) {
    legzet(c, r);
    toonstatus();
    Form1->tekensteen(MoveCount);
}

void computerzet() {
    const int32_t game = GamesStarted;
    if (!gamerunning()) return;
    denkna(Form1->Snel->isChecked() ? 50 : 800);
    if (!gamerunning() || game != GamesStarted) return;
    if (kieszet()) commit(TargetCol, TargetRow);
    toonstatus();
    if (gamerunning()) {
        if (Form1->CC->isChecked())
            computerzet();
        else
            HumanMayMove = true;
    }
}

} // namespace

void TForm1::StartknopClick() {
    nieuwepartij();
    Startknop->setText("Nieuwe partij");
    MoveCount = 0;
    ++GamesStarted;
    SideToMove = GamesStarted % 2 ? EvalSet[1].BlackCode : EvalSet[1].WhiteCode;
    GameState = GamesStarted % 2 ? BlackToMove : WhiteToMove;
    HumanMayMove = false;
    toonstatus();
    tekenbord();
    if ((CM->isChecked() && GameState == BlackToMove) || CC->isChecked())
        computerzet();
    else
        HumanMayMove = true;
}

void TForm1::zetmens() {
    HumanMayMove = false;
    setCursor(Qt::ArrowCursor);
    commit(TargetCol, TargetRow);
    if (CM->isChecked() || CC->isChecked())
        computerzet();
    else
        HumanMayMove = true;
}

void TForm1::ZetterugClick() {}
void TForm1::ToonPartijClick() {}
void TForm1::Scoresnaar0Click() {}
void TForm1::InfoClick() {
    QMessageBox::information(
        this, windowTitle(),
        "Kalvor 0.1.0\nVijf op een rij: een partij op een bord van 19 bij 19.");
}
void TForm1::MMClick() {}
void TForm1::CMClick() {}
void TForm1::CCClick() {}
void TForm1::GeluidcheckClick() {
    SoundOn = Geluidcheck->isChecked();
}
void TForm1::NummersClick() {
    tekenbord();
}
void TForm1::StapVoorStapClick() {}
void TForm1::KlokTimer() {}
void TForm1::HerstartklokTimer() {}
void TForm1::FormClose() {
    StapVoorStap->setChecked(true);
}
void TForm1::FormKeyDown(int) {}
