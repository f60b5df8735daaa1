// pbrain-wedstrijd: a small tournament manager for checking an engine the way
// the managers of engine authors drive it. It starts two engine processes
// once, plays a number of games between them over pipes and checks every
// answer; the engines may be native programs or Windows programs under wine.
//
//   pbrain-wedstrijd [--size N] [--rule R] [--opening "x,y ..."] GAMES STYLE1 STYLE2 COMMAND ...
//
// The games are played on a board of N lines (START N; default 19, the
// managers' own boards are 15 and 20) by INFO rule R (0 five or more, 1
// exactly five, 4 renju), judged by the referee of scheidsrechter.h, each
// from the opening given, moves from black's, sent as a BOARD block.
// Each engine is started as COMMAND ARGUMENT...; STYLE1 and STYLE2 reach the
// two as INFO style ("-" sends none). Engine 1 opens the odd games with
// BEGIN, engine 2 the even ones; RESTART comes between games. Commands end
// in CR LF, as managers send them, and the usual INFO lines precede the
// games: an engine that answered one would be read out of step and fail.
//
// An answer must come within the time limit and be a free point of the
// board; MESSAGE and DEBUG lines before it are passed over. A game
// ends with a win, a full board, or black's forbidden point in renju (a
// fault); a dead board is played to the end, as managers do. A six that wins
// nothing under exactly five, made while another point is free, is a fault
// too. Prints a line per game and a summary, and exits with 0 only when there
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
#include <vector>

#include "scheidsrechter.h"

