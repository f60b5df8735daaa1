// An image control: a widget showing a picture. The board's transparent
// layers hold a picture on the key colour RGB(0, 128, 0) and show only what
// is not that colour, so the layers below show through; the wood layer
// shows its picture stretched with its aspect ratio kept, anchored at the
// top-left corner.
#pragma once

#include <QImage>
#include <QPixmap>
#include <QWidget>

inline const QRgb KeyColour = qRgb(0, 128, 0);

class Beeldlaag : public QWidget {
  public:
    enum Soort { Transparant, Hout, Verborgen };
    Beeldlaag(QWidget* parent, Soort soort);

    // The picture; callers draw on it and then call vernieuw().
    QImage Picture;
    void vernieuw(); // the picture changed: show it anew

  protected:
    void paintEvent(QPaintEvent*) override;

  private:
    Soort soort;
    QPixmap shown; // the picture with the key colour made transparent
    bool stale = true;
};
