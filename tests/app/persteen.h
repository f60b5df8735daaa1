// The full redraw done the plain way, the measure for the window's own: the
// empty board, then every stone through its own whole-layer copy into the
// buffer and back. Hoofdvenster::tekenalles must give exactly these pixels
// at a fraction of the cost (the window tests, the drawing benchmark).
#pragma once

#include <QPainter>

#include "board.h"
#include "drawing.h"
#include "window.h"

inline void tekenbordpersteen() {
    Hoofdvenster* f = Form1;
    f->tekenleegbord();
    for (int32_t i = 1; i <= MoveCount; ++i) {
        const QImage& layer = f->Bord->Picture;
        QImage buffer(layer.size(), QImage::Format_RGB32);
        buffer.setDevicePixelRatio(layer.devicePixelRatio());
        {
            QPainter p(&buffer);
            p.setCompositionMode(QPainter::CompositionMode_Source);
            p.drawImage(QPoint(0, 0), layer);
            p.setCompositionMode(QPainter::CompositionMode_SourceOver);
            componeersteen(p, i, nummerletter());
        }
        f->Bord2->Picture = buffer;
        f->Bord->Picture = buffer.copy();
    }
    f->Bord->vernieuw();
}
