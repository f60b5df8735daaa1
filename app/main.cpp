// Kalvor: five in a row. One window; no arguments, no files, no settings.
#include <QApplication>

#include "form.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    // Lets the desktop match the window to its entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("nl.kalvor.kalvor"));
    TForm1 form;
    form.FormCreate();
    form.show();
    return app.exec();
}
