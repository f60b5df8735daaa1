#include "mode.h"

bool ModeHumanHuman, ModeComputerHuman, ModeComputerComputer;
bool Replaying;

Modus modusnu() {
    return Form1 ? Form1->modus() : Modus::ComputerMens;
}

void onthoudmodus(Modus mode) {
    ModeHumanHuman = mode == Modus::MensMens;
    ModeComputerHuman = mode == Modus::ComputerMens;
    ModeComputerComputer = mode == Modus::ComputerComputer;
}

void zetnaspelen(bool paced) {
    Replaying = paced;
}

bool snelspel() {
    const Hoofdvenster* f = Form1;
    return f && (modusnu() == Modus::ComputerComputer || Replaying) && f->snel() &&
           !f->stapvoorstap();
}

void beginmodus() {
    onthoudmodus(Modus::ComputerMens);
    Replaying = false;
}
