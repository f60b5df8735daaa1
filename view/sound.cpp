#include "sound.h"

#include <QAudioFormat>
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
    QFile f(":/" + name.toLower() + ".wav");
    if (!f.exists() || !f.open(QIODevice::ReadOnly)) return {};
    // Resources are stored uncompressed, so the data can be used in place.
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
    const QByteArray data = golfdata(n);
    if (data.isEmpty() || !Uitvoer) return;
    Uitvoer->speel(n, data);
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

// Finds the format and the sample data of a RIFF wave by walking its chunks.
bool leeswave(const QByteArray& wav, QAudioFormat& format, qsizetype& offset, qsizetype& size) {
    if (wav.size() < 12 || !wav.startsWith("RIFF") || wav.mid(8, 4) != "WAVE") return false;
    bool haveFormat = false;
    qsizetype pos = 12;
    while (pos + 8 <= wav.size()) {
        const char* chunk = wav.constData() + pos;
        const qsizetype len = le32(chunk + 4);
        const qsizetype body = pos + 8;
        if (body + len > wav.size() && QByteArray(chunk, 4) != "data") return false;
        if (QByteArray(chunk, 4) == "fmt " && len >= 16) {
            const uint16_t tag = le16(chunk + 8), bits = le16(chunk + 22);
            const bool isFloat = tag == 3 || (tag == 0xFFFE && len >= 40 && le16(chunk + 32) == 3);
            format.setChannelCount(le16(chunk + 10));
            format.setSampleRate(int(le32(chunk + 12)));
            if (isFloat && bits == 32)
                format.setSampleFormat(QAudioFormat::Float);
            else if (tag == 1 && bits == 16)
                format.setSampleFormat(QAudioFormat::Int16);
            else
                return false;
            haveFormat = true;
        } else if (QByteArray(chunk, 4) == "data") {
            offset = body;
            size = qMin(len, wav.size() - body);
            return haveFormat;
        }
        pos = body + len + (len & 1);
    }
    return false;
}

class Apparaatuitvoer : public Geluiduitvoer {
  public:
    void speel(const QString&, const QByteArray& data) override {
        if (QMediaDevices::audioOutputs().isEmpty()) return;
        QAudioFormat format;
        qsizetype offset = 0, size = 0;
        if (!leeswave(data, format, offset, size)) return;
        // The new sound cuts off the old one.
        if (sink) sink->stop();
        sink.reset();
        buffer.reset();
        samples = QByteArray::fromRawData(data.constData() + offset, int(size));
        buffer = std::make_unique<QBuffer>(&samples);
        buffer->open(QIODevice::ReadOnly);
        sink = std::make_unique<QAudioSink>(QMediaDevices::defaultAudioOutput(), format);
        sink->start(buffer.get());
    }

  private:
    QByteArray samples;
    std::unique_ptr<QBuffer> buffer;
    std::unique_ptr<QAudioSink> sink;
};

} // namespace

Geluiduitvoer* maakapparaatuitvoer() {
    return new Apparaatuitvoer;
}
