#include "sound.h"

#include <QAudioSink>
#include <QBuffer>
#include <QFile>
#include <QMediaDevices>
#include <memory>

#include "board.h"
#include "flags.h"
#include "form.h"

Geluiduitvoer* Uitvoer;

QByteArray golfdata(const QString& name) {
    // Resource names are case-sensitive; the sounds are stored in lower case.
    QFile f(":/" + name.toLower() + ".wav");
    if (!f.exists() || !f.open(QIODevice::ReadOnly)) return {};
    // Stored uncompressed, so the data can be used where it lies; the
    // pointer into the resources stays valid for the whole run.
    const uchar* p = f.map(0, f.size());
    if (p) return QByteArray::fromRawData(reinterpret_cast<const char*>(p), int(f.size()));
    return f.readAll();
}

void speelgeluid(const char* name) {
    if (Paused) return;
    TForm1* f = Form1;
    if (f && (f->CC->isChecked() || Replaying) && !f->StapVoorStap->isChecked() &&
        f->Snel->isChecked() && GameState < BlackWon)
        return;
    const QString n = QString::fromLatin1(name).toUpper();
    const QByteArray wav = golfdata(n);
    QAudioFormat format;
    QByteArray samples;
    if (wav.isEmpty() || !leesgolf(wav, format, samples) || !Uitvoer) return;
    Uitvoer->speel(n, samples, format);
}

namespace {

uint32_t le32(const char* p) {
    const auto* u = reinterpret_cast<const uchar*>(p);
    return u[0] | (u[1] << 8) | (u[2] << 16) | (uint32_t(u[3]) << 24);
}
uint16_t le16(const char* p) {
    const auto* u = reinterpret_cast<const uchar*>(p);
    return uint16_t(u[0] | (u[1] << 8));
}

} // namespace

bool leesgolf(const QByteArray& wav, QAudioFormat& format, QByteArray& samples) {
    if (wav.size() < 12 || !wav.startsWith("RIFF") || wav.mid(8, 4) != "WAVE") return false;
    bool haveFormat = false;
    qsizetype pos = 12;
    while (pos + 8 <= wav.size()) {
        const char* chunk = wav.constData() + pos;
        const qsizetype len = le32(chunk + 4);
        const qsizetype body = pos + 8;
        const bool isData = QByteArray(chunk, 4) == "data";
        // A data chunk cut short still plays what is there; any other chunk
        // reaching past the end means a damaged file.
        if (len > wav.size() - body && !isData) return false;
        if (QByteArray(chunk, 4) == "fmt " && len >= 16) {
            const uint16_t tag = le16(chunk + 8), channels = le16(chunk + 10),
                           bits = le16(chunk + 22);
            const uint32_t rate = le32(chunk + 12);
            const bool isFloat = tag == 3 || (tag == 0xFFFE && len >= 40 && le16(chunk + 32) == 3);
            const bool isInt = tag == 1 || (tag == 0xFFFE && len >= 40 && le16(chunk + 32) == 1);
            if (channels < 1 || channels > 8 || rate < 1000 || rate > 384000) return false;
            if (isFloat && bits == 32)
                format.setSampleFormat(QAudioFormat::Float);
            else if (isInt && bits == 16)
                format.setSampleFormat(QAudioFormat::Int16);
            else
                return false;
            format.setChannelCount(channels);
            format.setSampleRate(int(rate));
            haveFormat = true;
        } else if (isData) {
            if (!haveFormat) return false;
            qsizetype size = qMin(len, wav.size() - body);
            size -= size % format.bytesPerFrame(); // whole frames only
            samples = QByteArray::fromRawData(wav.constData() + body, size);
            return size > 0;
        }
        pos = body + len + (len & 1);
    }
    return false;
}

namespace {

class Apparaatuitvoer : public Geluiduitvoer {
  public:
    void speel(const QString&, const QByteArray& data, const QAudioFormat& format) override {
        // Without an output device every start would print a warning.
        if (QMediaDevices::audioOutputs().isEmpty()) return;
        // The new sound cuts off the old one: its sink is stopped and
        // deleted before the next starts.
        if (sink) sink->stop();
        sink.reset();
        buffer.reset();
        samples = data;
        buffer = std::make_unique<QBuffer>(&samples);
        buffer->open(QIODevice::ReadOnly);
        sink = std::make_unique<QAudioSink>(QMediaDevices::defaultAudioOutput(), format);
        sink->start(buffer.get()); // pull mode: returns at once, Qt reads as it plays
    }

  private:
    QByteArray samples;
    std::unique_ptr<QBuffer> buffer;
    std::unique_ptr<QAudioSink> sink;
};

// The first look at the audio devices connects to the sound server; on a
// machine without one that connection reports its failure on the console,
// which is nothing the user needs to hear about: the program is simply
// silent.
QtMessageHandler VorigeMelder;
void stillemelder(QtMsgType type, const QMessageLogContext& context, const QString& msg) {
    if (msg.startsWith(QLatin1String("PulseAudioService:"))) return;
    if (VorigeMelder) VorigeMelder(type, context, msg);
}

} // namespace

Geluiduitvoer* maakapparaatuitvoer() {
    VorigeMelder = qInstallMessageHandler(stillemelder);
    QMediaDevices::audioOutputs();
    qInstallMessageHandler(VorigeMelder);
    return new Apparaatuitvoer;
}
