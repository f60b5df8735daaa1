#include "layer.h"

#include <QPainter>

Beeldlaag::Beeldlaag(QWidget* parent, Soort s) : QWidget(parent), soort(s) {
    setAttribute(Qt::WA_TransparentForMouseEvents, s != Transparant);
    if (s == Verborgen) hide();
}

void Beeldlaag::vernieuw() {
    stale = true;
    update();
}

void Beeldlaag::paintEvent(QPaintEvent*) {
    if (Picture.isNull()) return;
    QPainter p(this);
    if (soort == Hout) {
        // Stretched with its own aspect kept, anchored top-left.
        int h = height();
        int w = static_cast<int>(static_cast<long long>(h) * Picture.width() / Picture.height());
        if (w > width()) {
            w = width();
            h = static_cast<int>(static_cast<long long>(w) * Picture.height() / Picture.width());
        }
        p.drawImage(QRect(0, 0, w, h), Picture);
        return;
    }
    if (stale) {
        QImage argb = Picture.convertToFormat(QImage::Format_ARGB32);
        const int n = argb.width() * argb.height();
        QRgb* px = reinterpret_cast<QRgb*>(argb.bits());
        for (int i = 0; i < n; ++i)
            if ((px[i] & 0xFFFFFF) == (KeyColour & 0xFFFFFF)) px[i] = 0;
        shown = QPixmap::fromImage(argb);
        stale = false;
    }
    p.drawPixmap(0, 0, shown);
}
