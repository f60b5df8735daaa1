// Board drawing helpers outside the window class.
#pragma once

#include <QColor>
#include <cstdint>

// The ring on the stones of the five that won the game: a blue that neither
// stone, the wood nor the red of the last move has.
inline const QRgb VijfRing = qRgb(0, 140, 255);

class Hoofdvenster;

// The board's layers placed for the window's client area, and the grid's
// geometry computed for them; nothing is drawn.
void legbordaan(Hoofdvenster* f);

// The full redraw done the plain way: the empty board, then every stone
// through its own whole-layer copy into the buffer and back.
// Hoofdvenster::tekenalles gives exactly these pixels at a fraction of the cost;
// this version is kept as the measure for it (tests, benchmark).
void tekenbordpersteen();

// The device pixel ratio the layer pictures are drawn for: the window's
// own, 1 on an ordinary screen, 1.5, 2 or more on high-density ones. The
// pictures are drawn at that ratio, not at a whole one scaled afterwards,
// so that at 1.5 the stones, digits and lines keep their pixels.
qreal pixelverhouding();
