// What the engine needs from the window: letting pending events be handled,
// and waiting while they are. The engine never calls the toolkit itself; the
// application installs these hooks at start-up and tests install stubs.
#pragma once

#include <cstdint>

// Dispatches every pending window event and returns. Called by verwerkzet
// once per evaluation set and by every round of wacht. Default: nothing.
extern void (*Berichtenpomp)();

// Millisecond tick counter that wraps at 32 bits. Default: steady clock.
extern uint32_t (*Tikbron)();

// Sleeps about the given number of milliseconds. Default: the thread sleeps.
extern void (*Slaapbron)(uint32_t ms);

// Waits at least ms milliseconds by the tick counter, dispatching events all
// the while; dispatches at least once, also for 0. The unsigned difference
// keeps it right across a wrap of the counter.
void wacht(uint32_t ms);

// Puts the three hooks back to their defaults.
void herstelbronnen();
