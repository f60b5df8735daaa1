// The audio output on Linux and the other platforms with Qt Multimedia: an
// audio sink in pull mode, fed straight from the resource. A sink starts in
// a millisecond or two and plays on by itself; a new sound stops and
// replaces it.
#include <QAudioFormat>
#include <QAudioSink>
#include <QBuffer>
#include <QMediaDevices>
#include <memory>

#include "playback.h"

namespace {

QAudioFormat qtformaat(const Golfformaat& g) {
    QAudioFormat format;
    format.setSampleFormat(g.soort == Golfformaat::Geheel16 ? QAudioFormat::Int16
                                                            : QAudioFormat::Float);
    format.setChannelCount(g.kanalen);
    format.setSampleRate(g.frequentie);
    return format;
}

class Apparaatuitvoer : public Geluiduitvoer {
  public:
    explicit Apparaatuitvoer(const QAudioDevice& device) : apparaat(device) {}

    void speel(const QString&, const QByteArray&, const QByteArray& data,
               const Golfformaat& format) override {
        // Without an output device every start would print a warning.
        if (apparaat.isNull()) return;
        // The new sound cuts off the old one: its sink is stopped and
        // deleted before the next starts.
        if (sink) sink->stop();
        sink.reset();
        buffer.reset();
        samples = data;
        buffer = std::make_unique<QBuffer>(&samples);
        buffer->open(QIODevice::ReadOnly);
        sink = std::make_unique<QAudioSink>(apparaat, qtformaat(format));
        sink->start(buffer.get()); // pull mode: returns at once, Qt reads as it plays
    }

  private:
    QAudioDevice apparaat; // null when the machine had no output at start-up
    QByteArray samples;
    std::unique_ptr<QBuffer> buffer;
    std::unique_ptr<QAudioSink> sink;
};

// Qt's audio layer reports on the console what the player has no use for:
// the failed connection to a sound server on a machine without one, and the
// lost stream when the server goes away during a game (the game goes on,
// silent). The filter stays in place for the whole run, since either can
// happen at any time.
QtMessageHandler VorigeMelder;
void stillemelder(QtMsgType type, const QMessageLogContext& context, const QString& msg) {
    // Some of them arrive quoted, as Qt's debug stream writes a string.
    QStringView text(msg);
    if (text.startsWith(u'"')) text = text.mid(1);
    if (text.startsWith(u"PulseAudioService:") || text.startsWith(u"Stream error:")) return;
    if (VorigeMelder) VorigeMelder(type, context, msg);
}

} // namespace

Geluiduitvoer* maakapparaatuitvoer() {
    static bool filter = false;
    if (!filter) {
        VorigeMelder = qInstallMessageHandler(stillemelder);
        filter = true;
    }
    const QAudioDevice device = QMediaDevices::audioOutputs().isEmpty()
                                    ? QAudioDevice()
                                    : QMediaDevices::defaultAudioOutput();
    return new Apparaatuitvoer(device);
}
