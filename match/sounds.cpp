#include "sounds.h"

#include "board.h"
#include "clocks.h"
#include "form.h"
#include "replay.h"
#include "sound.h"

void speelgeluid(const char* name) {
    if (Paused) return;
    const TForm1* f = Form1;
    if (f && (f->CC->isChecked() || Replaying) && !f->StapVoorStap->isChecked() &&
        f->Snel->isChecked() && GameState < BlackWon)
        return;
    speelklank(name);
}

void startgong() {
    const TForm1* f = Form1;
    if (f && f->CC->isChecked() && f->Snel->isChecked()) return;
    speelgeluid("Gong");
}

void steengeluid(bool white) {
    if (SoundOn && (GameState < BlackWon || Replaying)) speelgeluid(white ? "tik" : "tak");
}
