// The terminal the program was started from, for the few lines it prints
// there (--version, --help). On Windows the game is a windowed program,
// which gets no console of its own: it borrows the one of the command
// prompt it was started from, where there is one. Elsewhere standard
// output is already the terminal. One file per platform, chosen by the
// build.
#pragma once

void koppelterminal();
