#include "layer.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QtMath>

Beeldlaag::Beeldlaag(QWidget* parent, Soort s) : QWidget(parent), soort(s) {
    setAttribute(Qt::WA_TransparentForMouseEvents, s != Transparant);
    if (s == Verborgen) hide();
}

void Beeldlaag::vernieuw() {
    allStale = true;
    stale = QRegion();
    update();
}

void Beeldlaag::vernieuw(const QRect& logical) {
    if (!allStale) stale += logical;
    update(logical);
}

// Brings `shown` up to date for one part of the picture: key colour to
// transparent, everything else fully opaque.
void Beeldlaag::maakzichtbaar(const QRect& logical) {
    // Every picture pixel that the logical rectangle touches, also at a
    // ratio of 1.5.
    const qreal s = Picture.devicePixelRatio();
    const QRect phys =
        QRect(QPoint(qFloor(logical.left() * s), qFloor(logical.top() * s)),
              QPoint(qCeil((logical.right() + 1) * s) - 1, qCeil((logical.bottom() + 1) * s) - 1))
            .intersected(Picture.rect());
    const QImage src = Picture.format() == QImage::Format_RGB32 ||
                               Picture.format() == QImage::Format_ARGB32 ||
                               Picture.format() == QImage::Format_ARGB32_Premultiplied
                           ? Picture
                           : Picture.convertToFormat(QImage::Format_RGB32);
    const QRgb key = KeyColour & 0xFFFFFF;
    for (int y = phys.top(); y <= phys.bottom(); ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(src.constScanLine(y));
        auto* out = reinterpret_cast<QRgb*>(shown.scanLine(y));
        for (int x = phys.left(); x <= phys.right(); ++x) {
            const QRgb p = in[x] & 0xFFFFFF;
            out[x] = p == key ? 0 : (p | 0xFF000000u);
        }
    }
}

void Beeldlaag::paintEvent(QPaintEvent* e) {
    if (Picture.isNull()) return;
    QPainter p(this);
    if (soort == Hout) {
        // Stretched with its own aspect kept, anchored top-left; scaled once
        // per size and screen.
        int h = height();
        int w = static_cast<int>(static_cast<long long>(h) * Picture.width() / Picture.height());
        if (w > width()) {
            w = width();
            h = static_cast<int>(static_cast<long long>(w) * Picture.height() / Picture.width());
        }
        const qreal s = devicePixelRatioF();
        const QSize phys(qRound(w * s), qRound(h * s));
        if (shown.size() != phys || allStale) {
            shown = Picture.scaled(phys, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
            shown.setDevicePixelRatio(s);
            allStale = false;
        }
        p.drawImage(QPoint(0, 0), shown);
        return;
    }
    if (shown.size() != Picture.size() || shown.devicePixelRatio() != Picture.devicePixelRatio()) {
        shown = QImage(Picture.size(), QImage::Format_ARGB32_Premultiplied);
        shown.setDevicePixelRatio(Picture.devicePixelRatio());
        allStale = true;
    }
    if (allStale) {
        maakzichtbaar(QRect(QPoint(0, 0), Picture.deviceIndependentSize().toSize()));
        allStale = false;
    } else {
        for (const QRect& r : stale) maakzichtbaar(r);
    }
    stale = QRegion();
    p.setClipRegion(e->region());
    // A picture drawn for another screen (the window has just moved to one
    // with another ratio) is scaled smoothly until the next redraw.
    if (shown.devicePixelRatio() != devicePixelRatioF())
        p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawImage(QPoint(0, 0), shown);
}

void Beeldlaag::mouseMoveEvent(QMouseEvent* e) {
    emit muisbeweegt(int(e->position().x()), int(e->position().y()));
}

void Beeldlaag::mousePressEvent(QMouseEvent*) {
    emit muisgedrukt();
}
