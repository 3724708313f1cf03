#pragma once
// A frame skin with a menu bar for tests of real windows: sides, caption
// buttons and bar items in their own colours (normal, hot, pressed,
// disabled), the bar 22 pixels high.

#include <windows.h>

#include "model/elements/wnd_frame.h"
#include "tests/harness/synthetic_skin.h"

namespace hexmoor::test::menubar {

constexpr int kTop = 24, kBottom = 5, kLeft = 4, kRight = 4;
constexpr COLORREF kSide = RGB(180, 40, 40), kSideInactive = RGB(100, 20, 20);
constexpr COLORREF kBarBackground = RGB(30, 160, 160);
constexpr COLORREF kItemNormal = RGB(60, 60, 200), kItemHot = RGB(200, 200, 60), kItemPressed = RGB(60, 200, 60),
                   kItemDisabled = RGB(150, 150, 150);
constexpr COLORREF kButtons = RGB(220, 120, 20);

inline void SideImage(CTwfSideFrame* side, WORD key, int w, int h, COLORREF colour) {
    HBITMAP bitmap = MakeSolidBitmap(w, h, colour);
    side->SetImageBitmap(key, bitmap);
    DeleteObject(bitmap);
    side->SetImageOptions(key, 0, 0, 1);
}

inline void BuildMenuBarSkin(SyntheticSkin& skin) {
    auto* frame = dynamic_cast<CTwfWndFrame*>(skin.Element(2));
    frame->SetNumber(478, kTop);
    frame->SetNumber(479, kBottom);
    frame->SetNumber(480, kLeft);
    frame->SetNumber(481, kRight);
    const struct {
        CTwfSideFrame* side;
        int w, h;
    } sides[] = {{frame->GetTopSide(), 4, kTop},
                 {frame->GetBottomSide(), 4, kBottom},
                 {frame->GetLeftSide(), kLeft, 4},
                 {frame->GetRightSide(), kRight, 4}};
    for (const auto& s : sides) {
        SideImage(s.side, 0, s.w, s.h, kSide);
        SideImage(s.side, 1001, s.w, s.h, kSideInactive);
    }
    for (int id = 456; id <= 475; ++id) skin.SolidImage(2, WORD(id), kButtons, 4, 4);
    frame->SetNumberPair(493, 18, 16);
    frame->SetNumberPair(550, 18, 16);
    frame->SetNumberPair(551, 18, 16);
    frame->SetNumberPair(489, 4, 4);
    frame->SetNumberPair(491, 24, 4);
    frame->SetNumberPair(490, 44, 4);
    frame->SetNumber(487, 1); // caption text hidden
    frame->SetNumber(652, 22);
    frame->SetNumber(653, 2);
    frame->SetNumber(654, 1);
    frame->SetNumber(656, 1);
    skin.SolidImage(2, 422, kBarBackground, 4, 4);
    skin.SolidImage(2, 418, kItemNormal, 4, 4);
    skin.SolidImage(2, 420, kItemHot, 4, 4);
    skin.SolidImage(2, 419, kItemPressed, 4, 4);
    skin.SolidImage(2, 421, kItemDisabled, 4, 4);
    frame->SetColor(423, RGB(255, 255, 255));
    frame->SetColor(424, RGB(255, 255, 255));
    frame->SetColor(425, RGB(0, 0, 0));
    frame->SetColor(426, RGB(90, 90, 90));
}

} // namespace hexmoor::test::menubar
