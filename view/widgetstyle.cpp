#include "widgetstyle.h"

#include <QApplication>
#include <QFontDatabase>

#include "geometry.h"

Vensterstijl::Vensterstijl() : QProxyStyle(QStringLiteral("Fusion")) {}

int Vensterstijl::styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                            QStyleHintReturn* data) const {
    if (hint == SH_ToolTip_WakeUpDelay) return 0;
    return QProxyStyle::styleHint(hint, option, widget, data);
}

int Vensterstijl::pixelMetric(PixelMetric metric, const QStyleOption* option,
                              const QWidget* widget) const {
    const int value = QProxyStyle::pixelMetric(metric, option, widget);
    switch (metric) {
    case PM_IndicatorWidth:
    case PM_IndicatorHeight:
    case PM_ExclusiveIndicatorWidth:
    case PM_ExclusiveIndicatorHeight:
    case PM_CheckBoxLabelSpacing:
    case PM_RadioButtonLabelSpacing:
    case PM_ButtonMargin:
        return qMax(1, schaalmaat(value, factor));
    default:
        return value;
    }
}

Vensterstijl* kiesvensterstijl() {
    if (auto* style = dynamic_cast<Vensterstijl*>(QApplication::style())) return style;
    auto* style = new Vensterstijl;
    QApplication::setStyle(style);
    QApplication::setPalette(style->standardPalette());
    return style;
}

// The window's face at a size in logical pixels: Liberation Sans, carried
// inside the program (SIL Open Font License), so that every caption is
// drawn alike on Linux and on Windows, with or without the face installed.
// The window was drawn for "MS Sans Serif", a face of Windows alone; of the
// faces that may be carried, Liberation Sans comes closest to its widths,
// so every caption fits its control at the size it was drawn for.
QFont vensterletter(int pixels) {
    static const bool geladen = [] {
        for (const char* file :
             {":/letters/LiberationSans-Regular.ttf", ":/letters/LiberationSans-Bold.ttf"})
            QFontDatabase::addApplicationFont(QString::fromLatin1(file));
        return true;
    }();
    Q_UNUSED(geladen);
    QFont f;
    f.setFamilies({QStringLiteral("Liberation Sans")});
    f.setStyleHint(QFont::SansSerif);
    f.setPixelSize(pixels);
    return f;
}
