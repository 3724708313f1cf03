#pragma once
// The start dialog and its bitmaps (normal, pressed, hot per button).
#define IDD_START_DIALOG            210
#define IDC_START_OPEN_SKIN         1091
#define IDC_START_OPEN_LAST_SKIN    1092
#define IDC_START_CREATE_NEW_SKIN   1093
#define IDC_START_IMPORT_MSSTYLE    1094

#define IDB_START_BACKGROUND        192
#define IDB_START_CLOSE             212
#define IDB_START_CLOSE_PRESSED     214
#define IDB_START_CLOSE_HOT         213
#define IDB_START_OPEN              215
#define IDB_START_OPEN_PRESSED      217
#define IDB_START_OPEN_HOT          216
#define IDB_START_OPEN_LAST         218
#define IDB_START_OPEN_LAST_PRESSED 220
#define IDB_START_OPEN_LAST_HOT     219
#define IDB_START_NEW               221
#define IDB_START_NEW_PRESSED       223
#define IDB_START_NEW_HOT           222
#define IDB_START_IMPORT            226
#define IDB_START_IMPORT_PRESSED    224
#define IDB_START_IMPORT_HOT        225
