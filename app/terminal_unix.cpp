#include <cstdio>

#include "terminal.h"

// Standard output is the terminal's, or wherever the caller sent it, in the
// locale's encoding.
void schrijfterminal(const QString& text) {
    std::fputs(text.toLocal8Bit().constData(), stdout);
    std::fflush(stdout);
}
