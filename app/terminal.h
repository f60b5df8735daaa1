// The terminal the program was started from, for the few lines it prints
// there (--version, --help). On Windows the game is a windowed program,
// which gets no console of its own: it borrows the console of the command
// prompt it was started from, where there is one, and writes to it in the
// console's own characters. Elsewhere standard output is already the
// terminal. One file per platform, chosen by the build.
#pragma once

#include <QString>

// Writes the text to standard output (or the borrowed console), whole.
void schrijfterminal(const QString& text);
