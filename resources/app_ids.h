#pragma once
// Resource ids of the application itself: its icon and manifest, and the
// cursor shown while a colour is picked from the screen.
#define IDR_MAINFRAME 128
#define IDC_COLOR_PICKER 147
