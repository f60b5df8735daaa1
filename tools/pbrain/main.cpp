// pbrain-kalvor: the Kalvor engine for tournament managers. Commands come on
// standard input one per line and each answer is flushed at once, since the
// manager waits for it before it sends more. A line ends at LF, at CR LF or
// at a CR alone, as managers on any system may send them. The session ends
// on END or at the end of the input, or with status 1 when an answer could
// not be written. The only arguments are -h, --help, --version and --seed N
// (or --seed=N).
#include <chrono>
#include <cstdio>
#include <string>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

#include "opdrachtregel.h"
#include "protocol.h"
#include "random.h"
#include "version.h"

namespace {

const char* const Gebruik = "usage: pbrain-kalvor [--seed N] | -h | --help | --version\n";

// --version: the program's name and the project's version.
void toonversie() {
    std::fputs("pbrain-kalvor " KALVOR_VERSION "\n", stdout);
}

void toonhulp() {
    std::fputs(Gebruik, stdout);
    std::fputs("\n"
               "The Kalvor computer player for tournament managers. Reads the Gomocup engine\n"
               "protocol from standard input, one command a line, and answers on standard\n"
               "output: START N, RECTSTART N,N, RESTART, BEGIN, TURN x,y, BOARD ... DONE,\n"
               "SWAP2BOARD ... DONE, TAKEBACK x,y, INFO key value, ABOUT and END. Square\n"
               "boards of 15 to 20 lines are played (START 15 and START 20 for the\n"
               "tournaments, START 19 for the game's own board); coordinates are 0-based,\n"
               "x the column. INFO rule 0 plays five or more in a row (the default), INFO\n"
               "rule 1 exactly five, INFO rule 4 renju; SWAP2BOARD answers the steps of the\n"
               "swap2 opening. INFO style roekeloos | aanvallend | normaal | behoedzaam |\n"
               "angstig picks the style; other INFO keys are ignored. The session ends on\n"
               "END or at the end of the input.\n"
               "\n"
               "  --seed N    seed of the random opening moves, any 64-bit value, so that\n"
               "              games can be played again (default: the clock); also\n"
               "              written --seed=N\n"
               "  -h, --help  print this text and exit\n"
               "  --version   print the program's name and version and exit\n"
               "\n",
               stdout);
    toonversie();
}

// A faulty command line: the message, then the usage, and status 2.
int weiger(const std::string& bericht) {
    std::fprintf(stderr, "pbrain-kalvor: %s\n", bericht.c_str());
    std::fputs(Gebruik, stderr);
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    // Managers start the engine without arguments, and its openings are
    // drawn from the clock; --seed fixes them. Anything else is a person at
    // the command line, who gets the usage rather than a silent protocol.
    uint64_t zaad =
        static_cast<uint64_t>(std::chrono::system_clock::now().time_since_epoch().count());
    for (int i = 1; i < argc; ++i) {
        const char* waarde = nullptr;
        const std::string_view naam = leesoptie(argv[i], waarde);
        const bool vlag = naam == "-h" || naam == "--help" || naam == "--version";
        if (!vlag && naam != "--seed") return weiger(std::string("unknown argument ") + argv[i]);
        if (vlag && waarde) return weiger(std::string(naam) + " takes no value");
        if (vlag) {
            naam == "--version" ? toonversie() : toonhulp();
            return uitvoerbezorgd("pbrain-kalvor") ? 0 : 1;
        }
        if (!(waarde = neemwaarde(waarde, argc, argv, i))) return weiger("--seed needs a value");
        if (const char* waarom = leesseed(waarde, zaad))
            return weiger(std::string("--seed: ") + waarom + ": '" + waarde + "'");
    }
#ifdef _WIN32
    // Line ends and stray bytes are handled here, not by the C runtime.
    _setmode(_fileno(stdin), _O_BINARY);
    _setmode(_fileno(stdout), _O_BINARY);
#endif
    zaai(zaad);
    static Protocolstaat staat;
    beginprotocol(staat);

    // Only one byte beyond the limit is kept, enough for the protocol to
    // refuse the line as too long without storing all of it.
    std::string regel, antwoord;
    regel.reserve(MaxRegel + 1);
    // An answer that could not be written ends the session: the manager
    // would wait for it in vain.
    bool verder = true, bezorgd = true;
    auto handel = [&] {
        antwoord.clear();
        verder = verwerkregel(staat, regel, antwoord);
        regel.clear();
        if (!antwoord.empty()) {
            std::fwrite(antwoord.data(), 1, antwoord.size(), stdout);
            bezorgd = uitvoerbezorgd("pbrain-kalvor");
            verder = verder && bezorgd;
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
    return bezorgd ? 0 : 1;
}
