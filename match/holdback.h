// Nothing runs inside an update. While verwerkzet or a rebuild is part-way
// through, the evaluation sets are half updated and the record may be one
// move ahead of them; the event dispatching inside the update still lets
// every handler run. A handler that would reset the sets, change the record
// or the codes, or start a move therefore records itself here and returns;
// the action is carried out at the next dispatch of events outside an
// update, in the order the actions arrived. Nothing is dropped.
#pragma once

#include <cstdint>

enum class Actie : int32_t {
    Start,        // StartknopClick (also the automatic restart)
    Zetterug,     // ZetterugClick
    Klik,         // a press on the board at point (a, b)
    MM,           // MMClick
    CM,           // CMClick
    CC,           // CCClick
    Stap,         // the step key
    StapVoorStap, // StapVoorStapClick
    Stijl,        // a style button: set a, style b
};

// True while an update or a commit is under way.
bool bezig();

// Records an action for later.
void uitstellen(Actie actie, int32_t a = 0, int32_t b = 0);

// The opening test of every such handler: while an update is under way the
// action is recorded and true returned, and the handler returns at once.
bool houdtegen(Actie actie, int32_t a = 0, int32_t b = 0);

// Actions waiting (all of them, or those of one kind); cleared when the
// window closes.
int32_t uitgesteldaantal();
int32_t uitgesteldaantal(Actie actie);
void wisuitgesteld();

// Marks a commit, a take-back or a style change: while one lives, bezig()
// holds, and when the last one ends the waiting actions are sent on their
// way.
class Vastlegging {
  public:
    Vastlegging();
    ~Vastlegging();
    Vastlegging(const Vastlegging&) = delete;
    Vastlegging& operator=(const Vastlegging&) = delete;
};

// Carries out the waiting actions, unless an update is under way.
void voeruitgesteld();
