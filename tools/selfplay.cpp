// kalvor-selfplay: seeded computer-against-computer games without delays.
// Computer 1 plays black from set 1, computer 2 white from set 2; games
// alternate who opens, as a run of the program does. A tool for comparing
// styles, on the game's board or on another of 15 to 20 lines, by any of
// the three rules, one pair of styles or all 25 at once, and the driver for
// performance measurements.
#include <chrono>
#include <climits>
#include <cstdint>
#include <cstdio>
#include <string>

#ifdef _WIN32
#include <io.h>
#define isatty _isatty
#define fileno _fileno
#else
#include <unistd.h>
#endif

#include "board.h"
#include "opdrachtregel.h"
#include "random.h"
#include "record.h"
#include "rules.h"
#include "setup.h"
#include "style.h"
#include "version.h"

namespace {

// The usage lines; a faulty command line gets them on standard error, after
// a line that says what is wrong with it.
void gebruik(std::FILE* uit) {
    std::fputs("usage: kalvor-selfplay [--games N] [--seed S] [--size N] [--rule R]\n"
               "                       [--black STYLE] [--white STYLE] | [--table]\n"
               "       kalvor-selfplay --help | --version\n"
               "styles: roekeloos aanvallend normaal behoedzaam angstig\n",
               uit);
}

// --version: the program's name and the project's version, on standard
// output.
void toonversie() {
    std::fputs("kalvor-selfplay " KALVOR_VERSION "\n", stdout);
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
               "percentages is printed instead. A run that lasts shows its progress on\n"
               "standard error when that is a terminal.\n"
               "\n"
               "  --games N      number of games, of each pair with --table (default 100)\n"
               "  --seed S       seed of the random generator (default 1)\n"
               "  --size N       lines of the square board, 15 to 20 (default 19)\n"
               "  --rule R       the rule, numbered as pbrain-kalvor's INFO rule: 0 five or\n"
               "                 more in a row (the default), 1 exactly five, 4 renju\n"
               "  --table        all 25 pairs of styles\n"
               "  --black STYLE  style of computer 1, black (default normaal)\n"
               "  --white STYLE  style of computer 2, white (default normaal); style names\n"
               "                 may be written in any case\n"
               "  -h, --help     print this text and exit\n"
               "  --version      print the program's name and version and exit\n"
               "An option with a value may also be written --name=value (--games=10).\n"
               "\n",
               stdout);
    toonversie();
}

// The progress of a long run, on standard error when that is a terminal and
// the run has lasted two seconds: the games played of the total and the
// rate, on one line written over in place and cleared at the end. Scripts
// and tests, whose standard error is no terminal, see nothing of it, and a
// run that is not shown never reads the clock.
struct Voortgang {
    bool aan;
    long long totaal, gespeeld;
    std::chrono::steady_clock::time_point begin, getoond;
    int breedte; // the length of the line shown, 0 when none is
};
Voortgang Loop;

void beginvoortgang(long long totaal) {
    Loop = {isatty(fileno(stderr)) != 0, totaal, 0, std::chrono::steady_clock::now(), {}, 0};
    Loop.getoond = Loop.begin;
}

void telpartij() {
    using namespace std::chrono;
    // The clock is read every 16 games, some milliseconds apart.
    if (!Loop.aan || ++Loop.gespeeld % 16 != 0) return;
    const auto nu = steady_clock::now();
    if (nu - Loop.begin < seconds(2) || nu - Loop.getoond < milliseconds(250)) return;
    Loop.getoond = nu;
    const double tempo = Loop.gespeeld / duration<double>(nu - Loop.begin).count();
    const long long rest = static_cast<long long>((Loop.totaal - Loop.gespeeld) / tempo);
    const int breedte = std::fprintf(
        stderr,
        "\rkalvor-selfplay: %lld of %lld games, %.0f games a second, %lld:%02lld:%02lld left",
        Loop.gespeeld, Loop.totaal, tempo, rest / 3600, rest / 60 % 60, rest % 60);
    // A shorter line than the one before leaves none of it behind.
    if (breedte < Loop.breedte) std::fprintf(stderr, "%*s", Loop.breedte - breedte, "");
    if (breedte > Loop.breedte) Loop.breedte = breedte;
    std::fflush(stderr);
}

// Clears the progress line, before a result goes to the same terminal.
void wisvoortgang() {
    if (Loop.breedte > 0) std::fprintf(stderr, "\r%*s\r", Loop.breedte, "");
    Loop.breedte = 0;
}

