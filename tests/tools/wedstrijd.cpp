// pbrain-wedstrijd: a small tournament manager for checking an engine the way
// the managers of engine authors drive it. It starts two engine processes
// once, plays a number of games between them over pipes and checks every
// answer; the engines may be native programs or Windows programs under wine.
//
//   pbrain-wedstrijd [--size N] [--rule R] [--opening "x,y ..."] GAMES STYLE1 STYLE2 COMMAND ...
//
// The games are played on a board of N lines (START N; default 19, the
// managers' own boards are 15 and 20) by INFO rule R (0 five or more, 1
// exactly five, 4 renju), each from the opening given, moves from black's,
// by the game loop of scheidsrechter.h: an answer must come within the time
// limit and be a free point of the board.
// Each engine is started as COMMAND ARGUMENT...; STYLE1 and STYLE2 reach the
// two as INFO style ("-" sends none). Engine 1 opens the odd games with
// BEGIN, engine 2 the even ones; RESTART comes between games. Commands end
// in CR LF, as managers send them, and the usual INFO lines precede the
// games: an engine that answered one would be read out of step and fail.
// Prints a line per game and a summary, and exits with 0 only when there
// were no faults, the random openings differed and both engines ended on END
// with status 0.
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <set>
#include <sstream>
#include <string>

#include "scheidsrechter.h"

namespace {

constexpr int StartLimitMs = 60000; // a first start of wine builds its prefix

// An engine process, a player of the game loop of scheidsrechter.h.
struct Engine {
    int nummer;
    pid_t pid = -1;
    int naar = -1;           // the engine's standard input
    int van = -1;            // its standard output
    std::string buffer = {}; // read, not yet taken as lines
    int noten = 0;           // MESSAGE and DEBUG lines passed over
    int fouten = 0;          // faults reported

    void fout(const std::string& wat) {
        std::printf("FAULT: engine %d: %s\n", nummer, wat.c_str());
        std::fflush(stdout);
        ++fouten;
    }
    void stuur(const std::string& regel) {
        const std::string tekst = regel + "\r\n";
        if (write(naar, tekst.data(), tekst.size()) != static_cast<ssize_t>(tekst.size()))
            fout("could not send '" + regel + "'");
    }
    // The answer to a command without its line end: the first line that is no
    // MESSAGE or DEBUG, each line within the time limit; false on a timeout
    // or the end of the engine's output.
    bool antwoord(int limietms, std::string& regel) {
        auto eind = std::chrono::steady_clock::now() + std::chrono::milliseconds(limietms);
        for (;;) {
            const std::size_t n = buffer.find_first_of("\r\n");
            if (n != std::string::npos) {
                regel = buffer.substr(0, n);
                buffer.erase(0, n + 1);
                if (regel.empty()) continue; // the LF of a CR LF, or an empty line
                if (regel.rfind("MESSAGE", 0) != 0 && regel.rfind("DEBUG", 0) != 0) return true;
                ++noten;
                eind = std::chrono::steady_clock::now() + std::chrono::milliseconds(limietms);
                continue;
            }
            const auto rest = std::chrono::duration_cast<std::chrono::milliseconds>(
                eind - std::chrono::steady_clock::now());
            pollfd p{van, POLLIN, 0};
            if (rest.count() <= 0 || poll(&p, 1, static_cast<int>(rest.count())) != 1) return false;
            char blok[512];
            const ssize_t k = read(van, blok, sizeof blok);
            if (k <= 0) return false;
            buffer.append(blok, static_cast<std::size_t>(k));
        }
    }
};

// A pipe whose ends a started engine does not inherit: the second engine
// must not hold the first one's input open, or the first would never see
// its end. (dup2 onto 0 and 1 gives the child its own ends without the flag.)
bool pijp(int (&p)[2]) {
    if (pipe(p) != 0) return false;
    fcntl(p[0], F_SETFD, FD_CLOEXEC);
    fcntl(p[1], F_SETFD, FD_CLOEXEC);
    return true;
}

bool start(Engine& e, char** command) {
    int in[2], out[2];
    if (!pijp(in) || !pijp(out)) return false;
    e.pid = fork(), e.naar = in[1], e.van = out[0];
    if (e.pid < 0) return false;
    if (e.pid == 0) {
        dup2(in[0], 0);
        dup2(out[1], 1);
        close(in[0]), close(in[1]), close(out[0]), close(out[1]);
        execvp(command[0], command);
        std::perror(command[0]);
        _exit(127);
    }
    close(in[0]);
    close(out[1]);
    return true;
}

bool verwacht(Engine& e, const std::string& commando, int limietms) {
    e.stuur(commando);
    std::string regel;
    if (!e.antwoord(limietms, regel)) return e.fout("no answer to " + commando), false;
    if (regel != "OK") e.fout("answered '" + regel + "' to " + commando);
    return regel == "OK";
}

bool eindig(Engine& e) {
    e.stuur("END");
    close(e.naar);
    int status = 0;
    for (int i = 0; i < 500; ++i) {
        if (waitpid(e.pid, &status, WNOHANG) == e.pid)
            return WIFEXITED(status) && WEXITSTATUS(status) == 0;
        usleep(10000);
    }
    kill(e.pid, SIGKILL);
    waitpid(e.pid, &status, 0);
    e.fout("still running 5 s after END");
    return false;
}

} // namespace

