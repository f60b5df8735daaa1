#include "style.h"

#include "board.h"
#include "record.h"
#include "update.h"

const StyleCodes StyleTable[3][6] = {
    {},
    {{0, 0}, {3, 2}, {7, 5}, {6, 5}, {4, 5}, {3, 5}},
    {{0, 0}, {3, 5}, {4, 5}, {5, 6}, {7, 5}, {3, 2}},
};

namespace {
const char* const Names[6] = {"", "roekeloos", "aanvallend", "normaal", "behoedzaam", "angstig"};

int32_t gcd(int32_t a, int32_t b) {
    return b == 0 ? a : gcd(b, a % b);
}
} // namespace

const char* stijlnaam(int style) {
    return style >= 1 && style <= 5 ? Names[style] : "";
}

int stijlnummer(const char* name) {
    if (!name) return 0;
    auto klein = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    for (int i = 1; i <= 5; ++i) {
        const char* a = name;
        const char* b = Names[i];
        while (*a && klein(*a) == *b) ++a, ++b;
        if (*a == '\0' && *b == '\0') return i;
    }
    return 0;
}

void zetstijl(int set, int style) {
    if ((set != 1 && set != 2) || style < 1 || style > 5) return;
    zetstijlcodes(set, StyleTable[set][style].black, StyleTable[set][style].white);
}

void zetstijlcodes(int set, int32_t black, int32_t white) {
    if ((set != 1 && set != 2) || black < 2 || white < 2 || black == white ||
        gcd(black, white) != 1)
        return;
    const int32_t oldBlack = EvalSet[1].BlackCode;
    const int32_t oldWhite = EvalSet[1].WhiteCode;
    const int32_t setBlack = EvalSet[set].BlackCode;
    const int32_t setWhite = EvalSet[set].WhiteCode;
    zetcodes(set, black, white);
    if (set == 1 && oldBlack >= 2 && (oldBlack != black || oldWhite != white)) {
        // The record and SideToMove are written in set 1's codes.
        auto vertaal = [&](int32_t code) {
            if (code == oldBlack) return black;
            if (code == oldWhite) return white;
            return code;
        };
        for (int32_t n = 1; n <= MaxBoardPoints; ++n) MoveList[n].code = vertaal(MoveList[n].code);
        SideToMove = vertaal(SideToMove);
    }
    // The window products hold the old factors: rebuild them from the record.
    if (gamerunning()) {
        herbouwsets();
        return;
    }
    // A finished game is not updated any more, so it cannot be rebuilt; its
    // stones take the new codes, so that the set still holds the record.
    // The windows and scores are rebuilt by the next take-back or reset.
    for (int c = 1; c <= BoardLines; ++c)
        for (int r = 1; r <= BoardLines; ++r) {
            int32_t& k = EvalSet[set].Occupancy[c][r];
            if (k == setBlack)
                k = black;
            else if (k == setWhite)
                k = white;
        }
}
