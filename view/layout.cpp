// The window's layout at its factor: the one routine that scales, and the
// size handler with its minimum-width rule.
#include <QResizeEvent>

#include "drawing.h"
#include "geometry.h"
#include "widgetstyle.h"
#include "window.h"

namespace {

// Both edges scaled, so that controls that meet in the design still meet.
QRect schaalrechthoek(const QRect& r, double f) {
    const int left = schaalmaat(r.x(), f), top = schaalmaat(r.y(), f);
    return QRect(left, top, schaalmaat(r.x() + r.width(), f) - left,
                 schaalmaat(r.y() + r.height(), f) - top);
}

} // namespace

void Hoofdvenster::schaalvenster(double f) {
    Factor = f;
    kiesvensterstijl()->zetfactor(f);
    setFont(vensterletter(schaal(13)));
    // Every control from its design values, so that scaling again starts
    // from the design and no rounding piles up.
    for (const Ontwerpmaat& o : Ontwerpen) {
        QWidget* w = o.element;
        if (o.letter > 0) {
            QFont font = w->font();
            font.setPixelSize(schaal(o.letter));
            w->setFont(font);
        }
        if (o.lijn > 0) static_cast<QFrame*>(w)->setLineWidth(qMax(1, schaal(o.lijn)));
        QRect r = schaalrechthoek(o.rechthoek, f);
        if (o.naartekst) {
            // As wide as its text at the new size, its middle where the
            // design has it.
            const QSize size = w->sizeHint();
            r = QRect((schaal(2 * o.rechthoek.x() + o.rechthoek.width()) - size.width()) / 2, r.y(),
                      size.width(), size.height());
        }
        w->setGeometry(r);
        if (auto* b = qobject_cast<QAbstractButton*>(w)) pascaption(b);
    }
    setMinimumSize(schaal(DesignWidth), schaal(DesignHeight));
    resize(schaal(DesignWidth), schaal(DesignHeight));
    // After the board's relayout, which gives the stones layer's text font,
    // with which the score is measured, its size.
    if (Spelersgetoond) plaatsspelers();
    if (Scoregetoond) plaatsscore();
}

// The minimum-width rule on the client: the window's design sizes are its
// client's, so the rule that keeps the window as wide as its board needs
// takes the client's height and gives the client's width. The frame a
// window manager adds (known on Windows at the first size notification, on
// X11 only some time after the window is shown) then changes nothing: the
// client is 945 x 738 at the design size on every platform.
void Hoofdvenster::verbreed() {
    const int minWidth = minimumbreedte(height(), Factor);
    if (width() < minWidth) resize(minWidth, height());
}

void Hoofdvenster::FormResize() {
    // The widening brings a size notification of its own, which draws the
    // board for the new width; where the platform delivers it later, the
    // board is drawn for the size of the moment in the meantime.
    verbreed();
    const Qt::WindowStates st = windowState();
    if (!(st & Qt::WindowMinimized)) tekenalles();
}

void Hoofdvenster::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    FormResize();
}

void Hoofdvenster::changeEvent(QEvent* e) {
    QWidget::changeEvent(e);
    if (e->type() == QEvent::WindowStateChange) FormResize();
}
