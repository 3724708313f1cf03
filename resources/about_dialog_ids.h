#pragma once
// The about box and its bitmaps.
#define IDD_ABOUT_DIALOG 100
#define IDC_ABOUT_VERSION 1100
#define IDC_ABOUT_NOTICE 1101
#define IDC_ABOUT_LINK 123

#define IDB_ABOUT_BACKGROUND 208
#define IDB_ABOUT_OK 209
#define IDB_ABOUT_OK_PRESSED 210
#define IDB_ABOUT_OK_HOT 211
