// kalvor-selfplay: seeded computer-against-computer games without delays.
// Computer 1 plays black from set 1, computer 2 white from set 2; games
// alternate who opens, as a run of the program does. A tool for comparing
// styles and the driver for performance measurements.
#include <cctype>
#include <climits>
#include <cstdint>
#include <cstdio>
#include <string>

#include "board.h"
#include "choice.h"
#include "partij.h"
#include "random.h"
#include "style.h"
#include "version.h"

namespace {

// The usage lines; a faulty command line gets them on standard error, after
// a line that says what is wrong with it.
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
               "  --white STYLE  style of computer 2, white (default normaal); style names\n"
               "                 may be written in any case\n"
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

// A whole decimal number with an optional sign, as its sign and magnitude;
// nullptr, or why the text is none. The magnitude is refused beyond 64 bits,
// so a long number never wraps round to another value.
const char* leesgetal(const char* text, bool& negative, uint64_t& magnitude) {
    negative = *text == '-';
    if (*text == '-' || *text == '+') ++text;
    if (*text == '\0') return "not a number";
    for (const char* t = text; *t; ++t)
        if (*t < '0' || *t > '9') return "not a number";
    magnitude = 0;
    for (; *text; ++text) {
        const uint64_t digit = static_cast<uint64_t>(*text - '0');
        if (magnitude > (UINT64_MAX - digit) / 10) return "number out of range";
        magnitude = magnitude * 10 + digit;
    }
    return nullptr;
}

// --games: 0 up to the largest count the totals can hold.
const char* leesaantal(const char* text, long long& games) {
    bool negative;
    uint64_t m;
    if (const char* why = leesgetal(text, negative, m)) return why;
    if (negative && m != 0) return "must not be negative";
    if (m > static_cast<uint64_t>(LLONG_MAX)) return "number out of range";
    games = static_cast<long long>(m);
    return nullptr;
}

// --seed: any 64-bit value; a negative one stands for its two's complement,
// as it always has, so -1 and 18446744073709551615 are the same seed.
const char* leesseed(const char* text, uint64_t& seed) {
    bool negative;
    uint64_t m;
    if (const char* why = leesgetal(text, negative, m)) return why;
    if (negative && m > static_cast<uint64_t>(LLONG_MAX) + 1) return "number out of range";
    seed = negative ? 0 - m : m;
    return nullptr;
}

// A style by name, in any case, as the adapter takes it; 0 if unknown.
int leesstijl(const char* text) {
    char name[16] = {};
    for (std::size_t i = 0; text[i]; ++i) {
        if (i + 1 >= sizeof name) return 0;
        name[i] = static_cast<char>(std::tolower(static_cast<unsigned char>(text[i])));
    }
    return stijlnummer(name);
}

// A faulty command line: the message, then the usage, and status 2.
int weiger(const std::string& message) {
    std::fprintf(stderr, "kalvor-selfplay: %s\n", message.c_str());
    gebruik(stderr);
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    long long games = 100;
    uint64_t seed = 1;
    int black = Normaal, white = Normaal;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "--help" || a == "-h") {
            toonhulp();
            return 0;
        }
        if (a != "--games" && a != "--seed" && a != "--black" && a != "--white")
            return weiger("unknown option '" + a + "'");
        if (i + 1 >= argc) return weiger(a + " needs a value");
        const char* v = argv[++i];
        const char* why = nullptr;
        if (a == "--games") {
            why = leesaantal(v, games);
        } else if (a == "--seed") {
            why = leesseed(v, seed);
        } else {
            int& style = a == "--black" ? black : white;
            style = leesstijl(v);
            if (style == 0) return weiger(a + ": unknown style '" + v + "'");
        }
        if (why) return weiger(a + ": " + why + ": '" + v + "'");
    }

    zaai(seed);
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
