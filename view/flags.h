// Flags shared by the board view and match control; false at program start
// except where the creation hook says otherwise.
#pragma once

#include <cstdint>

extern bool HumanMayMove; // a press on the board may be taken as a person's move
extern bool SoundOn;      // sounds wanted ("Geluid"); the creation hook sets it
extern bool Replaying;    // a replay is running and still paced
extern bool Paused;       // a pause is in progress

// Computer moves waiting in their think delay. A press is never taken then:
// the waiting move will play for the side to move.
extern int32_t ComputerWaiting;
