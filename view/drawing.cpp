// Drawing the board: the empty grid, the stones with their numbers or
// markers, and the full redraw. Stones are composed in the hidden buffer
// Bord2 and the buffer is then shown on the stones layer as a whole.
#include <QPainter>

#include "board.h"
#include "flags.h"
#include "form.h"
#include "geometry.h"
#include "sound.h"

bool SoundOn;
bool Replaying;
bool Paused;

namespace {

const QColor Key(0, 128, 0);

// A stone picture scaled once per size into a sprite whose background is
// fully transparent and whose other pixels are fully opaque and of the
// stone's own colours, so that no background or key colour can fringe it.
struct Sprite {
    QImage image;
    int size = -1;
    qint64 source = 0;
};

const QImage& sprite(Sprite& s, const QImage& picture, int size) {
    if (s.size == size && s.source == picture.cacheKey()) return s.image;
    QImage argb = picture.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const QRgb bg = picture.pixel(0, picture.height() - 1) & 0xFFFFFF;
    for (int y = 0; y < argb.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(argb.scanLine(y));
        for (int x = 0; x < argb.width(); ++x)
            if ((line[x] & 0xFFFFFF) == bg) line[x] = 0;
    }
    QImage scaled = argb.scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                        .convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < scaled.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(scaled.scanLine(y));
        for (int x = 0; x < scaled.width(); ++x)
            line[x] = qAlpha(line[x]) >= 128 ? (line[x] | 0xFF000000u) : 0;
    }
    s.image = scaled;
    s.size = size;
    s.source = picture.cacheKey();
    return s.image;
}

Sprite WhiteSprite, BlackSprite;

void steen(QPainter& p, const MoveRecord& m, bool sound) {
    TForm1* f = Form1;
    const int x = kolomx(m.column), y = rijy(m.row), R = StoneRadius;
    const EvalRecord& s = EvalSet[1];
    if (m.code == s.WhiteCode || m.code == s.BlackCode) {
        const bool white = m.code == s.WhiteCode;
        if (sound && SoundOn && (GameState < BlackWon || Replaying))
            speelgeluid(white ? "tik" : "tak");
        const QImage& img = white ? sprite(WhiteSprite, f->Witmodel->Picture, 2 * R)
                                  : sprite(BlackSprite, f->Zwartmodel->Picture, 2 * R);
        if (R > 0) p.drawImage(x - R - 1, y - R - 1, img);
    } else {
        p.fillRect(QRect(QPoint(x - R - 2, y - R - 2), QPoint(x + R, y + R)), Key);
    }
}

void merk(QPainter& p, int32_t n) {
    TForm1* f = Form1;
    const MoveRecord& m = MoveList[n];
    const int x = kolomx(m.column), y = rijy(m.row), R = StoneRadius;
    const bool black = m.code == EvalSet[1].BlackCode;
    const bool last = n == MoveCount;
    if (f->Nummers->isChecked()) {
        QFont font("Sans Serif");
        font.setStyleHint(QFont::SansSerif);
        font.setPointSize(qMax(1, R / 2));
        font.setStyleStrategy(QFont::NoAntialias); // digits in their exact colours
        p.setFont(font);
        p.setPen(last ? QColor(255, 0, 0) : black ? Qt::white : Qt::black);
        const QString text = QString::number(n);
        const QFontMetrics fm(font);
        const int tw = fm.horizontalAdvance(text), th = fm.height();
        p.drawText(x - tw / 2 - 1, y - th / 2 - 1 + fm.ascent(), text);
    } else {
        const int a = R / 3;
        p.fillRect(QRect(QPoint(x - a - 1, y - a - 1), QPoint(x + a - 2, y + a - 2)),
                   last    ? QColor(255, 0, 0)
                   : black ? Qt::black
                           : Qt::white);
    }
}

} // namespace

void tekenmerk(int32_t n) {
    QPainter p(&Form1->Bord2->Picture);
    merk(p, n);
}

void TForm1::tekenleegbord() {
    const Bordrechthoek b = bordlaag(width(), height());
    Bordhout->setGeometry(b.left, b.top, b.width, b.height);
    Bordlijnen->setGeometry(b.left, b.top, b.width, b.height);
    berekengeometrie(b.width, b.height);
    Bordlijnen->Picture = QImage(b.width, b.height, QImage::Format_RGB32);
    Bord->setGeometry(b.left, b.top, b.width, b.height);
    BordFont.setPointSize(qMax(1, StoneRadius / 2));
    Bord->Picture = QImage(b.width, b.height, QImage::Format_RGB32);

    Bordlijnen->Picture.fill(Key);
    {
        QPainter p(&Bordlijnen->Picture);
        p.setPen(QPen(Qt::black, 2, Qt::SolidLine, Qt::SquareCap));
        p.setBrush(Qt::black);
        for (int i = 1; i <= 19; ++i) {
            p.drawLine(kolomx(i), rijy(1), kolomx(i), rijy(19));
            p.drawLine(kolomx(1), rijy(i), kolomx(19), rijy(i));
        }
        p.setPen(QPen(Qt::black, 1));
        for (int c : {4, 10, 16})
            for (int r : {4, 10, 16})
                p.drawEllipse(
                    QRect(QPoint(kolomx(c) - 3, rijy(r) - 3), QPoint(kolomx(c) + 2, rijy(r) + 2)));
    }
    Bordlijnen->vernieuw();
    Bord->Picture.fill(Key);
    Bord->vernieuw();
}

void TForm1::tekensteen(int32_t n) {
    if (n < 1 || n > MoveCount) return;
    Bord2->Picture = Bord->Picture.copy();
    {
        QPainter p(&Bord2->Picture);
        steen(p, MoveList[n], true);
        merk(p, n);
        if (n > 1) merk(p, n - 1);
    }
    Bord->Picture = Bord2->Picture.copy();
    Bord->vernieuw();
    if (QWidget* w = focusWidget()) w->clearFocus();
}

void TForm1::tekenbord() {
    tekenleegbord();
    SoundOn = false;
    // The stones are composed in the buffer one after the other, exactly as
    // stone-by-stone drawing would leave them, and shown once.
    Bord2->Picture = Bord->Picture.copy();
    {
        QPainter p(&Bord2->Picture);
        for (int32_t i = 1; i <= MoveCount; ++i) {
            steen(p, MoveList[i], false);
            merk(p, i);
            if (i > 1) merk(p, i - 1);
        }
    }
    Bord->Picture = Bord2->Picture.copy();
    Bord->vernieuw();
    if (MoveCount > 0)
        if (QWidget* w = focusWidget()) w->clearFocus();
    SoundOn = Geluidcheck->isChecked();
}

void TForm1::FormResize() {
    const QRect outer = frameGeometry();
    const int minWidth = minimumbreedte(outer.height());
    // Widening brings a notification of its own on most platforms, but not
    // while this one is being handled everywhere, so the board is drawn for
    // the new size here as well.
    if (outer.width() < minWidth) resize(width() + (minWidth - outer.width()), height());
    if (!(windowState() & Qt::WindowMinimized)) tekenbord();
}
