// Flags shared by the board view and match control.
#pragma once

extern bool SoundOn;   // sounds wanted ("Geluid")
extern bool Replaying; // a replay is running and still paced
extern bool Paused;    // a pause is in progress
