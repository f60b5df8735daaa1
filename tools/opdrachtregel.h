// What the two command-line tools share: reading an option and a number,
// from the command line and from the adapter's commands, and making sure
// that what they printed reached its destination.
#pragma once

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string_view>

// An option of the command line, `--name` or `--name=value`: its name, and
// in waarde what followed the '=', nullptr when none did. Only an argument
// that starts with two dashes is split, so a value such as -1 is never taken
// for an option.
inline std::string_view leesoptie(const char* argument, const char*& waarde) {
    const std::string_view a = argument;
    const std::size_t is = a.rfind("--", 0) == 0 ? a.find('=') : std::string_view::npos;
    waarde = is == std::string_view::npos ? nullptr : argument + is + 1;
    return a.substr(0, is);
}

// The value of an option that takes one, written `--name value` or
// `--name=value`: the part after the '=' (gegeven, from leesoptie) or else
// the next argument, which i then passes; nullptr when there is none.
inline const char* neemwaarde(const char* gegeven, int argc, char** argv, int& i) {
    if (gegeven) return gegeven;
    return i + 1 < argc ? argv[++i] : nullptr;
}

// Why leesdecimaal refuses a number too long for 64 bits.
inline const char* const TeGroot = "number out of range";

// A whole decimal number with an optional sign, as its sign and magnitude;
// nullptr, or why the text is none. The magnitude is refused beyond 64 bits
// (TeGroot), so a long number never wraps round to another value.
inline const char* leesdecimaal(std::string_view text, bool& negative, uint64_t& magnitude) {
    negative = !text.empty() && text.front() == '-';
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) text.remove_prefix(1);
    if (text.empty()) return "not a number";
    for (char t : text)
        if (t < '0' || t > '9') return "not a number";
    magnitude = 0;
    for (char t : text) {
        const uint64_t digit = static_cast<uint64_t>(t - '0');
        if (magnitude > (UINT64_MAX - digit) / 10) return TeGroot;
        magnitude = magnitude * 10 + digit;
    }
    return nullptr;
}

// A seed: any 64-bit value; a negative one stands for its two's complement,
// so -1 and 18446744073709551615 are the same seed.
inline const char* leesseed(const char* text, uint64_t& seed) {
    bool negative;
    uint64_t m;
    if (const char* why = leesdecimaal(text, negative, m)) return why;
    if (negative && m > static_cast<uint64_t>(INT64_MAX) + 1) return "number out of range";
    seed = negative ? 0 - m : m;
    return nullptr;
}

// Flushes standard output and tells whether everything written to it got
// there. If not (a full disk, a closed pipe), one line on standard error
// names the program and the cause, and the caller ends with a failure:
// results that were lost must not pass for success.
inline bool uitvoerbezorgd(const char* programma) {
    errno = 0;
    if (std::fflush(stdout) == 0 && !std::ferror(stdout)) return true;
    const int oorzaak = errno;
    std::fprintf(stderr, "%s: could not write the output: %s\n", programma,
                 oorzaak != 0 ? std::strerror(oorzaak) : "write error");
    return false;
}
