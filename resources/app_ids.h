#pragma once
// Resource ids of the application itself: its icon and manifest.
#define IDR_MAINFRAME 128
