// The handlers of the window's controls: each hands its event to the
// routine of match control, or of the view, that owns it.
#include "controls.h"
#include "cycle.h"
#include "form.h"
#include "humanmove.h"
#include "replay.h"
#include "soundrules.h"
#include "statusline.h"
#include "style.h"
#include "takeback.h"
#include "tick.h"

void TForm1::StartknopClick() {
    startpartij();
}
void TForm1::ZetterugClick() {
    neemzetterug();
}
void TForm1::ToonPartijClick() {
    speelpartijna();
}
void TForm1::Scoresnaar0Click() {
    wisscores();
}
void TForm1::InfoClick() {
    toonover();
}
void TForm1::MMClick() {
    kiesmensmens();
}
void TForm1::CMClick() {
    kiescomputermens();
}
void TForm1::CCClick() {
    kiescomputercomputer();
}
void TForm1::GeluidcheckClick() {
    volggeluid();
}
void TForm1::NummersClick() {
    ::tekenbord();
}
void TForm1::StapVoorStapClick() {
    volgstapvoorstap();
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
void TForm1::KlokTimer() {
    tikklok();
}
void TForm1::HerstartklokTimer() {
    herstartpartij();
}
void TForm1::FormClose() {
    sluitaf();
}
void TForm1::FormKeyDown(int key) {
    verwerktoets(key);
}
void TForm1::BordMouseMove(int x, int y) {
    volgmuis(x, y);
}
void TForm1::BordMouseDown() {
    drukbord();
}
void TForm1::BordKeyDown(int c, int r) {
    kiespunt(c, r);
}
void TForm1::tekenbord() {
    ::tekenbord();
}
bool TForm1::handShown() const {
    return HandShown;
}
