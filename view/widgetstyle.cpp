#include "widgetstyle.h"

#include <QApplication>

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
