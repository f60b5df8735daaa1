#include "soundrules.h"

#include "board.h"
#include "clocks.h"
#include "mode.h"
#include "playback.h"

bool SoundOn;

void volggeluid() {
    if (Form1) SoundOn = Form1->geluid();
}

void speelgeluid(const char* name) {
    if (Paused) return;
    if (snelspel() && GameState < BlackWon) return;
    speelklank(name);
}

void startgong() {
    const Hoofdvenster* f = Form1;
    if (f && modusnu() == Modus::ComputerComputer && f->snel()) return;
    speelgeluid("Gong");
}

void steengeluid(int32_t n) {
    const int32_t code = MoveList[n].code;
    const EvalRecord& s = EvalSet[1];
    if (code != s.WhiteCode && code != s.BlackCode) return;
    if (SoundOn && (GameState < BlackWon || Replaying))
        speelgeluid(code == s.WhiteCode ? "tik" : "tak");
}

void begingeluid() {
    SoundOn = true;
}
