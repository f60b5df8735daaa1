// The window's look: its face, and its widget style: Qt's Fusion, the same on Linux and on
// Windows (it is part of Qt Widgets, so both builds have it), with its own
// palette rather than the desktop's, so that the window looks alike
// everywhere. Tooltips appear at once. The parts of radio buttons, check
// boxes and buttons that the style sizes itself (the round and square
// indicators, the space before a caption, a button's margin) follow the
// window's layout factor, as the captions do; the window's scaling gives
// the style its factor.
#pragma once

#include <QProxyStyle>

class Vensterstijl : public QProxyStyle {
  public:
    Vensterstijl();
    void zetfactor(double f) { factor = f; }
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* data) const override;
    int pixelMetric(PixelMetric metric, const QStyleOption* option,
                    const QWidget* widget) const override;

  private:
    double factor = 1.0;
};

// Makes the window style the application's, with its palette, unless it is
// already; returns it.
Vensterstijl* kiesvensterstijl();

// The window's face, regular, at a size in logical pixels (bold captions
// start from it too).
QFont vensterletter(int pixels);
