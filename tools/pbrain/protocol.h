// The text protocol through which tournament managers drive an engine, on top
// of the Kalvor engine. One command per input line; the answer is at most one
// line (a move "x,y", OK, ERROR <reason>, UNKNOWN <command>, the ABOUT line,
// or swap2's SWAP or points), except that the lines of a BOARD or SWAP2BOARD
// block are answered together on DONE, INFO is never answered, and DEBUG and
// MESSAGE lines may go before the answer to BEGIN, TURN or DONE. The board is
// the square START names, of 15 to 20 lines, and the rule the one INFO rule
// names: five or more in a row, exactly five, or renju. Coordinates on the
// wire are 0-based, x the column and y the row; the engine's are 1..N, so the
// protocol adds one on the way in and takes it off on the way out, and
// nothing else translates.
//
// The game goes on until a five or a full board: on a dead board (no five
// can be made any more, GameState Draw) the adapter still takes the
// opponent's moves and answers with the first free point, since a manager
// asks for moves until the board is full and scores a refusal as a loss.
//
// The engine's game and rule are global state; Protocolstaat holds only what
// the protocol adds to them: whether START was seen, which colour the adapter
// plays, the style asked for its own side, the notes held back for the next
// answer, and a block being read. Every command is checked in full before the
// engine is touched, so a refused command leaves the game as it was.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "board.h"

// Longer input lines are cut here and answered only as too long.
constexpr std::size_t MaxRegel = 4096;

struct Bordpunt {
    int8_t column, row;
};

struct Protocolstaat {
    bool gestart;   // START (or RECTSTART) accepted, for the engine's BoardLines
    int eigenkleur; // BlackToMove or WhiteToMove once the colours are known, else 0
    int eigenstijl; // the style of the adapter's own side, Roekeloos .. Angstig

    // Remarks on INFO lines that could not be followed, sent before the
    // answer to the next BEGIN, TURN, BOARD or SWAP2BOARD; empty if none: an
    // unknown style as a DEBUG line, a rule not played as a MESSAGE line.
    char stijlnoot[160];
    char regelnoot[160];

    // A block being read, BOARD or (swap2) SWAP2BOARD: stones in the order
    // given, own (field 1) and the opponent's (field 2) (in SWAP2BOARD all
    // in eigen, alternating from black), and the first fault found in it.
    bool inbord;
    bool swap2;
    const char* bordfout;
    int8_t bordveld[MaxBoardSize + 1][MaxBoardSize + 1]; // 0 free, 1 own, 2 opponent
    Bordpunt eigen[MaxBoardPoints];
    Bordpunt tegen[MaxBoardPoints];
    int aantaleigen, aantaltegen;
};

// Puts the protocol and the engine in their start state: no game, the board
// of 19 lines, both sets with the Normaal codes, the adapter's style Normaal.
void beginprotocol(Protocolstaat& p);

// Handles one input line, with or without its line end, and appends the
// answer lines to antwoord, each ending in '\n'. Returns false when the line
// ends the session (END).
bool verwerkregel(Protocolstaat& p, std::string_view regel, std::string& antwoord);
