// Nothing runs inside an update. While verwerkzet or a rebuild is part-way
// through, the evaluation sets are half updated and the record may be one
// move ahead of them; the event dispatching inside the update still lets
// every handler run. A handler that would reset the sets, change the record
// or the codes, or start a move therefore holds itself back here and
// returns; the call is made at the next dispatch of events outside an
// update, in the order the calls arrived. Nothing is dropped. The queue
// holds routines and their arguments and knows nothing of what they do.
#pragma once

#include <cstdint>

// True while an update or a commit is under way.
bool bezig();

// The opening test of every such handler: while an update is under way the
// call (the routine itself, with its arguments where it takes two) is held
// back and true returned, and the handler returns at once.
bool houdtegen(void (*routine)());
bool houdtegen(void (*routine)(int32_t, int32_t), int32_t a, int32_t b);

// Calls held back (all of them, or those of one routine); cleared when the
// window closes.
int32_t uitgesteldaantal();
int32_t uitgesteldaantal(void (*routine)());
void wisuitgesteld();

// Marks a commit, a take-back or a style change: while one lives, bezig()
// holds, and when the last one ends the calls held back are sent on their
// way.
class Vastlegging {
  public:
    Vastlegging();
    ~Vastlegging();
    Vastlegging(const Vastlegging&) = delete;
    Vastlegging& operator=(const Vastlegging&) = delete;
};
