// What the program needs from the windowing system beyond Qt's own work: a
// clear word when there is no screen to show the window on, and the end of
// the program when the window is destroyed from outside.
#pragma once

#include <QMargins>
#include <QRect>

class QScreen;
class QWidget;

// Before the application object is made: should the platform fail to start
// (no display, an unreachable X server), the program prints one line that
// names the cause and ends with status 1, instead of Qt's plugin advice and
// an abort. What the platform reports while starting is held back until
// startgelukt.
void bewaakstart();

// The platform started: the messages held back go out as usual, and Qt's
// own handling of messages is restored.
void startgelukt();

// When the windowing system destroys the window without asking it to close
// (another program destroys it, the X server drops it), the window is closed
// as its close button closes it, so that the program ends instead of playing
// on without a window.
void bewaakvenster(QWidget* window);

// The part of a screen a window may take: the screen less its panels. Where
// the platform reports the whole screen as free (Wayland: the compositor
// places windows and keeps its panels to itself), room is left for a panel,
// the larger of 48 pixels and 6 % of the screen's height.
QRect werkgebied(const QScreen* screen);

// The frame a window manager puts around the window (title bar, borders),
// as far as it can be told before the window is shown: a title bar of 32
// pixels and borders of 4, a little more than the common desktops draw.
QMargins geschatterand();

// The frame the window has been given: zero until the window manager has
// framed it, and where there is none.
QMargins echterand(const QWidget* window);
