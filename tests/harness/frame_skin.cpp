#include "tests/harness/frame_skin.h"

#include "base/win/gdi.h"
#include "tests/harness/skin_pixels.h"

namespace hexmoor::test {

void SideImage(CTwfSideFrame* side, WORD key, int w, int h, COLORREF colour, DWORD mode) {
    const win::Bitmap bitmap(MakeSolidBitmap(w, h, colour));
    side->SetImageBitmap(key, bitmap.Get());
    side->SetImageOptions(key, 0, 0, mode);
}

CTwfWndFrame* BuildSolidFrame(SyntheticSkin& skin, const SolidFrame& f) {
    using namespace frame_id;
    auto* frame = dynamic_cast<CTwfWndFrame*>(skin.Element(kElement));
    frame->SetNumber(kTopThickness, DWORD(f.top));
    frame->SetNumber(kBottomThickness, DWORD(f.bottom));
    frame->SetNumber(kLeftThickness, DWORD(f.left));
    frame->SetNumber(kRightThickness, DWORD(f.right));
    frame->SetNumber(kTextHidden, 1);
    const struct {
        CTwfSideFrame* side;
        int w, h;
        SideColours colours;
    } sides[] = {{frame->GetTopSide(), 4, f.top, f.topColours},
                 {frame->GetBottomSide(), 4, f.bottom, f.bottomColours},
                 {frame->GetLeftSide(), f.left, 4, f.leftColours},
                 {frame->GetRightSide(), f.right, 4, f.rightColours}};
    for (const auto& s : sides) {
        SideImage(s.side, 0, s.w, s.h, s.colours.active);
        SideImage(s.side, kInactive, s.w, s.h, s.colours.inactive);
    }
    return frame;
}

void SolidCaptionButtons(SyntheticSkin& skin, const ButtonPlace& close, const ButtonPlace& maximize,
                         const ButtonPlace& minimize, const ButtonPlace& help, COLORREF colour) {
    using namespace frame_id;
    for (int id = kFirstButtonImage; id <= kLastButtonImage; ++id)
        skin.SolidImage(kElement, WORD(id), colour == CLR_INVALID ? IdColour(id) : colour, 4, 4);
    CTwfObj* frame = skin.Element(kElement);
    const struct {
        const ButtonPlace& place;
        WORD size, offset;
    } buttons[] = {{close, kCloseButtonSize, kCloseButtonOffset},
                   {maximize, kMaximizeButtonSize, kMaximizeButtonOffset},
                   {minimize, kMinimizeButtonSize, kMinimizeButtonOffset},
                   {help, kHelpButtonSize, kHelpButtonOffset}};
    for (const auto& b : buttons) {
        if (b.place.width == 0) continue;
        frame->SetNumberPair(b.size, WORD(b.place.width), WORD(b.place.height));
        frame->SetNumberPair(b.offset, WORD(b.place.x), WORD(b.place.y));
    }
}

void SolidMdiButtons(CTwfWndFrame* frame, COLORREF close, COLORREF restore, COLORREF minimize) {
    using namespace frame_id;
    CTwfMenuBar* bar = frame->GetMenuBar();
    const struct {
        WORD size, offset;
        WORD images[3];
        COLORREF colour;
    } buttons[] = {
        {kMdiCloseSize, kMdiCloseOffset, {kMdiCloseNormal, kMdiClosePressed, kMdiCloseHot}, close},
        {kMdiRestoreSize, kMdiRestoreOffset, {kMdiRestoreNormal, kMdiRestorePressed, kMdiRestoreHot}, restore},
        {kMdiMinimizeSize, kMdiMinimizeOffset, {kMdiMinimizeNormal, kMdiMinimizePressed, kMdiMinimizeHot}, minimize}};
    for (int b = 0; b < 3; ++b) {
        bar->SetNumberPair(buttons[b].size, 16, 14);
        bar->SetNumberPair(buttons[b].offset, WORD(2 + b * 18), 3);
        for (WORD id : buttons[b].images) {
            const win::Bitmap bitmap(MakeSolidBitmap(4, 4, buttons[b].colour));
            bar->SetImageBitmap(id, bitmap.Get());
        }
    }
}

namespace menubar {

void BuildMenuBarSkin(SyntheticSkin& skin) {
    namespace id = frame_id;
    CTwfWndFrame* frame = BuildSolidFrame(skin, SolidFrameOf(kTop, kBottom, kLeft, kRight, {kSide, kSideInactive}));
    SolidCaptionButtons(skin, {18, 16, 4, 4}, {18, 16, 24, 4}, {18, 16, 44, 4}, {}, kButtons);
    frame->SetNumber(id::kMenuBarHeight, 22);
    frame->SetNumber(id::kMenuBarLeftBorder, 2);
    frame->SetNumber(id::kMenuBarTopBorder, 1);
    frame->SetNumber(id::kMenuBarBottomBorder, 1);
    skin.SolidImage(id::kElement, id::kMenuBarBackground, kBarBackground, 4, 4);
    skin.SolidImage(id::kElement, id::kMenuBarItemNormal, kItemNormal, 4, 4);
    skin.SolidImage(id::kElement, id::kMenuBarItemHot, kItemHot, 4, 4);
    skin.SolidImage(id::kElement, id::kMenuBarItemPressed, kItemPressed, 4, 4);
    skin.SolidImage(id::kElement, id::kMenuBarItemDisabled, kItemDisabled, 4, 4);
    frame->SetColor(id::kMenuBarTextNormal, RGB(255, 255, 255));
    frame->SetColor(id::kMenuBarTextPressed, RGB(255, 255, 255));
    frame->SetColor(id::kMenuBarTextHot, RGB(0, 0, 0));
    frame->SetColor(id::kMenuBarTextDisabled, RGB(90, 90, 90));
}

} // namespace menubar

} // namespace hexmoor::test
