#include "language.h"

#include <QCoreApplication>
#include <QLocale>
#include <QTranslator>

namespace {

// The English translation, loaded when English is asked for; null for
// Dutch. Lives for the whole run.
QTranslator* Engels;
bool Gekozen, Geinstalleerd;

} // namespace

bool engelsgevraagd(const QStringList& languages) {
    for (const QString& language : languages) {
        const QString code =
            language.section(QLatin1Char('-'), 0, 0).section(QLatin1Char('_'), 0, 0).toLower();
        if (code == QLatin1String("nl")) return false;
        if (code == QLatin1String("en")) return true;
    }
    return false;
}

void kiestaal() {
    if (!Gekozen) {
        Gekozen = true;
        if (engelsgevraagd(QLocale::system().uiLanguages())) {
            Engels = new QTranslator;
            if (!Engels->load(QStringLiteral(":/i18n/kalvor_en.qm"))) {
                delete Engels;
                Engels = nullptr;
            }
        }
    }
    if (Engels && !Geinstalleerd && QCoreApplication::instance())
        Geinstalleerd = QCoreApplication::installTranslator(Engels);
}

QString vertaal(const char* context, const char* text) {
    if (Engels) {
        const QString translated = Engels->translate(context, text);
        if (!translated.isEmpty()) return translated;
    }
    return QString::fromUtf8(text);
}
