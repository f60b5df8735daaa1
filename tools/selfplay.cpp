// kalvor-selfplay: seeded computer-against-computer games without delays.
// Computer 1 plays black from set 1, computer 2 white from set 2; games
// alternate who opens, as a run of the program does. A tool for comparing
// styles, on the game's board or on another of 15 to 20 lines, one pair of
// styles or all 25 at once, and the driver for performance measurements.
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
    std::fputs("usage: kalvor-selfplay [--games N] [--seed S] [--size N]\n"
               "                       [--black STYLE] [--white STYLE] | [--table]\n"
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
               "With --table every style of computer 1 plays every style of computer 2,\n"
               "the games of each pair from the same seed, and a table of the winning\n"
               "percentages is printed instead.\n"
               "\n"
               "  --games N      number of games, of each pair with --table (default 100)\n"
               "  --seed S       seed of the random generator (default 1)\n"
               "  --size N       lines of the square board, 15 to 20 (default 19); five or\n"
               "                 more in a row wins on every board\n"
               "  --table        all 25 pairs of styles\n"
               "  --black STYLE  style of computer 1, black (default normaal)\n"
               "  --white STYLE  style of computer 2, white (default normaal); style names\n"
               "                 may be written in any case\n"
               "  -h, --help     print this text and exit\n"
               "\n"
               "kalvor-selfplay " KALVOR_VERSION "\n",
               stdout);
}

// One game from the empty board; the opener is black for odd game numbers.
void speelpartij(long long number) {
    beginpartij(number % 2 == 1 ? BlackToMove : WhiteToMove);
    while (gamerunning() && kieszet()) legzet(TargetCol, TargetRow);
}

struct Uitslag {
    long long blackWins, whiteWins, draws, moves;
};

// A series of games from the seed, computer 1 playing black in `black`'s
// style and computer 2 white in `white`'s.
Uitslag speelreeks(long long games, uint64_t seed, int black, int white) {
    zaai(seed);
    zetstijl(1, black);
    zetstijl(2, white);
    Uitslag u{};
    for (long long g = 1; g <= games; ++g) {
        speelpartij(g);
        u.moves += MoveCount;
        if (GameState == BlackWon)
            ++u.blackWins;
        else if (GameState == WhiteWon)
            ++u.whiteWins;
        else
            ++u.draws;
    }
    return u;
}

// A count as a whole percentage of the games, rounded half up.
int procent(long long n, long long games) {
    return games == 0 ? 0 : static_cast<int>((200 * n + games) / (2 * games));
}

// Every pair of styles as a table: rows computer 1's style, columns
// computer 2's, each cell the percentages of games won by computer 1 and
// by computer 2 (the rest are draws).
void speeltabel(long long games, uint64_t seed) {
    std::printf("games won by computer 1 (black) / computer 2 (white), in %% of %lld games a "
                "pair on %d x %d;\nrows: computer 1's style, columns: computer 2's\n",
                games, Bordgrootte, Bordgrootte);
    std::printf("%-11s", "");
    for (int white = Roekeloos; white <= Angstig; ++white) std::printf("%11s", stijlnaam(white));
    std::printf("\n");
    for (int black = Roekeloos; black <= Angstig; ++black) {
        std::printf("%-11s", stijlnaam(black));
        for (int white = Roekeloos; white <= Angstig; ++white) {
            const Uitslag u = speelreeks(games, seed, black, white);
            std::printf("    %3d/%3d", procent(u.blackWins, games), procent(u.whiteWins, games));
        }
        std::printf("\n");
    }
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

// --games: 0 up to a count whose totals (at most 400 moves a game) and
// percentages still fit in 64 bits.
const char* leesaantal(const char* text, long long& games) {
    bool negative;
    uint64_t m;
    if (const char* why = leesgetal(text, negative, m)) return why;
    if (negative && m != 0) return "must not be negative";
    if (m > static_cast<uint64_t>(LLONG_MAX / (2 * MaxBoardMoves))) return "number out of range";
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
    int32_t size = BoardSize;
    bool table = false, styles = false;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "--help" || a == "-h") {
            toonhulp();
            return 0;
        }
        if (a == "--table") {
            table = true;
            continue;
        }
        if (a != "--games" && a != "--seed" && a != "--black" && a != "--white" && a != "--size")
            return weiger("unknown option '" + a + "'");
        if (i + 1 >= argc) return weiger(a + " needs a value");
        const char* v = argv[++i];
        const char* why = nullptr;
        if (a == "--games") {
            why = leesaantal(v, games);
        } else if (a == "--seed") {
            why = leesseed(v, seed);
        } else if (a == "--size") {
            long long n = 0;
            why = leesaantal(v, n);
            if (!why && (n < MinBoardSize || n > MaxBoardSize))
                why = "the board has 15 to 20 lines";
            size = static_cast<int32_t>(n);
        } else {
            styles = true;
            int& style = a == "--black" ? black : white;
            style = stijlnummer(v);
            if (style == 0) return weiger(a + ": unknown style '" + v + "'");
        }
        if (why) return weiger(a + ": " + why + ": '" + v + "'");
    }

    if (table && styles)
        return weiger("--table plays every style; --black and --white do not go with it");
    zetbordgrootte(size);
    if (table) {
        speeltabel(games, seed);
        return 0;
    }
    const Uitslag u = speelreeks(games, seed, black, white);
    std::printf("games %lld black %lld white %lld draws %lld moves %lld\n", games, u.blackWins,
                u.whiteWins, u.draws, u.moves);
    return 0;
}
