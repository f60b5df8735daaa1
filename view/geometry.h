// Board geometry: where the board layers stand in the window and where the
// grid lines lie on them.
//
// The three visible layers (wood, grid lines, stones) share one rectangle:
// 30 pixels from the top of the client area down to its bottom, W wide for a
// height H with W : H = 1751 : 1860, centred but never closer than 280
// pixels to the left edge, where the control panels stand. Grid column c
// lies at kolomx(c) and row r at rijy(r) in layer pixels, with a margin of
// 0.08 of the layer size on each side and 18 intervals between the lines.
// Each line is rounded on its own, so neighbouring columns are 26 or 27
// pixels apart at a layer width of 565.
//
// Layout factor: the window is drawn in design pixels (at 120 pixels per
// inch). On a screen too small for it, the whole window is laid out at a
// factor below 1, chosen once at start-up: every control's rectangle and
// font, the constants above (top 30, least left 280, extra width 250) and
// the minimum size. The board, its stones and hit windows follow from the
// client size as always. The window keeps its factor (window.h); the
// routines here are given it.
#pragma once

#include <cstdint>

constexpr int BoardTop = 30;
constexpr int BoardLeftMin = 280;
constexpr int AspectWidth = 1751;
constexpr int AspectHeight = 1860;
constexpr double MarginFraction = 0.08;
constexpr int MinWidthExtra = 250;
// The window's size as first made, before the minimum-width rule widens it
// (900 x 738 design pixels), which is also its minimum size.
constexpr int DesignWidth = 900;
constexpr int DesignHeight = 738;
// Below this the captions could no longer be read.
constexpr double MinWindowFactor = 0.6;

// A design length in logical pixels at layout factor f: rounded, halves to
// even; at a factor of 1 the length itself.
int32_t schaalmaat(int32_t design, double f);

// The largest factor, in thousandths, at which the window with its frame
// (the window manager's, frameWidth and frameHeight added to the client
// size) fits a work area of areaWidth x areaHeight: its client height, and
// its width once the minimum-width rule has widened it. 1 where the design
// size fits; never below MinWindowFactor.
double kiesfactor(int32_t areaWidth, int32_t areaHeight, int32_t frameWidth, int32_t frameHeight);

extern double MarginX, MarginY;         // layer edge to the first grid line
extern double PitchX, PitchY;           // mean distance between neighbouring lines
extern int32_t StoneRadius;             // radius of a drawn stone
extern int32_t LinesWidth, LinesHeight; // current size of the grid layer

// Round to the nearest integer, halves to the even neighbour.
int32_t rondaf(double v);

struct Bordrechthoek {
    int32_t left, top, width, height;
};

// The rectangle of the visible layers for a client area, at layout factor f.
Bordrechthoek bordlaag(int32_t clientWidth, int32_t clientHeight, double f = 1.0);

// Recomputes margins, pitches and the stone radius for a grid layer of the
// given size.
void berekengeometrie(int32_t width, int32_t height);

// The x pixel of grid column c and the y pixel of grid row r: margin plus
// (size - 2 margin) (index - 1) / 18, rounded halves to even. The value is
// the one a 64-bit-mantissa evaluation of that expression gives, computed
// exactly with integers so that every compiler gives the same pixels.
int32_t kolomx(int32_t c);
int32_t rijy(int32_t r);

// The same mapping for any size and margin, for tests and for the layout.
int32_t rasterpunt(int32_t size, double margin, int32_t index);

// The narrowest window width for a window height (of the client, as the
// size handler uses it; kiesfactor takes the frame's height in too, which
// can only ask for more), at layout factor f.
int32_t minimumbreedte(int32_t height, double f = 1.0);
