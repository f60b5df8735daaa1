// Playing styles: a style is nothing but a pair of colour codes for one
// computer's evaluation set. The larger the computer's own factor against its
// opponent's, the more its scores favour its own lines over blocking.
#pragma once

#include <cstdint>

constexpr int Roekeloos = 1;
constexpr int Aanvallend = 2;
constexpr int Normaal = 3;
constexpr int Behoedzaam = 4;
constexpr int Angstig = 5;

struct StyleCodes {
    int32_t black;
    int32_t white;
};

// StyleTable[set][style]: computer 1 plays black from set 1, computer 2 white
// from set 2. The five pairs are shared with the colours' roles exchanged, and
// both Normaal styles weigh own to opponent as 6 : 5.
extern const StyleCodes StyleTable[3][6];

// Lowercase Dutch name of a style ("roekeloos" .. "angstig"), and back from a
// name in any case ("Angstig", "ANGSTIG"); 0 for an unknown name.
const char* stijlnaam(int style);
int stijlnummer(const char* name);

// Gives a set the codes of a style and keeps the game consistent with them:
// the recorded codes and SideToMove are translated into set 1's new codes,
// and while a game is running both sets are rebuilt from the record (reset,
// then every move again), GameState unchanged. After a game has ended the
// set's stones take the new codes, and its windows and scores are rebuilt
// by the next take-back or new game.
void zetstijl(int set, int style);

// The same for an arbitrary valid pair (codes at least 2, different, coprime).
void zetstijlcodes(int set, int32_t black, int32_t white);
