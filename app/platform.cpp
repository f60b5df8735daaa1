#include "platform.h"

#include <QAbstractNativeEventFilter>
#include <QByteArray>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QMutex>
#include <QPointer>
#include <QScreen>
#include <QStringList>
#include <QWidget>
#include <cstdio>
#include <cstdlib>

#include "language.h"

namespace {

QtMessageHandler Vorige;
// Held back while the platform starts; its event thread may report too.
QMutex Slot;
QStringList Vastgehouden; // the platform's reports while it starts
struct Bericht {
    QtMsgType soort;
    QString tekst;
};
QList<Bericht> Wachtendeberichten; // every message, until the platform has started

// The cause in the player's words. An X server that cannot be reached is by
// far the common case (a terminal without a graphical session, a remote
// shell); anything else is named by what the platform said first.
QString oorzaak() {
    const QByteArray display = qgetenv("DISPLAY");
    for (const QString& m : Vastgehouden)
        if (m.contains(QLatin1String("could not connect to display"))) {
            if (display.isEmpty())
                return vertaal("Start",
                               QT_TRANSLATE_NOOP("Start", "geen beeldscherm gevonden: DISPLAY "
                                                          "is niet gezet. Start Kalvor in een "
                                                          "grafische sessie."));
            return vertaal("Start", QT_TRANSLATE_NOOP("Start", "kan het beeldscherm DISPLAY=%1 "
                                                               "niet bereiken. Start Kalvor in "
                                                               "een grafische sessie."))
                .arg(QString::fromLocal8Bit(display));
        }
    const QString eerste = Vastgehouden.isEmpty() ? QString() : Vastgehouden.first();
    return vertaal("Start", QT_TRANSLATE_NOOP("Start", "het grafische platform kon niet starten%1"))
        .arg(eerste.isEmpty() ? QString(".") : QStringLiteral(": ") + eerste);
}

void startmelder(QtMsgType type, const QMessageLogContext& context, const QString& msg) {
    const QMutexLocker lock(&Slot);
    if (type == QtFatalMsg) {
        std::fprintf(stderr, "kalvor: %s\n", qPrintable(oorzaak()));
        std::fflush(stderr);
        std::_Exit(1);
    }
    const bool platform = context.category && qstrncmp(context.category, "qt.qpa", 6) == 0;
    if (platform) Vastgehouden << msg;
    Wachtendeberichten.append({type, msg});
}

// The destroy notification of the X protocol, as the xcb platform hands its
// events over: the event code, the window whose children are watched, and
// the window destroyed.
struct XcbVernietigd {
    uint8_t response_type;
    uint8_t pad0;
    uint16_t sequence;
    uint32_t event;
    uint32_t window;
};
constexpr uint8_t XcbDestroyNotify = 17;

class Vensterwacht : public QAbstractNativeEventFilter {
  public:
    explicit Vensterwacht(QWidget* w) : venster(w) {}
    bool nativeEventFilter(const QByteArray& type, void* message, qintptr*) override {
        if (type != "xcb_generic_event_t" || !venster) return false;
        const auto* e = static_cast<const XcbVernietigd*>(message);
        if ((e->response_type & 0x7f) != XcbDestroyNotify || e->window == 0 ||
            e->window != venster->internalWinId())
            return false;
        // Closed from the event loop, after the notification is handled.
        QMetaObject::invokeMethod(venster, &QWidget::close, Qt::QueuedConnection);
        return false;
    }

  private:
    QPointer<QWidget> venster;
};

} // namespace

void bewaakstart() {
    Vorige = qInstallMessageHandler(startmelder);
}

void startgelukt() {
    qInstallMessageHandler(Vorige);
    const QMutexLocker lock(&Slot);
    for (const Bericht& b : Wachtendeberichten) {
        switch (b.soort) {
        case QtDebugMsg:
            qDebug("%s", qPrintable(b.tekst));
            break;
        case QtInfoMsg:
            qInfo("%s", qPrintable(b.tekst));
            break;
        default:
            qWarning("%s", qPrintable(b.tekst));
            break;
        }
    }
    Wachtendeberichten.clear();
    Vastgehouden.clear();
}

void bewaakvenster(QWidget* window) {
    static Vensterwacht* wacht = nullptr;
    if (wacht) QCoreApplication::instance()->removeNativeEventFilter(wacht);
    delete wacht;
    wacht = new Vensterwacht(window);
    QCoreApplication::instance()->installNativeEventFilter(wacht);
}

QRect werkgebied(const QScreen* screen) {
    if (!screen) return QRect(0, 0, 1600, 1000);
    QRect area = screen->availableGeometry();
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland")) &&
        area == screen->geometry())
        area.setTop(area.top() + qMax(48, area.height() * 6 / 100));
    return area;
}

QMargins geschatterand() {
    return QMargins(4, 32, 4, 4);
}

QMargins echterand(const QWidget* window) {
    const QRect outer = window->frameGeometry(), inner = window->geometry();
    return QMargins(inner.left() - outer.left(), inner.top() - outer.top(),
                    outer.right() - inner.right(), outer.bottom() - inner.bottom());
}
