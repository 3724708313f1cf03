#pragma once
// Window frames of solid colours for tests of real windows: the frame
// element's ids by name, one side image, a frame whose four sides are one
// solid image each, its caption buttons, and the frame with a menu bar that
// the menu-bar tests share.

#include <windows.h>

#include "model/elements/frame_properties.h"
#include "model/elements/wnd_frame.h"
#include "tests/harness/synthetic_skin.h"

namespace hexmoor::test {

// Ids of the window frame (element 2) that tests set: the element's
// property ids by their catalogue names, and what the tests add to them.
namespace frame_id {
using namespace ::frame_props;
constexpr WORD kElement = 2;
// The caption buttons' 20 images (456 to 475: close, maximize, restore,
// minimize and help, each in its looks).
constexpr WORD kFirstButtonImage = kCloseImageNormal, kLastButtonImage = kHelpImageDisabled;
// A side's images of the inactive state: this plus the active image's id.
constexpr WORD kInactive = 1001;
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

// The menu bar's MDI buttons (close, restore, minimize from the right): each
// 16 x 14, 2, 20 and 38 pixels from the bar's right end and 3 from its top,
// every state's image a solid 4 x 4 of the button's colour.
void SolidMdiButtons(CTwfWndFrame* frame, COLORREF close, COLORREF restore, COLORREF minimize);

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
