// Drawing the board: the empty grid, the stones with their numbers or
// markers, and the full redraw. Stones are composed in the hidden buffer
// Bord2 and the buffer is then shown on the stones layer as a whole.
//
// Cost: the buffer takes over the stones layer's picture instead of copying
// it (nothing can look at the layer while a stone is composed: no events are
// dispatched in between), so a stone costs its own square and the previous
// move's mark, and the screen is refreshed for those two squares only (the
// stone that wins also rings its five). A full redraw composes every stone
// into the buffer once and shows it once.
#include <QPainter>
#include <QtMath>
#include <cmath>

#include "board.h"
#include "drawing.h"
#include "geometry.h"
#include "widgetstyle.h"
#include "window.h"

namespace {

const QColor Key(0, 128, 0);

// The device pixel ratio the layer pictures are drawn for: the window's
// own, 1 on an ordinary screen, 1.5, 2 or more on high-density ones. The
// pictures are drawn at that ratio, not at a whole one scaled afterwards,
// so that at 1.5 the stones, digits and lines keep their pixels.
qreal pixelverhouding() {
    return Form1 ? Form1->devicePixelRatioF() : 1.0;
}

// Type sizes given in points are design points: the window was drawn at 120
// pixels per inch, so a point is 120 / 72 design pixels (6 points are 10
// pixels, 8 points 13).
int puntpixels(int points) {
    return qMax(1, qRound(points * 120 / 72.0));
}

// The mean colour of the wood where stones can lie: the grid keeps a margin
// of 8 % of the board and a stone reaches about 2.5 % beyond its line, so
// the wood from 6 % to 94 % each way, inside the frame and its shadow.
// Computed once per wood picture.
struct Houtkleur {
    QRgb colour = 0;
    qint64 source = 0;
};
Houtkleur Hout;

QRgb houtkleur(const QImage& wood) {
    if (Hout.source == wood.cacheKey()) return Hout.colour;
    const QImage rgb = wood.convertToFormat(QImage::Format_RGB32);
    const QRect inner(rgb.width() * 6 / 100, rgb.height() * 6 / 100, rgb.width() * 88 / 100,
                      rgb.height() * 88 / 100);
    quint64 r = 0, g = 0, b = 0, n = 0;
    for (int y = inner.top(); y <= inner.bottom(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        for (int x = inner.left(); x <= inner.right(); ++x) {
            r += qRed(line[x]);
            g += qGreen(line[x]);
            b += qBlue(line[x]);
            ++n;
        }
    }
    Hout.colour = n ? qRgb(int((r + n / 2) / n), int((g + n / 2) / n), int((b + n / 2) / n)) : 0;
    Hout.source = wood.cacheKey();
    return Hout.colour;
}

// A stone picture scaled once per size and screen into a sprite. The
// picture's transparent colour (its bottom-left pixel) is left out before
// scaling, so that no background can bleed into the edge; the scaled alpha
// of a rim pixel is then the share of it that the disc covers. A transparent
// layer can only show a pixel or not, so the rim cannot be mixed with the
// wood below it on the screen; it is mixed here instead, with the wood's
// mean colour: every pixel the disc covers at least a quarter of is made
// opaque in the mix of its stone colour and that wood colour, every other
// pixel fully transparent. The rim loses its stairs, and neither the key
// colour nor the picture's background can show. A lower share would let
// pixels of almost pure wood colour cut into a grid line where it meets the
// stone; a higher one leaves more of the stairs.
const int RimCover = 64;

struct Sprite {
    QImage image;
    int size = -1;
    qreal ratio = 0; // the device pixel ratio it was scaled for
    qint64 source = 0;
    QRgb wood = 0;
};
Sprite WhiteSprite, BlackSprite;

const QImage& sprite(Sprite& s, const QImage& picture, int size, qreal ratio, QRgb wood) {
    if (s.size == size && s.ratio == ratio && s.source == picture.cacheKey() && s.wood == wood)
        return s.image;
    QImage argb = picture.convertToFormat(QImage::Format_ARGB32);
    const QRgb bg = picture.pixel(0, picture.height() - 1) & 0xFFFFFF;
    for (int y = 0; y < argb.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(argb.scanLine(y));
        for (int x = 0; x < argb.width(); ++x)
            if ((line[x] & 0xFFFFFF) == bg) line[x] = 0;
    }
    // Premultiplied scaling averages only the stone's own pixels.
    const int phys = qMax(1, qRound(size * ratio));
    QImage scaled = argb.convertToFormat(QImage::Format_ARGB32_Premultiplied)
                        .scaled(phys, phys, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    for (int y = 0; y < scaled.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(scaled.scanLine(y));
        for (int x = 0; x < scaled.width(); ++x) {
            const QRgb p = line[x];
            const int a = qAlpha(p), rest = 255 - a;
            if (a < RimCover) {
                line[x] = 0;
                continue;
            }
            // The premultiplied stone over the opaque wood colour.
            QRgb q = qRgb(qRed(p) + (qRed(wood) * rest + 127) / 255,
                          qGreen(p) + (qGreen(wood) * rest + 127) / 255,
                          qBlue(p) + (qBlue(wood) * rest + 127) / 255);
            // A pixel that happens to equal the key colour would be a hole
            // in the stone, one equal to the picture's background a patch of
            // it; nudge either by one step.
            if ((q & 0xFFFFFF) == (KeyColour & 0xFFFFFF)) q += 0x100;
            if ((q & 0xFFFFFF) == bg) q ^= 1;
            line[x] = q;
        }
    }
    s.image = scaled;
    s.image.setDevicePixelRatio(ratio);
    s.size = size;
    s.ratio = ratio;
    s.source = picture.cacheKey();
    s.wood = wood;
    return s.image;
}

// The square of the stone of move n, as far as drawing it can reach.
QRect steenvak(const MoveRecord& m) {
    const int x = kolomx(m.column), y = rijy(m.row), R = StoneRadius;
    return QRect(x - R - 2, y - R - 2, 2 * R + 3, 2 * R + 3);
}

// Draws the stone of move n, or clears its point when its code is neither
// colour's.
void steen(QPainter& p, int32_t n) {
    Hoofdvenster* f = Form1;
    const MoveRecord& m = MoveList[n];
    const int x = kolomx(m.column), y = rijy(m.row), R = StoneRadius;
    const EvalRecord& s = EvalSet[1];
    if (m.code == s.WhiteCode || m.code == s.BlackCode) {
        const bool white = m.code == s.WhiteCode;
        if (R <= 0) return;
        const QRgb wood = houtkleur(f->Bordhout->Picture);
        const QImage& img =
            white ? sprite(WhiteSprite, f->Witmodel->Picture, 2 * R, pixelverhouding(), wood)
                  : sprite(BlackSprite, f->Zwartmodel->Picture, 2 * R, pixelverhouding(), wood);
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
    if (Form1->nummers()) {
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
void zetsteen(QPainter& p, int32_t n, const QFont& font) {
    steen(p, n);
    merk(p, n, font);
    if (n > 1) merk(p, n - 1, font);
}

// The stones of the five that won the game, while the game stands won by
// one; none after a draw or a loss on time.
bool vijfgewonnen() {
    return (GameState == BlackWon || GameState == WhiteWon) &&
           (WinningFive.dc != 0 || WinningFive.dr != 0);
}

// A ring on the rim of each stone of the winning five, which stands out on
// black and white alike. It lies inside the disc, which
// fills 357 of the picture's 378 pixels across, and the stone's number or
// marker is drawn again over it: the face stays as it is. Returns the
// squares it changed.
QRect vijfring(QPainter& p, const QFont& font) {
    QRect changed;
    if (!vijfgewonnen() || StoneRadius <= 0) return changed;
    const double R = StoneRadius, rim = R * 357 / 378;
    const double width = qMax(2.0, std::floor(R / 5));
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    for (int e = -2; e <= 2; ++e) {
        const int32_t c = WinningFive.column + e * WinningFive.dc;
        const int32_t r = WinningFive.row + e * WinningFive.dr;
        const int32_t n = zetop(c, r);
        if (n == 0) continue;
        // The stone's square runs from x - R - 1 to x + R - 1.
        const QPointF centre(kolomx(c) - 1, rijy(r) - 1);
        const double radius = rim - width / 2;
        p.setPen(QPen(QColor(VijfRing), width)); // the mark drawn last sets a pen of its own
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(centre, radius, radius);
        merk(p, n, font);
        changed |= steenvak(MoveList[n]);
    }
    p.restore();
    return changed;
}

// A picture of the layer size for the current screen; the old one is
// reused when it already fits.
void maaklaag(QImage& img, int w, int h) {
    const qreal s = pixelverhouding();
    const int pw = qMax(1, qCeil(w * s)), ph = qMax(1, qCeil(h * s));
    if (img.width() != pw || img.height() != ph || img.format() != QImage::Format_RGB32 ||
        img.devicePixelRatio() != s || img.isDetached() == false) {
        img = QImage(pw, ph, QImage::Format_RGB32);
        img.setDevicePixelRatio(s);
    }
}

// The picture that holds the grid drawn last.
qint64 GridKey = 0;

// The relayout of the board and the empty grid; the stones layer is left to
// the caller.
void legrasteraan(Hoofdvenster* f) {
    legbordaan(f);
    QImage& lines = f->Bordlijnen->Picture;
    // The grid depends on the layer size alone: a picture that already
    // holds the grid for this size is left as it is.
    const bool fresh = lines.cacheKey() == GridKey;
    maaklaag(lines, LinesWidth, LinesHeight);
    f->BordFont.setPixelSize(puntpixels(StoneRadius / 2));
    if (fresh && lines.cacheKey() == GridKey) return;

    lines.fill(Key);
    {
        QPainter p(&lines);
        p.setPen(QPen(Qt::black, 2, Qt::SolidLine, Qt::SquareCap));
        p.setBrush(Qt::black);
        for (int i = 1; i <= GameBoardSize; ++i) {
            p.drawLine(kolomx(i), rijy(1), kolomx(i), rijy(GameBoardSize));
            p.drawLine(kolomx(1), rijy(i), kolomx(GameBoardSize), rijy(i));
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
void leegbuffer(Hoofdvenster* f) {
    f->Bord->Picture = QImage();
    maaklaag(f->Bord2->Picture, LinesWidth, LinesHeight);
    f->Bord2->resize(LinesWidth, LinesHeight);
    f->Bord2->Picture.fill(Key);
}

// After a stone drawing the layer's text font is the default one again: the
// window's face at 8 points, a font of the window's own and so at its factor.
void standaardletter(Hoofdvenster* f) {
    f->BordFont = vensterletter(f->schaal(puntpixels(8)));
}

// No control keeps the focus after a stone is drawn, so that the keys reach
// the key table and no radio button takes Space or an arrow key as its
// own; the board itself keeps it, for it is played with those keys.
void neemfocusweg(Hoofdvenster* f) {
    QWidget* w = f->focusWidget();
    if (w && w != f->Bord) w->clearFocus();
}

} // namespace

// The font of the move numbers: the window's face at StoneRadius div 2
// points. Drawn without antialiasing: at these sizes an antialiased round
// digit ("0", "8") has no pixel of full coverage, so no pixel of it would
// be white, black or red, and a red digit on a black stone would turn into
// dark red smudges. Without it every pixel of a digit has the exact colour.
// Full hinting keeps the digits on whole pixels.
QFont nummerletter() {
    QFont font = vensterletter(puntpixels(StoneRadius / 2));
    font.setStyleStrategy(QFont::NoAntialias);
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

QRect componeersteen(QPainter& p, int32_t n, const QFont& font) {
    zetsteen(p, n, font);
    QRect changed = steenvak(MoveList[n]);
    if (n > 1) changed |= steenvak(MoveList[n - 1]);
    // The stone that wins the game, the last of the record (also when a
    // replay draws it), rings its five.
    if (n == MoveCount) changed |= vijfring(p, font);
    return changed;
}

void legbordaan(Hoofdvenster* f) {
    const Bordrechthoek b = bordlaag(f->width(), f->height(), f->factor());
    f->Bordhout->setGeometry(b.left, b.top, b.width, b.height);
    f->Bordlijnen->setGeometry(b.left, b.top, b.width, b.height);
    berekengeometrie(b.width, b.height);
    f->Bord->setGeometry(b.left, b.top, b.width, b.height);
    f->Bord2->resize(b.width, b.height);
}

void Hoofdvenster::tekenleegbord() {
    legrasteraan(this);
    leegbuffer(this);
    Bord->Picture = Bord2->Picture;
    Bord->vernieuw();
}

void Hoofdvenster::tekensteen(int32_t n) {
    if (n < 1 || n > MoveCount) return;
    // The buffer takes the layer's picture over as it stands: the copy of
    // the whole layer, without moving a pixel.
    Bord2->Picture = std::move(Bord->Picture);
    Bord->Picture = QImage();
    Bord2->resize(Bord->size());
    QRect changed;
    {
        QPainter p(&Bord2->Picture);
        changed = componeersteen(p, n, nummerletter());
    }
    Bord->Picture = Bord2->Picture;
    Bord->vernieuw(changed);
    Bord->meldzet(n);
    standaardletter(this);
    neemfocusweg(this);
}

void Hoofdvenster::tekenalles() {
    legrasteraan(this);
    // The stones are composed in the buffer one after the other, exactly as
    // drawing them one by one leaves them, and shown once.
    leegbuffer(this);
    {
        QPainter p(&Bord2->Picture);
        const QFont font = nummerletter();
        for (int32_t i = 1; i <= MoveCount; ++i) componeersteen(p, i, font);
    }
    Bord->Picture = Bord2->Picture;
    Bord->vernieuw();
    Bord->meldzet(0);
    if (MoveCount > 0) {
        standaardletter(this);
        neemfocusweg(this);
    }
}

int32_t zetop(int32_t c, int32_t r) {
    for (int32_t n = MoveCount; n >= 1; --n)
        if (MoveList[n].column == c && MoveList[n].row == r) return n;
    return 0;
}
