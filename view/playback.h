// The program's four recordings and their playing by name. The wave
// resources are parsed once, at start-up, into a fixed table; playing a sound
// then only hands its samples, in place in the program's resources, to the
// output, which plays them without waiting, a new sound cutting off the one
// still playing. Whether a sound may be heard at all is match control's
// decision; the view only plays what it is asked to. Playback goes through a
// replaceable output, so tests can record what was played.
//
// The output itself is the one part that differs between the platforms, one
// file each, chosen by the build: playback_linux.cpp hands the samples to
// Qt Multimedia's audio sink, playback_windows.cpp the whole wave file to
// winmm's PlaySound.
#pragma once

#include <QByteArray>
#include <QString>

// The samples of a recording as its header describes them.
struct Golfformaat {
    enum Soort { Onbekend, Geheel16, Drijvend32 }; // 16-bit integer, 32-bit float
    Soort soort = Onbekend;
    int kanalen = 0;
    int frequentie = 0; // frames a second
    int framegrootte() const { return kanalen * (soort == Geheel16 ? 2 : 4); }
};

class Geluiduitvoer {
  public:
    virtual ~Geluiduitvoer() = default;
    // name: the resource's upper-case name; wav: the whole wave file and
    // samples its data chunk, both in place in the program's resources, so
    // they stay valid for the whole run; format: as its header states.
    virtual void speel(const QString& name, const QByteArray& wav, const QByteArray& samples,
                       const Golfformaat& format) = 0;
};

// The output in use; the creation hook installs the audio device, tests a
// recorder. Null: nothing is played.
extern Geluiduitvoer* Uitvoer;

// The platform's audio output on the device that is the default at this
// moment; it returns at once, and a new sound cuts off the one playing.
// Silent, and quiet, when the machine has no audio output: on Linux Qt's
// audio messages are kept off standard error from now on, since a sound
// server that fails or dies does not concern the player.
Geluiduitvoer* maakapparaatuitvoer();

// Parses GONG, KLOKTIK, TIK and TAK into the table; a recording that is
// missing or damaged stays out of it. Only the first call does the work.
void laadgeluiden();

// Plays the recording of that name, given in any case, at once; nothing
// when it is not in the table or there is no output.
void speelklank(const char* name);

// The whole wave file of a resource named in any case, in place in the
// resources; empty when there is none.
QByteArray golfdata(const QString& name);

// Reads a RIFF wave's format and finds its sample data (shared with wav,
// not copied). Takes 32-bit float (tag 3, or extensible with the float
// sub-format) and 16-bit integer samples; false for anything else or a
// damaged header.
bool leesgolf(const QByteArray& wav, Golfformaat& format, QByteArray& samples);

// Whether the RIFF chunk and every chunk in it, the data chunk included,
// end within the bytes there are: what a player needs that is given no
// length and reads as far as the file's own sizes say (PlaySound).
bool golfheel(const QByteArray& wav);
