// Board drawing helpers outside the window class.
#pragma once

#include <QColor>
#include <QFont>
#include <QRect>
#include <cstdint>

class QPainter;

// The ring on the stones of the five that won the game: a blue that neither
// stone, the wood nor the red of the last move has.
inline const QRgb VijfRing = qRgb(0, 140, 255);

class Hoofdvenster;

// The board's layers placed for the window's client area, and the grid's
// geometry computed for them; nothing is drawn.
void legbordaan(Hoofdvenster* f);

// The move that placed the stone on (c, r), 0 for none.
int32_t zetop(int32_t c, int32_t r);

// The font of the move numbers for the stones' present size.
QFont nummerletter();

// Composes the stone of move n with p, as tekensteen and tekenalles draw
// each stone: the stone with its number or marker, its predecessor's mark
// renewed, and, when n is the game's last move and won it, the ring on the
// winning five. Returns the squares it changed.
QRect componeersteen(QPainter& p, int32_t n, const QFont& font);
