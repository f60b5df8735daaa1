// The control panel and the keys: player modes, check boxes, score reset,
// About, the style buttons, closing, and the key table.
#pragma once

// A style button: computer `set` (1 or 2) plays `style` (1..5) from now on.
void kiesstijl(int set, int style);
