#include "flags.h"

bool HumanMayMove;
bool SoundOn;
bool Replaying;
bool Paused;
