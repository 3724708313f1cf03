#pragma once
// The Zoomer pane: its two toolbars' image strips and the magnifier cursor.
#define IDB_ZOOMER_FACTOR 194
#define IDB_ZOOMER_MODE 195
#define IDC_ZOOMER_MAGNIFIER 148
#define IDC_ZOOMER_MODE_BAR 4660
#define IDC_ZOOMER_FACTOR_BAR 4661
