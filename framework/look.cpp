#include "framework/look.h"

namespace hexmoor::fw {

namespace {

// COLOR_* indexes, spelled out so this file needs no Windows header.
enum SysIndex {
    kBtnFace = 15,
    kBtnShadow = 16,
    kActiveCaption = 2,
    kInactiveCaption = 3,
    kCaptionText = 9,
    kInactiveCaptionText = 19,
    kBtnText = 18,
    kWindow = 5,
    kAppWorkspace = 12,
    kMenu = 4,
    kMenuText = 7,
    kGrayText = 17
};

constexpr LookColors kFixed[] = {
    // 1: warm classic
    {MakeColor(236, 233, 216), MakeColor(172, 168, 153), MakeColor(49, 106, 197), MakeColor(212, 208, 200),
     MakeColor(255, 255, 255), MakeColor(64, 64, 64), MakeColor(252, 252, 254), MakeColor(214, 210, 194),
     MakeColor(0, 0, 0), MakeColor(236, 233, 216), MakeColor(236, 233, 216), MakeColor(0, 0, 0),
     MakeColor(160, 157, 145), MakeColor(236, 233, 216), MakeColor(0, 0, 0), MakeColor(0, 0, 0)},
    // 2: silver
    {MakeColor(221, 224, 231), MakeColor(150, 156, 170), MakeColor(255, 213, 140), MakeColor(208, 212, 221),
     MakeColor(30, 30, 30), MakeColor(50, 50, 60), MakeColor(250, 250, 252), MakeColor(205, 209, 218),
     MakeColor(30, 30, 30), MakeColor(202, 207, 216), MakeColor(208, 212, 221), MakeColor(30, 30, 30),
     MakeColor(141, 146, 158), MakeColor(208, 212, 221), MakeColor(30, 30, 30), MakeColor(30, 30, 30)},
    // 3: black
    {MakeColor(83, 83, 83), MakeColor(40, 40, 40), MakeColor(255, 213, 140), MakeColor(60, 60, 60),
     MakeColor(20, 20, 20), MakeColor(230, 230, 230), MakeColor(120, 120, 120), MakeColor(70, 70, 70),
     MakeColor(240, 240, 240), MakeColor(50, 50, 50), MakeColor(60, 60, 60), MakeColor(240, 240, 240),
     MakeColor(150, 150, 150), MakeColor(60, 60, 60), MakeColor(235, 235, 235), MakeColor(230, 230, 230)},
    // 4: blue
    {MakeColor(191, 219, 255), MakeColor(101, 147, 207), MakeColor(255, 213, 140), MakeColor(165, 196, 240),
     MakeColor(21, 66, 139), MakeColor(21, 66, 139), MakeColor(227, 239, 255), MakeColor(175, 205, 246),
     MakeColor(21, 66, 139), MakeColor(142, 180, 232), MakeColor(165, 196, 240), MakeColor(21, 66, 139),
     MakeColor(110, 140, 185), MakeColor(165, 196, 240), MakeColor(21, 66, 139), MakeColor(21, 66, 139)},
};

} // namespace

LookColors LookScheme(int look, Color (*systemColor)(int index)) {
    if (look < 0 || look >= kLookCount) look = kDefaultLook;
    if (look == 0) {
        return {systemColor(kBtnFace),         systemColor(kBtnShadow),   systemColor(kActiveCaption),
                systemColor(kInactiveCaption), systemColor(kCaptionText), systemColor(kInactiveCaptionText),
                systemColor(kWindow),          systemColor(kBtnFace),     systemColor(kBtnText),
                systemColor(kBtnFace),         systemColor(kBtnFace),     systemColor(kBtnText),
                systemColor(kGrayText),        systemColor(kMenu),        systemColor(kMenuText),
                systemColor(kBtnText)};
    }
    return kFixed[look - 1];
}

int LuminanceContrast(Color a, Color b) {
    auto lum = [](Color c) {
        return (static_cast<int>(c & 0xFF) * 30 + static_cast<int>((c >> 8) & 0xFF) * 59 +
                static_cast<int>((c >> 16) & 0xFF) * 11) /
               100;
    };
    int d = lum(a) - lum(b);
    return d < 0 ? -d : d;
}

} // namespace hexmoor::fw
