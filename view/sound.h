// Sound requests and their playback. speelgeluid applies the mute rules and
// plays the named wave resource from memory without waiting for it; a new
// sound cuts off the one still playing. Playback goes through a replaceable
// output, so tests can record what was requested.
#pragma once

#include <QByteArray>
#include <QString>

class Geluiduitvoer {
  public:
    virtual ~Geluiduitvoer() = default;
    // name is the resource's upper-case name; data the whole wave file.
    virtual void speel(const QString& name, const QByteArray& data) = 0;
};

// The output in use; the app installs the audio device, tests a recorder.
// Null: nothing is played.
extern Geluiduitvoer* Uitvoer;

// The audio device output (QAudioSink, float wave data played from the
// mapped resource); silent without a device.
Geluiduitvoer* maakapparaatuitvoer();

void speelgeluid(const char* name);

// The wave data of a resource by name in any case; empty when there is none.
QByteArray golfdata(const QString& name);