// One game from the empty board; the opener is black for odd game numbers.
void speelpartij(long long number) {
    beginpartij(number % 2 == 1 ? BlackToMove : WhiteToMove);
    while (speelcomputerzet()) {}
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
        telpartij();
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
                games, BoardLines, BoardLines);
    std::printf("%-11s", "");
    for (int white = Roekeloos; white <= Angstig; ++white) std::printf("%11s", stijlnaam(white));
    std::printf("\n");
    // A row is printed whole, once its games are played, so that the
    // progress line never stands in the middle of one.
    for (int black = Roekeloos; black <= Angstig; ++black) {
        char rij[80];
        int n = std::snprintf(rij, sizeof rij, "%-11s", stijlnaam(black));
        for (int white = Roekeloos; white <= Angstig; ++white) {
            const Uitslag u = speelreeks(games, seed, black, white);
            n += std::snprintf(rij + n, sizeof rij - static_cast<std::size_t>(n), "    %3d/%3d",
                               procent(u.blackWins, games), procent(u.whiteWins, games));
        }
        wisvoortgang();
        std::printf("%s\n", rij);
    }
}

// --games: 0 up to a count whose totals (at most 400 moves a game) and
// percentages still fit in 64 bits.
const char* leesaantal(const char* text, long long& games) {
    bool negative;
    uint64_t m;
    if (const char* why = leesdecimaal(text, negative, m)) return why;
    if (negative && m != 0) return "must not be negative";
    if (m > static_cast<uint64_t>(LLONG_MAX / (2 * MaxBoardPoints))) return "number out of range";
    games = static_cast<long long>(m);
    return nullptr;
}

// A faulty command line: the message, then the usage, and status 2.
int weiger(const std::string& message) {
    std::fprintf(stderr, "kalvor-selfplay: %s\n", message.c_str());
    gebruik(stderr);
    return 2;
}

// What the command line asks for.
struct Opdracht {
    long long games = 100;
    uint64_t seed = 1;
    int black = Normaal, white = Normaal;
    int32_t size = GameBoardSize, rule = Freestyle;
    bool table = false, styles = false;
};

// The options that take a value, each written --name value or --name=value.
bool neemtwaarde(const std::string& a) {
    return a == "--games" || a == "--seed" || a == "--black" || a == "--white" || a == "--size" ||
           a == "--rule";
}

// Reads the value v of --games, --seed, --size or --rule (a) into o;
// nullptr, or why it is refused.
const char* leeswaarde(const std::string& a, const char* v, Opdracht& o) {
    if (a == "--games") return leesaantal(v, o.games);
    if (a == "--seed") return leesseed(v, o.seed);
    long long n = 0;
    const char* why = leesaantal(v, n);
    if (a == "--size") {
        if (!why && (n < MinBoardSize || n > MaxBoardSize)) why = "the board has 15 to 20 lines";
        o.size = static_cast<int32_t>(n);
    } else {
        if (!why && n != 0 && n != 1 && n != 4) why = "the rule is 0, 1 or 4";
        o.rule = n == 4 ? Renju : n == 1 ? ExactFive : Freestyle;
    }
    return why;
}

} // namespace

int main(int argc, char** argv) {
    Opdracht o;
    for (int i = 1; i < argc; ++i) {
        const char* v = nullptr;
        const std::string a(leesoptie(argv[i], v));
        const bool vlag = a == "--help" || a == "-h" || a == "--version" || a == "--table";
        if (!vlag && !neemtwaarde(a))
            return weiger("unknown option '" + std::string(argv[i]) + "'");
        if (vlag && v) return weiger(a + " takes no value");
        if (a == "--help" || a == "-h" || a == "--version") {
            a == "--version" ? toonversie() : toonhulp();
            return uitvoerbezorgd("kalvor-selfplay") ? 0 : 1;
        }
        if (a == "--table") {
            o.table = true;
            continue;
        }
        if (!(v = neemwaarde(v, argc, argv, i))) return weiger(a + " needs a value");
        if (a == "--black" || a == "--white") {
            o.styles = true;
            int& style = a == "--black" ? o.black : o.white;
            style = stijlnummer(v);
            if (style == 0) return weiger(a + ": unknown style '" + v + "'");
        } else if (const char* why = leeswaarde(a, v, o)) {
            return weiger(a + ": " + why + ": '" + v + "'");
        }
    }

    if (o.table && o.styles)
        return weiger("--table plays every style; --black and --white do not go with it");
    beginengine();
    richtspelin(o.size, o.rule);
    beginvoortgang(o.table ? 25 * o.games : o.games);
    if (o.table) {
        speeltabel(o.games, o.seed);
    } else {
        const Uitslag u = speelreeks(o.games, o.seed, o.black, o.white);
        wisvoortgang();
        std::printf("games %lld black %lld white %lld draws %lld moves %lld\n", o.games,
                    u.blackWins, u.whiteWins, u.draws, u.moves);
    }
    return uitvoerbezorgd("kalvor-selfplay") ? 0 : 1;
}
