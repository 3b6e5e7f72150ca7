// Resource numbers and control ids of the control panel.
#pragma once

// Dialogs
#define IDD_ABOUT 100
#define IDD_QUIT_TIME 169
#define IDD_CLOCK_CHANGE 178
#define IDD_TIME_CHECK 193

// Bitmaps
#define IDB_TIME 198
#define IDB_SPLASH 208

// Icons
#define IDI_KALVOR 160
#define IDI_MONITOR 168
#define IDI_CLOCK 170

// Controls of the time dialogs
#define IDC_LAST_QUIT_TIME 1002
#define IDC_CURRENT_PC_TIME 1003
#define IDC_TIME_ZONE 1002
#define IDC_RUNNING_CLOCK 1013
#define IDC_STOP_TIME_TRACKING 1004
#define IDC_IMPORTANT 1003

// Tray menu commands
#define ID_ABOUT 1076
#define ID_EXIT 1077
#define ID_HELP 1078
#define ID_TEST_SOFTWARE 1079
#define ID_OPTIONS 1080
#define ID_MORE_ABOUT_Y2K 1081
#define ID_KALVOR_SUPPORT 1083
#define ID_KALVOR_HOME_PAGE 1084
#define ID_TEST_HARDWARE 1086
#define ID_CHECK_TIME_AND_DATE 1087
#define ID_SCREEN_SAVER 1088

// The tray icon's callback message, WM_USER + 42.
#define WM_TRAY_NOTIFY 1066

// Timers
#define IDT_MAIN 1
#define IDT_ABOUT 1
#define IDT_QUIT_TIME 1
#define IDT_CLOCK_CHANGE 1
#define IDT_TIME_CHECK 1