int main(int argc, char** argv) {
    scheids::Wedstrijd w;
    for (; argc > 2 && std::strncmp(argv[1], "--", 2) == 0; argc -= 2, argv += 2) {
        if (std::strcmp(argv[1], "--size") == 0) w.grootte = std::atoi(argv[2]);
        if (std::strcmp(argv[1], "--rule") == 0) w.regel = std::atoi(argv[2]);
        std::istringstream in(std::strcmp(argv[1], "--opening") == 0 ? argv[2] : "");
        char komma;
        for (int x, y; in >> x >> komma >> y;) w.opening.push_back({x, y});
    }
    // An opening point off the board or given twice is refused, not placed.
    std::set<std::pair<int, int>> gezien;
    bool opening = true;
    for (auto [x, y] : w.opening)
        opening = opening && x >= 0 && y >= 0 && x < w.grootte && y < w.grootte &&
                  gezien.insert({x, y}).second;
    if (argc < 5 || std::atoi(argv[1]) < 1 || w.grootte < 5 || w.grootte > 20 || !opening) {
        std::fputs("usage: pbrain-wedstrijd [--size N] [--rule R] [--opening \"x,y ...\"] GAMES "
                   "STYLE1 STYLE2 COMMAND [ARGUMENT...]\n",
                   stderr);
        return 2;
    }
    signal(SIGPIPE, SIG_IGN); // a dead engine is reported, not fatal
    const int partijen = std::atoi(argv[1]);
    Engine een{1}, twee{2};
    Engine* beide[2] = {&een, &twee};
    // An engine that does not get as far as the games is stopped, not left
    // behind.
    auto stop = [&] {
        for (Engine* e : beide)
            if (e->pid > 0) {
                kill(e->pid, SIGKILL);
                waitpid(e->pid, nullptr, 0);
            }
        return 1;
    };
    if (!start(een, argv + 4) || !start(twee, argv + 4)) {
        std::perror("pbrain-wedstrijd");
        return stop();
    }
    for (int i = 0; i < 2; ++i) {
        if (!verwacht(*beide[i], "START " + std::to_string(w.grootte), StartLimitMs)) return stop();
        for (const char* info : {"INFO timeout_turn 5000", "INFO timeout_match 0",
                                 "INFO max_memory 83886080", "INFO game_type 1"})
            beide[i]->stuur(info);
        beide[i]->stuur("INFO rule " + std::to_string(w.regel));
        if (std::strcmp(argv[2 + i], "-") != 0)
            beide[i]->stuur(std::string("INFO style ") + argv[2 + i]);
    }

    int zwart = 0, wit = 0, remise = 0, zetten = 0, dood = 0, gespeeld = 0;
    std::set<std::string> openingen;
    const scheids::Partij& p = w.partij;
    for (int g = 1; g <= partijen && een.fouten + twee.fouten == 0; ++g) {
        Engine* volgorde[2] = {g % 2 ? &een : &twee, g % 2 ? &twee : &een};
        if (g > 1 &&
            !(verwacht(een, "RESTART", w.zetlimietms) && verwacht(twee, "RESTART", w.zetlimietms)))
            break;
        const int uitslag = scheids::speel(w, volgorde, [](auto&&...) {});
        if (uitslag < 0) break;
        ++gespeeld;
        const int n = static_cast<int>(p.zetten.size());
        zetten += n;
        openingen.insert(p.opening);
        (uitslag == 1 ? zwart : uitslag == 2 ? wit : remise)++;
        if (p.doodbij) ++dood;
        std::printf("game %d: engine %d black, %s after %d moves", g, volgorde[0]->nummer,
                    uitslag == 1   ? "black wins"
                    : uitslag == 2 ? "white wins"
                                   : "full board",
                    n);
        if (p.doodbij) std::printf(" (no five possible after move %d)", p.doodbij);
        std::printf("\n");
    }
    for (Engine* e : beide)
        if (!eindig(*e)) e->fout("did not end with status 0");
    int fouten = een.fouten + twee.fouten;
    if (gespeeld > 1 && openingen.size() == 1 && w.opening.empty()) {
        std::printf("FAULT: every game opened with the same four moves\n");
        ++fouten;
    }
    std::printf("games %d black %d white %d draws %d moves %d; dead boards %d; distinct openings "
                "%zu; notes %d; slowest answer %.1f ms; faults %d\n",
                gespeeld, zwart, wit, remise, zetten, dood, openingen.size(),
                een.noten + twee.noten, w.traagste / 1000.0, fouten);
    return fouten == 0 && gespeeld == partijen ? 0 : 1;
}
