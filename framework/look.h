#pragma once
// The application looks: colour schemes for the panes, their captions and
// tabs, the splitters, the toolbar and the status bar. Look 0 follows the
// system colours; 1 is a warm classic scheme; 2 silver, 3 black, 4 blue.

#include <cstdint>

namespace hexmoor::fw {

using Color = std::uint32_t; // 0x00BBGGRR, as COLORREF

constexpr Color MakeColor(int r, int g, int b) {
    return static_cast<Color>(r) | (static_cast<Color>(g) << 8) | (static_cast<Color>(b) << 16);
}

struct LookColors {
    Color barFace;         // pane backgrounds, toolbar, dock area
    Color barShadow;       // pane borders
    Color captionActive;   // caption of the pane holding the focus
    Color captionInactive; // other captions
    Color captionText;
    Color captionTextInactive;
    Color tabActive;
    Color tabInactive;
    Color tabText;
    Color splitter;
    Color statusBar;
    Color barText;         // toolbar labels of enabled buttons
    Color barTextDisabled; // of disabled ones: less contrast with barFace
    Color menuBar;         // menu bar background
    Color menuText;        // menu bar items
    Color statusText;
};

// How far apart two colours are in luminance (0-255), for checking that
// text stands out from its background.
int LuminanceContrast(Color a, Color b);

constexpr int kLookCount = 5;
constexpr int kDefaultLook = 2;

// Out-of-range numbers give the default look. systemColor maps a
// COLOR_* index to its current value (look 0 reads it).
LookColors LookScheme(int look, Color (*systemColor)(int index));

} // namespace hexmoor::fw
