// The two commands whose lines come as a block closed by DONE: BOARD, a
// position to move in, and SWAP2BOARD, a step of the swap2 opening. The
// lines are gathered silently and the block is answered once, on DONE.
#pragma once

#include <string>
#include <string_view>

#include "protocol.h"

// Opens a block; rest is what followed the command word.
void beginblok(Protocolstaat& p, std::string_view rest, bool swap2);

// A line while a block is open. Returns false when it ends the session.
bool inblok(Protocolstaat& p, std::string_view regel, std::string& uit);