namespace {

int Size = 19;                  // lines of the board played
int Rule = scheids::Vijfofmeer; // INFO rule
std::vector<std::pair<int, int>> Opening;
constexpr int StartLimitMs = 60000; // a first start of wine builds its prefix
constexpr int MoveLimitMs = 30000;

struct Engine {
    int number;
    pid_t pid;
    int naar; // the engine's standard input
    int van;  // its standard output
    std::string buffer;
    int notes; // MESSAGE and DEBUG lines passed over
};

int Faults = 0;

void fout(const Engine& e, const std::string& wat) {
    std::printf("FAULT: engine %d: %s\n", e.number, wat.c_str());
    std::fflush(stdout);
    ++Faults;
}

// A pipe whose ends a started engine does not inherit: the second engine
// must not hold the first one's input open, or the first would never see
// its end. (dup2 onto 0 and 1 gives the child its own ends without the flag.)
bool pijp(int (&p)[2]) {
    if (pipe(p) != 0) return false;
    fcntl(p[0], F_SETFD, FD_CLOEXEC);
    fcntl(p[1], F_SETFD, FD_CLOEXEC);
    return true;
}

bool start(Engine& e, int number, char** command) {
    int in[2], out[2];
    if (!pijp(in) || !pijp(out)) return false;
    e = {number, fork(), in[1], out[0], {}, 0};
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

void stuur(Engine& e, const std::string& regel) {
    const std::string tekst = regel + "\r\n";
    if (write(e.naar, tekst.data(), tekst.size()) != static_cast<ssize_t>(tekst.size()))
        fout(e, "could not send '" + regel + "'");
}

// The next line from the engine without its line end; false on a timeout or
// the end of its output.
bool leesregel(Engine& e, int limietms, std::string& regel) {
    const auto eind = std::chrono::steady_clock::now() + std::chrono::milliseconds(limietms);
    for (;;) {
        const std::size_t n = e.buffer.find_first_of("\r\n");
        if (n != std::string::npos) {
            regel = e.buffer.substr(0, n);
            e.buffer.erase(0, n + 1);
            if (regel.empty()) continue; // the LF of a CR LF, or an empty line
            return true;
        }
        const auto rest = std::chrono::duration_cast<std::chrono::milliseconds>(
            eind - std::chrono::steady_clock::now());
        pollfd p{e.van, POLLIN, 0};
        if (rest.count() <= 0 || poll(&p, 1, static_cast<int>(rest.count())) != 1) return false;
        char blok[512];
        const ssize_t k = read(e.van, blok, sizeof blok);
        if (k <= 0) return false;
        e.buffer.append(blok, static_cast<std::size_t>(k));
    }
}

// The answer to a command: the first line that is no MESSAGE or DEBUG.
bool antwoord(Engine& e, int limietms, std::string& regel) {
    while (leesregel(e, limietms, regel)) {
        if (regel.rfind("MESSAGE", 0) != 0 && regel.rfind("DEBUG", 0) != 0) return true;
        ++e.notes;
    }
    return false;
}

bool verwacht(Engine& e, const std::string& commando, int limietms) {
    stuur(e, commando);
    std::string regel;
    if (!antwoord(e, limietms, regel)) {
        fout(e, "no answer to " + commando);
        return false;
    }
    if (regel != "OK") fout(e, "answered '" + regel + "' to " + commando);
    return regel == "OK";
}

// Reads "x,y" exactly, both on the board.
bool leeszet(const std::string& s, int& x, int& y) {
    int n = 0;
    return std::sscanf(s.c_str(), "%d,%d%n", &x, &y, &n) == 2 && n == static_cast<int>(s.size()) &&
           x >= 0 && x < Size && y >= 0 && y < Size;
}

struct Partij {
    scheids::Bord bord;
    std::vector<std::pair<int, int>> zetten; // the opening's, then the engines'
    int doodbij; // the move after which no five fitted any more; 0 if never
    std::string opening;
};

// Whether a window of five still holds stones of at most one colour.
bool levend(const Partij& p) {
    for (int x = 0; x < Size; ++x)
        for (int y = 0; y < Size; ++y)
            for (const auto& d : scheids::Richting) {
                const int ex = x + 4 * d[0], ey = y + 4 * d[1];
                if (ex < 0 || ex >= Size || ey < 0 || ey >= Size) continue;
                int kleuren = 0;
                for (int i = 0; i < 5; ++i) kleuren |= 1 << p.bord.v[x + i * d[0]][y + i * d[1]];
                if ((kleuren & 6) != 6) return true;
            }
    return false;
}

long long Traagste = 0; // the slowest answer to a move, in microseconds

// Sends the command that asks the engine of colour kleur for a move: BEGIN
// on an empty board, TURN with the last move to an engine that has seen the
// game so far, else the whole position as a BOARD block (field 1 its own).
std::string vraagzet(Engine& e, const Partij& p, int kleur, bool kent) {
    auto punt = [](std::pair<int, int> z) {
        return std::to_string(z.first) + "," + std::to_string(z.second);
    };
    std::string commando = p.zetten.empty() ? "BEGIN" : "TURN " + punt(p.zetten.back());
    if (!kent && !p.zetten.empty()) {
        stuur(e, "BOARD");
        for (auto z : p.zetten)
            stuur(e, punt(z) + (p.bord.v[z.first][z.second] == kleur ? ",1" : ",2"));
        commando = "DONE";
    }
    stuur(e, commando);
    return commando;
}

// One game; returns 1 or 2 for the colour that won, 0 for a full board,
// -1 when an engine failed (the game is abandoned).
int speel(Engine* e[2], Partij& p) {
    p.bord = scheids::Bord{};
    p.bord.n = Size;
    p.zetten.clear();
    p.doodbij = 0;
    p.opening.clear();
    for (auto [x, y] : Opening) {
        p.bord.v[x][y] = p.zetten.size() % 2 ? scheids::Wit : scheids::Zwart;
        p.zetten.push_back({x, y});
    }
    bool kent[3] = {false, Opening.empty(), Opening.empty()};
    for (int kleur = 1 + static_cast<int>(p.zetten.size() % 2);; kleur = 3 - kleur) {
        Engine& zetter = *e[kleur - 1];
        const auto t0 = std::chrono::steady_clock::now();
        const std::string commando = vraagzet(zetter, p, kleur, kent[kleur]);
        kent[kleur] = true;
        std::string regel;
        int x, y;
        if (!antwoord(zetter, MoveLimitMs, regel)) {
            fout(zetter, "no move after " + commando);
            return -1;
        }
        const long long us = std::chrono::duration_cast<std::chrono::microseconds>(
                                 std::chrono::steady_clock::now() - t0)
                                 .count();
        if (us > Traagste) Traagste = us;
        const int zet = static_cast<int>(p.zetten.size()) + 1;
        if (!leeszet(regel, x, y) || p.bord.v[x][y] != 0) {
            fout(zetter,
                 "answered '" + regel + "' to " + commando + " at move " + std::to_string(zet));
            return -1;
        }
        if (Rule == scheids::Renju && kleur == scheids::Zwart && scheids::verboden(p.bord, x, y)) {
            fout(zetter, "played the forbidden point " + regel + " at move " + std::to_string(zet));
            return scheids::Wit;
        }
        p.bord.v[x][y] = kleur;
        p.zetten.push_back({x, y});
        if (zet <= 4) p.opening += regel + " ";
        if (scheids::wint(p.bord, x, y, Rule)) return kleur;
        bool zes = false;
        for (int d = 0; d < 4; ++d) zes = zes || p.bord.rij(x, y, d) > 5;
        if (zes && Rule == scheids::Preciesvijf && zet < Size * Size) {
            fout(zetter, "made a six that wins nothing at move " + std::to_string(zet) +
                             " while other points were free");
        }
        if (p.doodbij == 0 && !levend(p)) p.doodbij = zet;
        if (zet == Size * Size) return 0;
    }
}

bool eindig(Engine& e) {
    stuur(e, "END");
    close(e.naar);
    int status = 0;
    for (int i = 0; i < 500; ++i) {
        if (waitpid(e.pid, &status, WNOHANG) == e.pid)
            return WIFEXITED(status) && WEXITSTATUS(status) == 0;
        usleep(10000);
    }
    kill(e.pid, SIGKILL);
    waitpid(e.pid, &status, 0);
    fout(e, "still running 5 s after END");
    return false;
}

} // namespace

int main(int argc, char** argv) {
    for (; argc > 2 && std::strncmp(argv[1], "--", 2) == 0; argc -= 2, argv += 2) {
        if (std::strcmp(argv[1], "--size") == 0) Size = std::atoi(argv[2]);
        if (std::strcmp(argv[1], "--rule") == 0) Rule = std::atoi(argv[2]);
        std::istringstream in(std::strcmp(argv[1], "--opening") == 0 ? argv[2] : "");
        char komma;
        for (int x, y; in >> x >> komma >> y;) Opening.push_back({x, y});
    }
    if (argc < 5 || std::atoi(argv[1]) < 1 || Size < 5 || Size > 20) {
        std::fputs("usage: pbrain-wedstrijd [--size N] [--rule R] [--opening \"x,y ...\"] GAMES "
                   "STYLE1 STYLE2 COMMAND [ARGUMENT...]\n",
                   stderr);
        return 2;
    }
    signal(SIGPIPE, SIG_IGN); // a dead engine is reported, not fatal
    const int partijen = std::atoi(argv[1]);
    Engine een{1, -1, -1, -1, {}, 0}, twee{2, -1, -1, -1, {}, 0};
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
    if (!start(een, 1, argv + 4) || !start(twee, 2, argv + 4)) {
        std::perror("pbrain-wedstrijd");
        return stop();
    }
    for (int i = 0; i < 2; ++i) {
        if (!verwacht(*beide[i], "START " + std::to_string(Size), StartLimitMs)) return stop();
        for (const char* info : {"INFO timeout_turn 5000", "INFO timeout_match 0",
                                 "INFO max_memory 83886080", "INFO game_type 1"})
            stuur(*beide[i], info);
        stuur(*beide[i], "INFO rule " + std::to_string(Rule));
        if (std::strcmp(argv[2 + i], "-") != 0)
            stuur(*beide[i], std::string("INFO style ") + argv[2 + i]);
    }

    int zwart = 0, wit = 0, remise = 0, zetten = 0, dood = 0, gespeeld = 0;
    std::set<std::string> openingen;
    static Partij p;
    for (int g = 1; g <= partijen && Faults == 0; ++g) {
        Engine* volgorde[2] = {g % 2 ? &een : &twee, g % 2 ? &twee : &een};
        if (g > 1 &&
            !(verwacht(een, "RESTART", MoveLimitMs) && verwacht(twee, "RESTART", MoveLimitMs)))
            break;
        const int uitslag = speel(volgorde, p);
        if (uitslag < 0) break;
        ++gespeeld;
        const int n = static_cast<int>(p.zetten.size());
        zetten += n;
        openingen.insert(p.opening);
        (uitslag == 1 ? zwart : uitslag == 2 ? wit : remise)++;
        if (p.doodbij) ++dood;
        std::printf("game %d: engine %d black, %s after %d moves", g, volgorde[0]->number,
                    uitslag == 1   ? "black wins"
                    : uitslag == 2 ? "white wins"
                                   : "full board",
                    n);
        if (p.doodbij) std::printf(" (no five possible after move %d)", p.doodbij);
        std::printf("\n");
    }
    for (Engine* e : beide)
        if (!eindig(*e)) fout(*e, "did not end with status 0");
    if (gespeeld > 1 && openingen.size() == 1 && Opening.empty()) {
        std::printf("FAULT: every game opened with the same four moves\n");
        ++Faults;
    }
    std::printf("games %d black %d white %d draws %d moves %d; dead boards %d; distinct openings "
                "%zu; notes %d; slowest answer %.1f ms; faults %d\n",
                gespeeld, zwart, wit, remise, zetten, dood, openingen.size(),
                een.notes + twee.notes, Traagste / 1000.0, Faults);
    return Faults == 0 && gespeeld == partijen ? 0 : 1;
}
