// The program's four recordings and their playing by name. The wave
// resources are parsed once, at start-up, into a fixed table; playing a sound
// then only hands its samples, in place in the program's resources, to the
// output, which plays them without waiting, a new sound cutting off the one
// still playing. Whether a sound may be heard at all is match control's
// decision; the view only plays what it is asked to. Playback goes through a
// replaceable output, so tests can record what was played.
#pragma once

#include <QAudioFormat>
#include <QByteArray>
#include <QString>

class Geluiduitvoer {
  public:
    virtual ~Geluiduitvoer() = default;
    // name: the resource's upper-case name; samples: its data chunk, in
    // place in the program's resources; format: as its header states.
    virtual void speel(const QString& name, const QByteArray& samples,
                       const QAudioFormat& format) = 0;
};

// The output in use; the creation hook installs the audio device, tests a
// recorder. Null: nothing is played.
extern Geluiduitvoer* Uitvoer;

// The audio device output (QAudioSink in pull mode) on the device that is
// the default at this moment; silent, and quiet, when the machine has no
// audio output. Qt's audio messages are kept off standard error from now
// on: a sound server that fails or dies does not concern the player.
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
bool leesgolf(const QByteArray& wav, QAudioFormat& format, QByteArray& samples);
