// kalvor-selfplay: seeded computer-against-computer games without delays.
// Computer 1 plays black from set 1, computer 2 white from set 2; games
// alternate who opens, as a run of the program does. A tool for comparing
// styles and the driver for performance measurements.
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "board.h"
#include "choice.h"
#include "partij.h"
#include "random.h"
#include "style.h"
#include "version.h"

namespace {

// The usage lines; a faulty command line gets them on standard error.
void gebruik(std::FILE* uit) {
    std::fputs("usage: kalvor-selfplay [--games N] [--seed S] [--black STYLE] [--white STYLE]\n"
               "styles: roekeloos aanvallend normaal behoedzaam angstig\n",
               uit);
}

// --help: the usage lines and what the options mean, on standard output.
void toonhulp() {
    gebruik(stdout);
    std::fputs("\n"
               "Plays seeded computer-against-computer games without delays: computer 1\n"
               "black, computer 2 white, the opener alternating from game to game; the\n"
               "seed decides the random first four moves of each game. Prints\n"
               "  games G black B white W draws D moves M\n"
               "\n"
               "  --games N      number of games (default 100)\n"
               "  --seed S       seed of the random generator (default 1)\n"
               "  --black STYLE  style of computer 1, black (default normaal)\n"
               "  --white STYLE  style of computer 2, white (default normaal)\n"
               "  -h, --help     print this text and exit\n"
               "\n"
               "kalvor-selfplay " KALVOR_VERSION "\n",
               stdout);
}

// One game from the empty board; the opener is black for odd game numbers.
void speelpartij(long number) {
    beginpartij(number % 2 == 1 ? BlackToMove : WhiteToMove);
    while (gamerunning() && kieszet()) legzet(TargetCol, TargetRow);
}

bool leesgetal(const char* text, long long& out) {
    char* end = nullptr;
    out = std::strtoll(text, &end, 10);
    return end != text && *end == '\0';
}

} // namespace

int main(int argc, char** argv) {
    long long games = 100, seed = 1;
    int black = Normaal, white = Normaal;
    for (int i = 1; i < argc; ++i) {
        const char* a = argv[i];
        const char* v = i + 1 < argc ? argv[i + 1] : nullptr;
        if (std::strcmp(a, "--help") == 0 || std::strcmp(a, "-h") == 0) {
            toonhulp();
            return 0;
        }
        bool ok = v != nullptr;
        if (ok && std::strcmp(a, "--games") == 0)
            ok = leesgetal(v, games) && games >= 0;
        else if (ok && std::strcmp(a, "--seed") == 0)
            ok = leesgetal(v, seed);
        else if (ok && std::strcmp(a, "--black") == 0)
            ok = (black = stijlnummer(v)) != 0;
        else if (ok && std::strcmp(a, "--white") == 0)
            ok = (white = stijlnummer(v)) != 0;
        else
            ok = false;
        if (!ok) {
            gebruik(stderr);
            return 2;
        }
        ++i;
    }

    zaai(static_cast<uint64_t>(seed));
    zetstijl(1, black);
    zetstijl(2, white);
    long long blackWins = 0, whiteWins = 0, draws = 0, moves = 0;
    for (long long g = 1; g <= games; ++g) {
        speelpartij(static_cast<long>(g));
        moves += MoveCount;
        if (GameState == BlackWon)
            ++blackWins;
        else if (GameState == WhiteWon)
            ++whiteWins;
        else
            ++draws;
    }
    std::printf("games %lld black %lld white %lld draws %lld moves %lld\n", games, blackWins,
                whiteWins, draws, moves);
    return 0;
}
