#include "stoneslayer.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QPainter>

#include "board.h"
#include "geometry.h"

Stenenlaag::Stenenlaag(QWidget* parent) : Beeldlaag(parent, Beeldlaag::Transparant) {
    // Tab reaches the board; a click does not take the focus to it, so the
    // cursor shows only for those who play with the keys.
    setFocusPolicy(Qt::TabFocus);
}

// The cursor's square: around the stone's square (x - R - 1 to x + R - 1)
// with room for its line on every side.
QRect Stenenlaag::cursorvak() const {
    const int x = kolomx(kolom), y = rijy(rij), R = qMax(StoneRadius, 4);
    return QRect(x - R - 5, y - R - 5, 2 * R + 9, 2 * R + 9);
}

void Stenenlaag::zetcursor(int c, int r) {
    c = qBound(1, c, GameBoardSize);
    r = qBound(1, r, GameBoardSize);
    if (c == kolom && r == rij) return;
    update(cursorvak());
    kolom = c;
    rij = r;
    update(cursorvak());
    if (hasFocus() && QAccessible::isActive()) {
        QAccessibleInterface* board = QAccessible::queryAccessibleInterface(this);
        if (QAccessibleInterface* cell = board ? board->focusChild() : nullptr) {
            QAccessibleEvent event(cell, QAccessible::Focus);
            QAccessible::updateAccessibility(&event);
        }
    }
}

void Stenenlaag::paintEvent(QPaintEvent* e) {
    Beeldlaag::paintEvent(e);
    if (!hasFocus()) return;
    // A black line with a yellow one inside it: the yellow shows on the
    // black stones and the black on the white stones and the wood.
    QPainter p(this);
    p.setClipRegion(e->region());
    p.setBrush(Qt::NoBrush);
    const QRect box = cursorvak().adjusted(2, 2, -2, -2);
    p.setPen(QPen(Qt::black, 4));
    p.drawRect(box);
    p.setPen(QPen(QColor(255, 220, 0), 2));
    p.drawRect(box);
}

void Stenenlaag::keyPressEvent(QKeyEvent* e) {
    switch (e->key()) {
    case Qt::Key_Left:
        zetcursor(kolom - 1, rij);
        break;
    case Qt::Key_Right:
        zetcursor(kolom + 1, rij);
        break;
    case Qt::Key_Up:
        zetcursor(kolom, rij - 1);
        break;
    case Qt::Key_Down:
        zetcursor(kolom, rij + 1);
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        emit kiest(kolom, rij);
        break;
    default:
        Beeldlaag::keyPressEvent(e);
        return;
    }
    e->accept();
}

void Stenenlaag::focusInEvent(QFocusEvent* e) {
    Beeldlaag::focusInEvent(e);
    update(cursorvak());
}

void Stenenlaag::focusOutEvent(QFocusEvent* e) {
    Beeldlaag::focusOutEvent(e);
    update(cursorvak());
}
