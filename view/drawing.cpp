// Drawing the board: the empty grid, the stones with their numbers or
// markers, and the full redraw. Stones are composed in the hidden buffer
// Bord2 and the buffer is then shown on the stones layer as a whole.
//
// Cost: the buffer takes over the stones layer's picture instead of copying
// it (nothing can look at the layer while a stone is composed: no events are
// dispatched in between), so a stone costs its own square and the previous
// move's mark, and the screen is refreshed for those two squares only. A
// full redraw composes every stone into the buffer once and shows it once.
#include <QPainter>

#include "board.h"
#include "drawing.h"
#include "form.h"
#include "geometry.h"
#include "sound.h"

namespace {

const QColor Key(0, 128, 0);

// A stone picture scaled once per size into a sprite: the picture's
// transparent colour (its bottom-left pixel) is left out before scaling, so
// that no background can bleed into the edge, and every pixel of the sprite
// is then either fully transparent or fully opaque in the stone's own
// colours. A transparent layer can only show a pixel or not, so a soft edge
// would appear as a fringe of mixed colours.
struct Sprite {
    QImage image;
    int size = -1, scale = 0;
    qint64 source = 0;
};
Sprite WhiteSprite, BlackSprite;

const QImage& sprite(Sprite& s, const QImage& picture, int size, int scale) {
    if (s.size == size && s.scale == scale && s.source == picture.cacheKey()) return s.image;
    QImage argb = picture.convertToFormat(QImage::Format_ARGB32);
    const QRgb bg = picture.pixel(0, picture.height() - 1) & 0xFFFFFF;
    for (int y = 0; y < argb.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(argb.scanLine(y));
        for (int x = 0; x < argb.width(); ++x)
            if ((line[x] & 0xFFFFFF) == bg) line[x] = 0;
    }
    // Premultiplied scaling averages only the stone's own pixels; turning
    // the result back into plain ARGB recovers their unmixed colours.
    const int phys = qMax(1, size * scale);
    QImage scaled = argb.convertToFormat(QImage::Format_ARGB32_Premultiplied)
                        .scaled(phys, phys, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                        .convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < scaled.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(scaled.scanLine(y));
        for (int x = 0; x < scaled.width(); ++x) {
            QRgb p = line[x];
            // A stone pixel that happens to equal the key colour would be a
            // hole in the stone; nudge it by one step of green.
            if ((p & 0xFFFFFF) == (KeyColour & 0xFFFFFF)) p += 0x100;
            line[x] = qAlpha(p) >= 128 ? (p | 0xFF000000u) : 0;
        }
    }
    s.image = scaled.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    s.image.setDevicePixelRatio(scale);
    s.size = size;
    s.scale = scale;
    s.source = picture.cacheKey();
    return s.image;
}

// The font of the move numbers. The buffer's face is never set, so it is
// the default face; a plain sans-serif stands in for it. Drawn without
// antialiasing so that the digits keep their exact colours.
QFont nummerletter() {
    QFont font(QStringLiteral("Sans Serif"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSize(qMax(1, StoneRadius / 2));
    font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

// The square of the stone of move n, as far as drawing it can reach.
QRect steenvak(const MoveRecord& m) {
    const int x = kolomx(m.column), y = rijy(m.row), R = StoneRadius;
    return QRect(x - R - 2, y - R - 2, 2 * R + 3, 2 * R + 3);
}

// Draws the stone of move n (or clears its point when its code is neither
// colour's), reporting its sound when asked to.
void steen(QPainter& p, int32_t n, bool sound) {
    TForm1* f = Form1;
    const MoveRecord& m = MoveList[n];
    const int x = kolomx(m.column), y = rijy(m.row), R = StoneRadius;
    const EvalRecord& s = EvalSet[1];
    if (m.code == s.WhiteCode || m.code == s.BlackCode) {
        const bool white = m.code == s.WhiteCode;
        if (sound && Steengeluid) Steengeluid(white);
        if (R <= 0) return;
        const QImage& img = white
                                ? sprite(WhiteSprite, f->Witmodel->Picture, 2 * R, beeldschaal())
                                : sprite(BlackSprite, f->Zwartmodel->Picture, 2 * R, beeldschaal());
        p.drawImage(QPoint(x - R - 1, y - R - 1), img);
    } else {
        // Left and top edges included, right and bottom excluded.
        p.fillRect(QRect(x - R - 2, y - R - 2, 2 * R + 3, 2 * R + 3), Key);
    }
}

void merk(QPainter& p, int32_t n, const QFont& font) {
    const MoveRecord& m = MoveList[n];
    const int x = kolomx(m.column), y = rijy(m.row), R = StoneRadius;
    const bool black = m.code == EvalSet[1].BlackCode;
    const bool last = n == MoveCount;
    if (Form1->Nummers->isChecked()) {
        p.setFont(font);
        p.setPen(last ? QColor(255, 0, 0) : black ? Qt::white : Qt::black);
        const QString text = QString::number(n);
        const QFontMetrics fm(font, p.device());
        const int tw = fm.horizontalAdvance(text), th = fm.height();
        p.drawText(x - tw / 2 - 1, y - th / 2 - 1 + fm.ascent(), text);
    } else {
        const int a = R / 3;
        p.fillRect(QRect(x - a - 1, y - a - 1, 2 * a, 2 * a), last    ? QColor(255, 0, 0)
                                                              : black ? Qt::black
                                                                      : Qt::white);
    }
}

// Stone n with its mark and the re-marking of its predecessor.
void zetsteen(QPainter& p, int32_t n, bool sound, const QFont& font) {
    steen(p, n, sound);
    merk(p, n, font);
    if (n > 1) merk(p, n - 1, font);
}

// A picture of the layer size for the current screen; the old one is
// reused when it already fits.
void maaklaag(QImage& img, int w, int h) {
    const int s = beeldschaal();
    if (img.width() != w * s || img.height() != h * s || img.format() != QImage::Format_RGB32 ||
        img.devicePixelRatio() != s || img.isDetached() == false) {
        img = QImage(qMax(1, w * s), qMax(1, h * s), QImage::Format_RGB32);
        img.setDevicePixelRatio(s);
    }
}

// The picture that holds the grid drawn last.
qint64 GridKey = 0;

// The relayout of the board and the empty grid; the stones layer is left to
// the caller.
void legrasteraan(TForm1* f) {
    const Bordrechthoek b = bordlaag(f->width(), f->height());
    f->Bordhout->setGeometry(b.left, b.top, b.width, b.height);
    f->Bordlijnen->setGeometry(b.left, b.top, b.width, b.height);
    berekengeometrie(b.width, b.height);
    QImage& lines = f->Bordlijnen->Picture;
    // The grid depends on the layer size alone: a picture that already
    // holds the grid for this size is left as it is.
    const bool fresh = lines.cacheKey() == GridKey;
    maaklaag(lines, b.width, b.height);
    f->Bord->setGeometry(b.left, b.top, b.width, b.height);
    f->BordFont.setPointSize(qMax(1, StoneRadius / 2));
    if (fresh && lines.cacheKey() == GridKey) return;

    lines.fill(Key);
    {
        QPainter p(&lines);
        p.setPen(QPen(Qt::black, 2, Qt::SolidLine, Qt::SquareCap));
        p.setBrush(Qt::black);
        for (int i = 1; i <= 19; ++i) {
            p.drawLine(kolomx(i), rijy(1), kolomx(i), rijy(19));
            p.drawLine(kolomx(1), rijy(i), kolomx(19), rijy(i));
        }
        // Nine dots 6 pixels across: the pixels whose centres lie inside the
        // circle in the box from (x - 3, y - 3) to (x + 3, y + 3).
        p.setPen(Qt::NoPen);
        for (int c : {4, 10, 16})
            for (int r : {4, 10, 16}) p.drawEllipse(QRectF(kolomx(c) - 3, rijy(r) - 3, 6, 6));
    }
    GridKey = lines.cacheKey();
    f->Bordlijnen->vernieuw();
}

// The buffer, emptied to the key colour and the size of the layers; the
// stones layer lets go of the picture they shared.
void leegbuffer(TForm1* f) {
    f->Bord->Picture = QImage();
    maaklaag(f->Bord2->Picture, LinesWidth, LinesHeight);
    f->Bord2->resize(LinesWidth, LinesHeight);
    f->Bord2->Picture.fill(Key);
}

// After a stone drawing the layer's text font is the default one again.
void standaardletter(TForm1* f) {
    f->BordFont = QFont(QStringLiteral("Sans Serif"));
    f->BordFont.setStyleHint(QFont::SansSerif);
    f->BordFont.setPointSize(8);
}

void neemfocusweg(TForm1* f) {
    if (QWidget* w = f->focusWidget()) w->clearFocus();
}

} // namespace

int beeldschaal() {
    const qreal r = Form1 ? Form1->devicePixelRatioF() : 1.0;
    return qMax(1, qRound(r));
}

void tekenmerk(int32_t n) {
    QPainter p(&Form1->Bord2->Picture);
    merk(p, n, nummerletter());
}

void TForm1::tekenleegbord() {
    legrasteraan(this);
    leegbuffer(this);
    Bord->Picture = Bord2->Picture;
    Bord->vernieuw();
}

void TForm1::tekensteen(int32_t n) {
    if (n < 1 || n > MoveCount) return;
    // The buffer takes the layer's picture over as it stands: the copy of
    // the whole layer, without moving a pixel.
    Bord2->Picture = std::move(Bord->Picture);
    Bord->Picture = QImage();
    Bord2->resize(Bord->size());
    QRect changed = steenvak(MoveList[n]);
    {
        QPainter p(&Bord2->Picture);
        zetsteen(p, n, true, nummerletter());
    }
    if (n > 1) changed |= steenvak(MoveList[n - 1]);
    Bord->Picture = Bord2->Picture;
    Bord->vernieuw(changed);
    standaardletter(this);
    neemfocusweg(this);
}

void TForm1::tekenbord() {
    legrasteraan(this);
    SoundOn = false;
    // The stones are composed in the buffer one after the other, exactly as
    // drawing them one by one leaves them, and shown once.
    leegbuffer(this);
    {
        QPainter p(&Bord2->Picture);
        const QFont font = nummerletter();
        for (int32_t i = 1; i <= MoveCount; ++i) zetsteen(p, i, false, font);
    }
    Bord->Picture = Bord2->Picture;
    Bord->vernieuw();
    if (MoveCount > 0) {
        standaardletter(this);
        neemfocusweg(this);
    }
    SoundOn = Geluidcheck->isChecked();
}

void tekenbordpersteen() {
    TForm1* f = Form1;
    f->tekenleegbord();
    SoundOn = false;
    for (int32_t i = 1; i <= MoveCount; ++i) {
        // The whole layer into a fresh buffer, the stone, the whole buffer
        // back.
        const QImage& layer = f->Bord->Picture;
        QImage buffer(layer.size(), QImage::Format_RGB32);
        buffer.setDevicePixelRatio(layer.devicePixelRatio());
        {
            QPainter p(&buffer);
            p.setCompositionMode(QPainter::CompositionMode_Source);
            p.drawImage(QPoint(0, 0), layer);
            p.setCompositionMode(QPainter::CompositionMode_SourceOver);
            zetsteen(p, i, false, nummerletter());
        }
        f->Bord2->Picture = buffer;
        f->Bord->Picture = buffer.copy();
    }
    f->Bord->vernieuw();
    SoundOn = f->Geluidcheck->isChecked();
}

void TForm1::FormResize() {
    const QRect outer = frameGeometry();
    const int minWidth = minimumbreedte(outer.height());
    // The widening brings a size notification of its own, which draws the
    // board for the new width; where the platform delivers it later, the
    // board is drawn for the size of the moment in the meantime.
    if (outer.width() < minWidth) resize(width() + (minWidth - outer.width()), height());
    const Qt::WindowStates st = windowState();
    if (!(st & Qt::WindowMinimized)) tekenbord();
}
