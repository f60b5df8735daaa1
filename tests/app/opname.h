// A recorder in place of the audio device: every sound played, in order,
// with the tick at which it began by the engine's tick counter (the test's
// clock where a test installs one), and the format and size in bytes of its
// samples.
#pragma once

#include <QStringList>
#include <vector>

#include "events.h"
#include "playback.h"

struct Klank {
    QString name;
    uint32_t at;
};

class Opname : public Geluiduitvoer {
  public:
    std::vector<Klank> klanken;
    QStringList names;
    QList<Golfformaat> formats;
    QList<qsizetype> sizes;
    void speel(const QString& name, const QByteArray&, const QByteArray& samples,
               const Golfformaat& format) override {
        klanken.push_back({name, Tikbron()});
        names << name;
        formats << format;
        sizes << samples.size();
    }
    QStringList namen() const { return names; }
    void wis() {
        klanken.clear();
        names.clear();
        formats.clear();
        sizes.clear();
    }
};
