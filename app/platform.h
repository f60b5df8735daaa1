// What the program needs from the windowing system beyond Qt's own work: a
// clear word when there is no screen to show the window on, and the end of
// the program when the window is destroyed from outside.
#pragma once

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
