#include <windows.h>

#include <cstdio>

#include "terminal.h"

// A windowed program starts without a console. Where standard output has
// been redirected (a file, a pipe) it is used as it is; otherwise the
// console of the command prompt that started the program, if any, takes
// the text.
void koppelterminal() {
    const HANDLE out = GetStdHandle(STD_OUTPUT_HANDLE);
    if (out != nullptr && out != INVALID_HANDLE_VALUE) return;
    if (AttachConsole(ATTACH_PARENT_PROCESS)) std::freopen("CONOUT$", "w", stdout);
}
