// The audio output on Windows: winmm's PlaySound, which takes a whole wave
// file from memory and plays it asynchronously, a new sound cutting off the
// one still playing. The file is the resource's own bytes, which stay where
// they are for the whole run, as PlaySound requires of memory it plays from.
// Without an audio device PlaySound fails quietly and nothing is heard.
#include <windows.h>

#include <mmsystem.h>

#include "playback.h"

namespace {

class Winmmuitvoer : public Geluiduitvoer {
  public:
    void speel(const QString&, const QByteArray& wav, const QByteArray&,
               const Golfformaat&) override {
        // PlaySound is given no length: it reads as far as the file's own
        // chunk sizes say. A file cut short is therefore not handed over.
        if (!golfheel(wav)) return;
        // SND_NODEFAULT: a recording Windows cannot play stays silent
        // instead of sounding the system's default beep.
        PlaySoundA(wav.constData(), nullptr, SND_ASYNC | SND_MEMORY | SND_NODEFAULT);
    }
};

} // namespace

Geluiduitvoer* maakapparaatuitvoer() {
    return new Winmmuitvoer;
}
