// Sound requests and their playback. speelgeluid applies the mute rules,
// finds the named wave resource and hands its samples to the output, which
// plays them from memory without waiting; a new sound cuts off the one
// still playing. Playback goes through a replaceable output, so tests can
// record what was requested.
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

// The audio device output (QAudioSink in pull mode); silent, and quiet,
// when the machine has no audio output.
Geluiduitvoer* maakapparaatuitvoer();

void speelgeluid(const char* name);

// The whole wave file of a resource named in any case, in place in the
// resources; empty when there is none.
QByteArray golfdata(const QString& name);

// Reads a RIFF wave's format and finds its sample data (shared with wav,
// not copied). Takes 32-bit float (tag 3, or extensible with the float
// sub-format) and 16-bit integer samples; false for anything else or a
// damaged header.
bool leesgolf(const QByteArray& wav, QAudioFormat& format, QByteArray& samples);
