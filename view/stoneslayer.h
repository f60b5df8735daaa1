// The stones layer, the top layer of the board: it shows the stones and
// takes the pointer and the keys. Besides the mouse the board can be played
// from the keyboard: it is a stop of the Tab key, the arrow keys move a
// cursor over the grid points (drawn on the board while the board holds the
// focus, visible on the wood and on stones of either colour), and Return
// chooses the point under it, which match control then plays as a press on
// that point would be played. A screen reader reads the board as a table of
// 19 rows and 19 columns whose cells name their point and what lies on it
// (view/access.cpp).
#pragma once

#include "layer.h"

class Stenenlaag : public Beeldlaag {
    Q_OBJECT
  public:
    explicit Stenenlaag(QWidget* parent);

    // The grid point under the cursor; the centre of the board at first.
    int cursorkolom() const { return kolom; }
    int cursorrij() const { return rij; }
    void zetcursor(int c, int r);

    // A stone was drawn or the board redrawn: what a screen reader reads
    // of those points has changed (n: the move whose stone was drawn; 0:
    // the whole board).
    void meldzet(int32_t n);

  signals:
    // Return (or the keypad's Enter) on the board: the point under the
    // cursor is chosen.
    void kiest(int c, int r);

  protected:
    void paintEvent(QPaintEvent*) override;
    void keyPressEvent(QKeyEvent*) override;
    void focusInEvent(QFocusEvent*) override;
    void focusOutEvent(QFocusEvent*) override;

  private:
    QRect cursorvak() const;
    int kolom = 10, rij = 10;
};
