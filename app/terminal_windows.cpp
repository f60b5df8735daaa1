#include <windows.h>

#include <cstdio>

#include "terminal.h"

// A windowed program starts without a console. Where standard output has
// been redirected (a file, a pipe) the text goes there in UTF-8; otherwise
// to the console of the command prompt that started the program, if any,
// as UTF-16, which the console shows whatever its code page ("één" would
// come out garbled in the console's OEM code page otherwise).
void schrijfterminal(const QString& text) {
    const HANDLE out = GetStdHandle(STD_OUTPUT_HANDLE);
    if (out != nullptr && out != INVALID_HANDLE_VALUE) {
        std::fputs(text.toUtf8().constData(), stdout);
        std::fflush(stdout);
        return;
    }
    if (!AttachConsole(ATTACH_PARENT_PROCESS)) return;
    const HANDLE console = CreateFileW(L"CONOUT$", GENERIC_WRITE, FILE_SHARE_WRITE, nullptr,
                                       OPEN_EXISTING, 0, nullptr);
    if (console == INVALID_HANDLE_VALUE) return;
    DWORD written = 0;
    WriteConsoleW(console, reinterpret_cast<const wchar_t*>(text.utf16()),
                  static_cast<DWORD>(text.size()), &written, nullptr);
    CloseHandle(console);
}
