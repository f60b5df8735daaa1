// An image control: a widget showing a picture. The board's transparent
// layers hold a picture on the key colour RGB(0, 128, 0) and show only what
// is not that colour, so the layers below show through; the wood layer
// shows its picture stretched with its aspect ratio kept, anchored at the
// top-left corner.
//
// Pictures are addressed in layer (logical) pixels. On a screen with a
// device pixel ratio of 2 the drawn layers hold twice as many pixels each
// way (QImage::devicePixelRatio), so stones and lines stay sharp; every
// logical pixel is then a 2 x 2 block of one colour except along curves. At
// a ratio of 1.5 they hold 1.5 times as many, a logical pixel being one or
// two pixels wide.
#pragma once

#include <QImage>
#include <QRegion>
#include <QWidget>

inline const QRgb KeyColour = qRgb(0, 128, 0);

class Beeldlaag : public QWidget {
    Q_OBJECT
  public:
    enum Soort { Transparant, Hout, Verborgen };
    Beeldlaag(QWidget* parent, Soort soort);

    // The picture; callers draw on it and then call vernieuw().
    QImage Picture;
    void vernieuw();                     // the whole picture changed
    void vernieuw(const QRect& logical); // only this part changed

  signals:
    // The pointer moved over a transparent layer (x, y in layer pixels), or a
    // mouse button, any of them, went down on it.
    void muisbeweegt(int x, int y);
    void muisgedrukt();

  protected:
    void paintEvent(QPaintEvent*) override;
    void mouseMoveEvent(QMouseEvent*) override;
    void mousePressEvent(QMouseEvent*) override;

  private:
    void maakzichtbaar(const QRect& logical);

    Soort soort;
    // What is painted: for a transparent layer the picture with the key
    // colour turned fully transparent, for the wood the scaled picture.
    // Only the parts named in `stale` are converted again, so placing a
    // stone costs the stone's square, not the whole layer.
    QImage shown;
    QRegion stale;
    bool allStale = true;
};
