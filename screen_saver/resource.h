// Resource numbers of the screen saver.
#pragma once

// Bitmaps
#define IDB_COUNTDOWN 131

// Timers
#define IDT_ANIMATION 1
