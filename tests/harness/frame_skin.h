#pragma once
// Window frames of solid colours for tests of real windows: the frame
// element's ids by name, one side image, a frame whose four sides are one
// solid image each, its caption buttons, and the frame with a menu bar that
// the menu-bar tests share.

#include <windows.h>

#include "model/elements/wnd_frame.h"
#include "tests/harness/synthetic_skin.h"

namespace hexmoor::test {

// Ids of the window frame (element 2) that tests set.
namespace frame_id {
constexpr WORD kElement = 2;
// Numbers.
constexpr WORD kTopThickness = 478, kBottomThickness = 479, kLeftThickness = 480, kRightThickness = 481;
constexpr WORD kRegionKind = 483, kCaptionTextHidden = 487, kCornerSize = 553;
constexpr WORD kSemitransparency = 773, kOutlineMoveSize = 774;
// Number pairs (width, height) of the caption buttons and their offsets
// (x, y) from the far edge of the caption.
constexpr WORD kCloseSize = 493, kMinimizeSize = 550, kMaximizeSize = 551, kHelpSize = 552;
constexpr WORD kCloseOffset = 489, kMinimizeOffset = 490, kMaximizeOffset = 491, kHelpOffset = 492;
// Images: the caption buttons' 20 (456 to 475: close, maximize, restore,
// minimize and help, each in its looks), the MDI client's background and a
// minimised window's.
constexpr WORD kFirstButtonImage = 456, kLastButtonImage = 475;
constexpr WORD kCloseImage = 456, kMdiBackground = 485, kMinimizedImage = 486;
constexpr WORD kCaptionTextColour = 482;
// A side's images of the inactive state: this plus the active image's id.
constexpr WORD kInactive = 1001;
// The menu bar: its numbers, background and item images (normal, hot,
// pressed, disabled) and item text colours (normal, pressed, hot, disabled).
constexpr WORD kBarHeight = 652, kBarLeftGap = 653, kBarTopGap = 654, kBarBottomGap = 656;
constexpr WORD kBarBackground = 422;
constexpr WORD kBarItemNormal = 418, kBarItemHot = 420, kBarItemPressed = 419, kBarItemDisabled = 421;
constexpr WORD kBarTextNormal = 423, kBarTextPressed = 424, kBarTextHot = 425, kBarTextDisabled = 426;
} // namespace frame_id

// How a side image fills its part of the side.
enum SideMode : DWORD { kSideBlit = 0, kSideStretch = 1, kSideTile = 2 };

// A w x h image of one colour under the side's key.
void SideImage(CTwfSideFrame* side, WORD key, int w, int h, COLORREF colour, DWORD mode = kSideStretch);

// Colours of one side when its window is active and inactive.
struct SideColours {
    COLORREF active, inactive;
};

// A frame whose sides are one stretched solid image each, active and
// inactive, with the caption text hidden.
struct SolidFrame {
    int top, bottom, left, right;
    SideColours topColours, bottomColours, leftColours, rightColours;
};
// The same colours on every side.
constexpr SolidFrame SolidFrameOf(int top, int bottom, int left, int right, SideColours colours) {
    return {top, bottom, left, right, colours, colours, colours, colours};
}
CTwfWndFrame* BuildSolidFrame(SyntheticSkin& skin, const SolidFrame& frame);

// Size and offset from the caption's far edge of one caption button.
struct ButtonPlace {
    int width, height, x, y;
};
// The caption buttons: every one of the 20 images a solid 4 x 4 of its id's
// colour (IdColour) or of `colour` when one is given, and the buttons'
// places (a zero-sized help button is left out).
void SolidCaptionButtons(SyntheticSkin& skin, const ButtonPlace& close, const ButtonPlace& maximize,
                         const ButtonPlace& minimize, const ButtonPlace& help = {}, COLORREF colour = CLR_INVALID);

// The frame of the menu-bar tests: sides, caption buttons and bar items in
// their own colours (normal, hot, pressed, disabled), the bar 22 pixels high.
namespace menubar {
constexpr int kTop = 24, kBottom = 5, kLeft = 4, kRight = 4;
constexpr COLORREF kSide = RGB(180, 40, 40), kSideInactive = RGB(100, 20, 20);
constexpr COLORREF kBarBackground = RGB(30, 160, 160);
constexpr COLORREF kItemNormal = RGB(60, 60, 200), kItemHot = RGB(200, 200, 60), kItemPressed = RGB(60, 200, 60),
                   kItemDisabled = RGB(150, 150, 150);
constexpr COLORREF kButtons = RGB(220, 120, 20);

void BuildMenuBarSkin(SyntheticSkin& skin);
} // namespace menubar

} // namespace hexmoor::test
