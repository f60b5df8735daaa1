// pbrain-kalvor: the Kalvor engine for tournament managers. Commands come on
// standard input one per line and each answer is flushed at once, since the
// manager waits for it before it sends more. A line ends at LF, at CR LF or
// at a CR alone, as managers on any system may send them. The session ends
// on END or at the end of the input. The only arguments are -h and --help.
#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

#include "protocol.h"
#include "random.h"
#include "version.h"

namespace {

const char* const Gebruik = "usage: pbrain-kalvor [-h | --help]\n";

void toonhulp() {
    std::fputs(Gebruik, stdout);
    std::fputs("\n"
               "The Kalvor computer player for tournament managers. Reads the Gomocup engine\n"
               "protocol from standard input, one command a line, and answers on standard\n"
               "output: START N, RECTSTART N,N, RESTART, BEGIN, TURN x,y, BOARD ... DONE,\n"
               "TAKEBACK x,y, INFO key value, ABOUT and END. Square boards of 15 to 20 lines\n"
               "are played (START 15 and START 20 for the tournaments, START 19 for the\n"
               "game's own board), five or more in a row winning on every one of them;\n"
               "coordinates are 0-based, x the column. INFO style roekeloos | aanvallend |\n"
               "normaal | behoedzaam | angstig picks the style; other INFO keys are ignored.\n"
               "The session ends on END or at the end of the input.\n"
               "\n"
               "  -h, --help  print this text and exit\n"
               "\n"
               "pbrain-kalvor " KALVOR_VERSION "\n",
               stdout);
}

} // namespace

int main(int argc, char** argv) {
    // Managers start the engine without arguments; anything else is a person
    // at the command line, who gets the usage rather than a silent protocol.
    if (argc > 1) {
        if (std::strcmp(argv[1], "-h") == 0 || std::strcmp(argv[1], "--help") == 0) {
            toonhulp();
            return 0;
        }
        std::fprintf(stderr, "pbrain-kalvor: unknown argument %s\n", argv[1]);
        std::fputs(Gebruik, stderr);
        return 2;
    }
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
    // CR LF ends a line and then leaves an empty one, which is no command.
    int teken;
    while (verder && (teken = std::getc(stdin)) != EOF) {
        if (teken == '\n' || teken == '\r')
            handel();
        else if (regel.size() <= MaxRegel)
            regel.push_back(static_cast<char>(teken));
    }
    if (verder && !regel.empty()) handel();
    return 0;
}
