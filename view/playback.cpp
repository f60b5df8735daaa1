#include "playback.h"

#include <QFile>

Geluiduitvoer* Uitvoer;

namespace {

// The recordings by their upper-case names; each entry is filled once and
// then only read.
struct Klank {
    const char* name;
    QByteArray wav; // the whole file, where the resources keep it
    Golfformaat format;
    QByteArray samples; // the data chunk within wav; empty: not available
};
Klank Klanken[] = {
    {"GONG", {}, {}, {}}, {"KLOKTIK", {}, {}, {}}, {"TIK", {}, {}, {}}, {"TAK", {}, {}, {}}};
bool Geladen;

} // namespace

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

void laadgeluiden() {
    if (Geladen) return;
    Geladen = true;
    for (Klank& k : Klanken) {
        // The samples point into the file's bytes, which the table therefore
        // keeps: in place in the resources, or a copy where they cannot be
        // mapped.
        k.wav = golfdata(QString::fromLatin1(k.name));
        if (k.wav.isEmpty() || !leesgolf(k.wav, k.format, k.samples)) k.samples.clear();
    }
}

void speelklank(const char* name) {
    if (!Uitvoer || !name) return;
    for (const Klank& k : Klanken)
        if (qstricmp(k.name, name) == 0) {
            if (!k.samples.isEmpty())
                Uitvoer->speel(QString::fromLatin1(k.name), k.wav, k.samples, k.format);
            return;
        }
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

bool leesgolf(const QByteArray& wav, Golfformaat& format, QByteArray& samples) {
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
                format.soort = Golfformaat::Drijvend32;
            else if (isInt && bits == 16)
                format.soort = Golfformaat::Geheel16;
            else
                return false;
            format.kanalen = channels;
            format.frequentie = int(rate);
            haveFormat = true;
        } else if (isData) {
            if (!haveFormat) return false;
            qsizetype size = qMin(len, wav.size() - body);
            size -= size % format.framegrootte(); // whole frames only
            samples = QByteArray::fromRawData(wav.constData() + body, size);
            return size > 0;
        }
        pos = body + len + (len & 1);
    }
    return false;
}

bool golfheel(const QByteArray& wav) {
    if (wav.size() < 12 || le32(wav.constData() + 4) > uint32_t(wav.size() - 8)) return false;
    qsizetype pos = 12;
    while (pos + 8 <= wav.size()) {
        const qsizetype len = le32(wav.constData() + pos + 4);
        if (len > wav.size() - pos - 8) return false;
        pos += 8 + len + (len & 1);
    }
    return true;
}
