// The control panel and the keys: player modes, the style buttons, closing,
// and the key table. The check boxes, the score reset and the About box
// need no routine of their own here (soundrules.h, cycle.h, statusline.h,
// and the view's About box).
#pragma once

#include <cstdint>

// The three player modes' handlers, run however the radio button becomes
// checked.
void kiesmensmens();
void kiescomputermens();
void kiescomputercomputer();

// A style button: computer `set` (1 or 2) plays `style` (1..5) from now on.
void kiesstijl(int32_t set, int32_t style);

// The window is being closed: the pause loop ends, a replay draws its
// remaining stones at once, a running chain plays no move after the one in
// progress, and nothing waiting or timed starts another game.
void sluitaf();

// The key table, on the key codes the key preview hands over (before the
// focused control, which still receives the key).
void verwerktoets(int key);
