// Kalvor: five in a row. One window; no arguments, no files, no settings.
#include <QApplication>

#include "form.h"
#include "platform.h"

int main(int argc, char** argv) {
    bewaakstart();
    QApplication app(argc, argv);
    startgelukt();
    // Lets the desktop match the window to its entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("nl.kalvor.kalvor"));
    TForm1 form;
    form.FormCreate();
    bewaakvenster(&form);
    form.show();
    return app.exec();
}
