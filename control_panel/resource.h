// Resource numbers and control ids of the control panel.
#pragma once

// Dialogs
#define IDD_ABOUT 100

// Bitmaps
#define IDB_SPLASH 208

// Icons
#define IDI_KALVOR 160

// Timers
#define IDT_MAIN 1
#define IDT_ABOUT 1
