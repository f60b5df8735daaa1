// pbrain-kalvor: the Kalvor engine for tournament managers. Commands come on
// standard input one per line and each answer is flushed at once, since the
// manager waits for it before it sends more. The session ends on END or at
// the end of the input.
#include <chrono>
#include <cstdio>
#include <string>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

#include "protocol.h"
#include "random.h"

int main() {
#ifdef _WIN32
    // Line ends and stray bytes are handled here, not by the C runtime.
    _setmode(_fileno(stdin), _O_BINARY);
    _setmode(_fileno(stdout), _O_BINARY);
#endif
    zaai(static_cast<uint64_t>(std::chrono::system_clock::now().time_since_epoch().count()));
    static Protocolstaat staat;
    beginprotocol(staat);

    // Only one byte beyond the limit is kept, enough for the protocol to
    // refuse the line as too long without storing all of it.
    std::string regel, antwoord;
    regel.reserve(MaxRegel + 1);
    bool verder = true;
    auto handel = [&] {
        antwoord.clear();
        verder = verwerkregel(staat, regel, antwoord);
        regel.clear();
        if (!antwoord.empty()) {
            std::fwrite(antwoord.data(), 1, antwoord.size(), stdout);
            std::fflush(stdout);
        }
    };
    int teken;
    while (verder && (teken = std::getc(stdin)) != EOF) {
        if (teken == '\n')
            handel();
        else if (regel.size() <= MaxRegel)
            regel.push_back(static_cast<char>(teken));
    }
    if (verder && !regel.empty()) handel();
    return 0;
}
