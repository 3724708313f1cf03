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
    frame->SetNumber(kCaptionTextHidden, 1);
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
    } buttons[] = {{close, kCloseSize, kCloseOffset},
                   {maximize, kMaximizeSize, kMaximizeOffset},
                   {minimize, kMinimizeSize, kMinimizeOffset},
                   {help, kHelpSize, kHelpOffset}};
    for (const auto& b : buttons) {
        if (b.place.width == 0) continue;
        frame->SetNumberPair(b.size, WORD(b.place.width), WORD(b.place.height));
        frame->SetNumberPair(b.offset, WORD(b.place.x), WORD(b.place.y));
    }
}

namespace menubar {

void BuildMenuBarSkin(SyntheticSkin& skin) {
    namespace id = frame_id;
    CTwfWndFrame* frame = BuildSolidFrame(skin, SolidFrameOf(kTop, kBottom, kLeft, kRight, {kSide, kSideInactive}));
    SolidCaptionButtons(skin, {18, 16, 4, 4}, {18, 16, 24, 4}, {18, 16, 44, 4}, {}, kButtons);
    frame->SetNumber(id::kBarHeight, 22);
    frame->SetNumber(id::kBarLeftGap, 2);
    frame->SetNumber(id::kBarTopGap, 1);
    frame->SetNumber(id::kBarBottomGap, 1);
    skin.SolidImage(id::kElement, id::kBarBackground, kBarBackground, 4, 4);
    skin.SolidImage(id::kElement, id::kBarItemNormal, kItemNormal, 4, 4);
    skin.SolidImage(id::kElement, id::kBarItemHot, kItemHot, 4, 4);
    skin.SolidImage(id::kElement, id::kBarItemPressed, kItemPressed, 4, 4);
    skin.SolidImage(id::kElement, id::kBarItemDisabled, kItemDisabled, 4, 4);
    frame->SetColor(id::kBarTextNormal, RGB(255, 255, 255));
    frame->SetColor(id::kBarTextPressed, RGB(255, 255, 255));
    frame->SetColor(id::kBarTextHot, RGB(0, 0, 0));
    frame->SetColor(id::kBarTextDisabled, RGB(90, 90, 90));
}

} // namespace menubar

} // namespace hexmoor::test
