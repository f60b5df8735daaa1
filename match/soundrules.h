// When a sound may be heard: the rules that mute the program's sounds, in
// front of the view's playing of a recording. Below everything of match
// control but the mode and the clocks' pause, which it reads.
#pragma once

#include <cstdint>

// Sounds wanted ("Geluid"): true at start; volggeluid sets it to the check
// box's state, which its click and every full redraw that match control
// asks for (tekenbord) do.
extern bool SoundOn;
void volggeluid();

// Plays the named recording (any case) unless the rules mute it: nothing
// sounds during a pause, and fast computer play (between the computers, or
// a replay, with "Snelle computer" ticked and "Stap voor Stap" not) is
// silent while the game runs; its end still sounds.
void speelgeluid(const char* name);

// The gong that opens a game. It does not ask for "Geluid"; only fast
// computer-against-computer play starts without it.
void startgong();

// The sound of the stone of move n ("tik" white, "tak" black, none for a
// code of neither colour): heard when sounds are wanted and the game still
// runs, or during a replay, whatever the game state; the stone that ends a
// game is placed silently.
void steengeluid(int32_t n);

// First values: sounds wanted.
void begingeluid();
