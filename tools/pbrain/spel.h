// The adapter's side of the engine's game: which colour it plays, with which
// style, and how it answers with a move. Shared by the commands and the
// blocks of the protocol.
#pragma once

#include <string>

#include "protocol.h"

// No game: an empty board, the colours not known.
void geenpartij(Protocolstaat& p);

// An empty board with the colours now known; black opens.
void speelals(Protocolstaat& p, int kleur);

// Gives the adapter's style to the set that chooses its moves.
void passtijltoe(const Protocolstaat& p);

// Whether the point is in the record, and the colour of the opponent.
bool bezet(int c, int r);
int tegenkleur(const Protocolstaat& p);

// Whether the game stands won, and the reason a move is refused after its end.
bool partijgewonnen();
const char* uitslag();

// The adapter's own move, by the computer's rules, played and answered; or
// ERROR once the game is over.
void antwoordzet(std::string& uit);

// Plays the point of the highest score that the rule allows the side to
// move, whatever the number of stones, and appends it ("x,y"). The position
// must hold a point that scores, as every position of a few stones does.
void speelhoogste(std::string& uit);

// Appends the last move of the record ("x,y").
void schrijfzet(std::string& uit);

// Sends the notes held back for the answer to the next BEGIN, TURN, BOARD or
// SWAP2BOARD block, whether that answer is a move or ERROR.
void stuurnoten(Protocolstaat& p, std::string& uit);
