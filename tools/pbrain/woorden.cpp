#include "woorden.h"

#include <cstring>

#include "board.h"
#include "opdrachtregel.h"

bool isspatie(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

std::string_view bijgeknipt(std::string_view s) {
    while (!s.empty() && isspatie(s.front())) s.remove_prefix(1);
    while (!s.empty() && isspatie(s.back())) s.remove_suffix(1);
    return s;
}

namespace {

char hoofdletter(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

const char* const Commandos[] = {"START", "RECTSTART", "RESTART", "BEGIN", "TURN", "BOARD",
                                 "DONE",  "TAKEBACK",  "INFO",    "ABOUT", "END",  "SWAP2BOARD"};

} // namespace

bool isnaam(std::string_view woord, const char* naam) {
    const std::size_t n = std::strlen(naam);
    if (woord.size() != n) return false;
    for (std::size_t i = 0; i < n; ++i)
        if (hoofdletter(woord[i]) != naam[i]) return false;
    return true;
}

bool iscommando(std::string_view woord) {
    for (const char* c : Commandos)
        if (isnaam(woord, c)) return true;
    return false;
}

void splitswoord(std::string_view regel, std::string_view& woord, std::string_view& rest) {
    std::size_t i = 0;
    while (i < regel.size() && !isspatie(regel[i])) ++i;
    woord = regel.substr(0, i);
    rest = bijgeknipt(regel.substr(i));
}

bool leesgetal(std::string_view s, long long& v) {
    bool negatief;
    uint64_t m;
    const char* waarom = leesdecimaal(bijgeknipt(s), negatief, m);
    if (waarom != nullptr && waarom != TeGroot) return false;
    // Beyond a billion every number is off every board and every setting.
    constexpr uint64_t Grens = 1000000000;
    v = static_cast<long long>(waarom != nullptr || m > Grens ? Grens : m);
    if (negatief) v = -v;
    return true;
}

bool leesgetallen(std::string_view s, long long* v, int n) {
    for (int i = 0; i < n; ++i) {
        const std::size_t komma = i + 1 < n ? s.find(',') : s.size();
        if (komma == std::string_view::npos || !leesgetal(s.substr(0, komma), v[i])) return false;
        s.remove_prefix(komma == s.size() ? komma : komma + 1);
    }
    return true;
}

const char* buitenbord() {
    static const char* const Teksten[] = {
        "coordinates outside the 15x15 board", "coordinates outside the 16x16 board",
        "coordinates outside the 17x17 board", "coordinates outside the 18x18 board",
        "coordinates outside the 19x19 board", "coordinates outside the 20x20 board"};
    static_assert(sizeof Teksten / sizeof Teksten[0] == MaxBoardSize - MinBoardSize + 1);
    return Teksten[BoardLines - MinBoardSize];
}

bool opbord(long long v) {
    return v >= 0 && v < BoardLines;
}

const char* leespunt(std::string_view s, int& c, int& r) {
    long long v[2];
    if (!leesgetallen(s, v, 2)) return "malformed coordinates, expected x,y";
    if (!opbord(v[0]) || !opbord(v[1])) return buitenbord();
    c = static_cast<int>(v[0]) + 1;
    r = static_cast<int>(v[1]) + 1;
    return nullptr;
}

void schrijf(std::string& uit, const char* a, std::string_view b) {
    uit += a;
    uit += b;
    uit += '\n';
}

void fout(std::string& uit, const char* reden) {
    schrijf(uit, "ERROR ", reden);
}

std::string zichtbaar(std::string_view s) {
    constexpr std::size_t Max = 32;
    std::string t;
    for (std::size_t i = 0; i < s.size() && i < Max; ++i)
        t += s[i] > ' ' && s[i] < 127 ? s[i] : '?';
    if (s.size() > Max) t += "...";
    return t;
}

void schrijfpunt(std::string& uit, int c, int r) {
    uit += std::to_string(c - 1);
    uit += ',';
    uit += std::to_string(r - 1);
}
