// The words of the protocol: commands and their arguments as they come in,
// the wire's points and the answer lines as they go out. Nothing here
// touches the game.
#pragma once

#include <string>
#include <string_view>

bool isspatie(char c);
std::string_view bijgeknipt(std::string_view s);

// Compares a command word with an upper-case name, ignoring case.
bool isnaam(std::string_view woord, const char* naam);

// Whether a word is one of the commands the adapter knows.
bool iscommando(std::string_view woord);

// Splits a trimmed line into its first word and the trimmed rest.
void splitswoord(std::string_view regel, std::string_view& woord, std::string_view& rest);

// An optionally signed decimal integer filling the whole text. Huge values
// saturate instead of wrapping, so the range tests refuse them.
bool leesgetal(std::string_view s, long long& v);

// Reads "a,b" or "a,b,c": exactly n integers separated by commas.
bool leesgetallen(std::string_view s, long long* v, int n);

// Whether a wire coordinate lies on the board being played.
bool opbord(long long v);

// The refusal of a point off the board, naming the board being played.
const char* buitenbord();

// A wire point "x,y" as an engine point; nullptr or the reason it is refused.
const char* leespunt(std::string_view s, int& c, int& r);

// The input word as it may be echoed: printable, short, on one line.
std::string zichtbaar(std::string_view s);

// One answer line: a followed by b; and an ERROR line with its reason.
void schrijf(std::string& uit, const char* a, std::string_view b = {});
void fout(std::string& uit, const char* reden);

// Appends the engine point (c, r) as the wire's "x,y".
void schrijfpunt(std::string& uit, int c, int r);
