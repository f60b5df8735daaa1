// What a screen reader finds in the window (Qt's accessibility interface,
// AT-SPI on Linux). Most controls speak for themselves through their
// captions; the rest get here what their captions do not say:
//   - the ten panels are named groups, the status line is a status bar
//     whose every new text is announced;
//   - the clocks name whose time they show, and are not announced at
//     every tick (a reader finds the time when it asks);
//   - the score labels name whose wins they count;
//   - the board is a table of 19 rows and 19 columns: each cell names its
//     point (columns A to S from the left, rows 1 to 19 from the top) and
//     what lies there, the stone of which move and the last move; the cell
//     under the keyboard's cursor holds the focus, and the board's
//     description names the last move.
#pragma once

#include <QString>
#include <cstdint>

class Hoofdvenster;

// Installs the window's interfaces for the screen reader (once), and lets
// a window made while a reader was already listening take them.
void maaktoegankelijk(Hoofdvenster* f);

// The name of a grid point as the screen reader says it ("E7").
QString puntnaam(int32_t c, int32_t r);
