#include "flags.h"

bool HumanMayMove;
bool SoundOn;
bool Replaying;
bool Paused;
int32_t ComputerWaiting;
