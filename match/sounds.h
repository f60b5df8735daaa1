// When a sound may be heard: the rules that mute the program's sounds, in
// front of the view's playing of a recording.
#pragma once

// Plays the named recording (any case) unless the rules mute it: nothing
// sounds during a pause, and fast computer play (between the computers, or
// a replay, with "Snelle computer" ticked and "Stap voor Stap" not) is
// silent while the game runs; its end still sounds.
void speelgeluid(const char* name);

// The gong that opens a game. It does not ask for "Geluid"; only fast
// computer-against-computer play starts without it.
void startgong();

// The sound of a placed stone ("tik" white, "tak" black): heard when sounds
// are wanted and the game still runs, or during a replay, whatever the game
// state; the stone that ends a game is placed silently. The view's drawing
// reports its stones here.
void steengeluid(bool white);
