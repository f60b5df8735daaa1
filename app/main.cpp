// Kalvor: five in a row. One window; no files, no settings. The command
// line only asks for the version or a word of help, which are printed
// without opening a window; anything else is the window's toolkit's.
#include <QApplication>
#include <cstring>

#include "form.h"
#include "language.h"
#include "platform.h"
#include "terminal.h"
#include "version.h"

namespace {

// --version and --help (or -h): the answer on standard output, and true.
bool beantwoord(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        QString text;
        if (std::strcmp(argv[i], "--version") == 0)
            text = QStringLiteral("kalvor " KALVOR_VERSION "\n");
        else if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0)
            text = vertaal("Hulp",
                           QT_TRANSLATE_NOOP("Hulp", "Gebruik: kalvor [--help] [--version]\n"
                                                     "\n"
                                                     "Kalvor is vijf op een rij (\"5 op een "
                                                     "rijtje\") in \u00e9\u00e9n venster: zwart "
                                                     "en wit zetten om beurten een steen op een "
                                                     "bord van 19 bij 19 lijnen, en wie als "
                                                     "eerste vijf op een rij heeft, wint. Mens "
                                                     "tegen mens, de computer tegen een mens, of "
                                                     "twee computers tegen elkaar.\n"
                                                     "\n"
                                                     "  --help, -h   toont deze tekst\n"
                                                     "  --version    toont de versie\n"
                                                     "\n"
                                                     "Zonder argumenten opent het spel zijn "
                                                     "venster; F1 legt daar de rest uit.\n"));
        else
            continue;
        schrijfterminal(text);
        return true;
    }
    return false;
}

} // namespace

int main(int argc, char** argv) {
    kiestaal();
    if (beantwoord(argc, argv)) return 0;
    bewaakstart();
    QApplication app(argc, argv);
    startgelukt();
    kiestaal();
    // Lets the desktop match the window to its entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("nl.kalvor.kalvor"));
    TForm1 form;
    form.FormCreate();
    bewaakvenster(&form);
    form.show();
    return app.exec();
}
