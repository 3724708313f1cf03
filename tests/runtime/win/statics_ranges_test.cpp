// Skinned group boxes, static texts and pictures, sliders, up-down controls
// and progress bars: every colour and image id of their elements in its own
// colour, each look reached through real messages, and no foreign pixel
// over the controls afterwards.
#include <windows.h>
#include <commctrl.h>

#include <set>

#include "model/twf_obj.h"
#include "runtime/controls/progress.h"
#include "runtime/logic/control_types.h"
#include "runtime/wnd/object_registry.h"
#include "tests/harness/capture.h"
#include "tests/harness/foreign_pixels.h"
#include "tests/harness/runtime_fixture.h"
#include "tests/harness/settle.h"
#include "tests/harness/skin_pixels.h"

using namespace hexmoor::test;
namespace ctype = hexmoor::rt::ctype;

namespace {

constexpr COLORREF kDialogBackground = RGB(23, 181, 97);

// Every colour and image id gets its own colour, apart from the dialog's.

::testing::AssertionResult ShowsId(HWND hwnd, int x, int y, int id) {
    return PixelIs(CaptureClient(hwnd), {x, y}, IdColour(id));
}

long CountColour(const PixelBuffer& pixels, COLORREF colour) {
    long count = 0;
    for (int y = 0; y < pixels.Height(); ++y)
        for (int x = 0; x < pixels.Width(); ++x)
            if ((pixels.At(x, y) & 0xFFFFFF) == (colour & 0xFFFFFF)) ++count;
    return count;
}

std::set<COLORREF> ColoursOf(std::initializer_list<std::pair<int, int>> ranges) {
    std::set<COLORREF> out{kDialogBackground};
    for (const auto& [first, last] : ranges)
        for (int id = first; id <= last; ++id) out.insert(IdColour(id) & 0xFFFFFF);
    return out;
}

RECT ClientOf(HWND hwnd) {
    RECT r{};
    GetClientRect(hwnd, &r);
    return r;
}

LPARAM At(int x, int y) { return MAKELPARAM(x, y); }

} // namespace

// The same cases run in a second program with a common-controls version 6
// manifest, under their own fixture name.
#ifndef STATICS_FIXTURE
#define STATICS_FIXTURE StaticsRangesTest
#endif

namespace {

class STATICS_FIXTURE : public RuntimeTest {
protected:
    void SetUp() override {
        INITCOMMONCONTROLSEX icc{sizeof icc, ICC_BAR_CLASSES | ICC_UPDOWN_CLASS | ICC_PROGRESS_CLASS};
        InitCommonControlsEx(&icc);
        StartRuntime(true);
        Skin().SolidImage(25, 0, kDialogBackground, 6, 6);
        Skin().SolidImage(4, 22, IdColour(22)); // push button face, for the overlapping sibling
        CTwfObj* group = Skin().Element(8);
        for (int id = 157; id <= 162; ++id) group->SetColor(WORD(id), IdColour(id));
        CTwfObj* text = Skin().Element(21);
        for (int id : {494, 495}) text->SetColor(WORD(id), IdColour(id));
        for (int id = 170; id <= 209; ++id) Skin().SolidImage(9, WORD(id), IdColour(id));
        for (int id : {258, 259, 260, 261, 263, 264, 265, 266, 277, 278, 279, 280, 282, 283, 284, 285})
            Skin().SolidImage(17, WORD(id), IdColour(id));
        for (int id : {287, 288, 298, 299}) Skin().SolidImage(18, WORD(id), IdColour(id));
        SkinLoaded();
        EnableSkinning();
        dialog_ = CreateWindowExW(0, L"#32770", L"", WS_POPUP | WS_VISIBLE, 40, 40, 420, 320, nullptr, nullptr,
                                  GetModuleHandleW(nullptr), nullptr);
        ASSERT_TRUE(dialog_);
    }
    HWND Add(const wchar_t* cls, const wchar_t* text, DWORD style, int x, int y, int w, int h, DWORD ex = 0) {
        return CreateWindowExW(ex, cls, text, WS_CHILD | WS_VISIBLE | style, x, y, w, h, dialog_,
                               reinterpret_cast<HMENU>(INT_PTR(next_++)), GetModuleHandleW(nullptr), nullptr);
    }
    void SkinAll() {
        ApplySkinToWindow(dialog_, 1);
        Repaint(dialog_);
    }
    void TearDown() override {
        if (dialog_) DestroyWindow(dialog_);
        RuntimeTest::TearDown();
    }
    HWND dialog_ = nullptr;
    int next_ = 1001;
};

// The first row of a group box whose leftmost column shows the dark line:
// the frame's top edge (it sits at half the caption's height).
int FrameTop(const PixelBuffer& pixels, COLORREF dark) {
    for (int y = 0; y < pixels.Height(); ++y)
        if ((pixels.At(0, y) & 0xFFFFFF) == (dark & 0xFFFFFF)) return y;
    return -1;
}

} // namespace

TEST_F(STATICS_FIXTURE, GroupBoxEtchedFrameCaptionGapAndDisabledColours) {
    HWND left = Add(L"BUTTON", L"G", BS_GROUPBOX, 10, 10, 180, 100);
    HWND right = Add(L"BUTTON", L"G", BS_GROUPBOX, 200, 10, 180, 100, WS_EX_RIGHT);
    HWND empty = Add(L"BUTTON", L"", BS_GROUPBOX, 10, 120, 180, 60);
    SkinAll();
    ASSERT_EQ(GetSkinnedWindowType(left), ctype::kGroupBox);
    struct Look {
        bool enabled;
        int dark, light;
    } looks[] = {{true, 159, 158}, {false, 162, 161}};
    for (const Look& look : looks) {
        for (HWND box : {left, right, empty}) EnableWindow(box, look.enabled);
        Repaint(dialog_);
        const PixelBuffer pixels = CaptureClient(left);
        const int w = pixels.Width(), h = pixels.Height();
        const int top = FrameTop(pixels, IdColour(look.dark));
        ASSERT_GT(top, 2) << "the frame starts below the caption's top";
        // Dark outer and light inner lines on the top and left, dark inner
        // and light outer on the right and bottom.
        EXPECT_TRUE(PixelIs(pixels, {0, h / 2}, IdColour(look.dark)));
        EXPECT_TRUE(PixelIs(pixels, {1, h / 2}, IdColour(look.light)));
        EXPECT_TRUE(PixelIs(pixels, {w - 2, h / 2}, IdColour(look.dark)));
        EXPECT_TRUE(PixelIs(pixels, {w - 1, h / 2}, IdColour(look.light)));
        EXPECT_TRUE(PixelIs(pixels, {w / 2, h - 2}, IdColour(look.dark)));
        EXPECT_TRUE(PixelIs(pixels, {w / 2, h - 1}, IdColour(look.light)));
        EXPECT_TRUE(PixelIs(pixels, {w - 20, top}, IdColour(look.dark)));
        EXPECT_TRUE(PixelIs(pixels, {w - 20, top + 1}, IdColour(look.light)));
        EXPECT_TRUE(PixelIs(pixels, {10, top}, kDialogBackground)) << "the gap before the caption";
        EXPECT_TRUE(PixelIs(pixels, {w / 2, h / 2}, kDialogBackground));
        EXPECT_GT(CountColour(pixels, IdColour(look.enabled ? 157 : 160)), 0) << "caption colour";
        const std::set<COLORREF> allowed = ColoursOf({{157, 162}});
        EXPECT_EQ(Foreign(pixels, {0, top + 2, w, h}, allowed), 0);
        // WS_EX_RIGHT: the gap at the right end of the top edge.
        const PixelBuffer r = CaptureClient(right);
        EXPECT_TRUE(PixelIs(r, {20, top}, IdColour(look.dark)));
        EXPECT_TRUE(PixelIs(r, {w - 10, top}, kDialogBackground));
        // No caption: no gap.
        const PixelBuffer e = CaptureClient(empty);
        const int emptyTop = FrameTop(e, IdColour(look.dark));
        ASSERT_GE(emptyTop, 0);
        EXPECT_TRUE(PixelIs(e, {10, emptyTop}, IdColour(look.dark)));
        EXPECT_EQ(Foreign(e, ClientOf(empty), allowed), 0);
    }
}

TEST_F(STATICS_FIXTURE, GroupBoxCaptionGapFollowsTheTextAndTheFont) {
    HWND box = Add(L"BUTTON", L"G", BS_GROUPBOX, 10, 10, 300, 100);
    SkinAll();
    ASSERT_EQ(GetSkinnedWindowType(box), ctype::kGroupBox);
    // Where the frame's top edge starts again after the caption.
    auto gapEnd = [&] {
        Repaint(dialog_);
        const PixelBuffer pixels = CaptureClient(box);
        const COLORREF dark = IdColour(159);
        const int top = FrameTop(pixels, dark);
        int x = 2;
        while (x < pixels.Width() && (pixels.At(x, top) & 0xFFFFFF) == (dark & 0xFFFFFF)) ++x;
        while (x < pixels.Width() && (pixels.At(x, top) & 0xFFFFFF) != (dark & 0xFFFFFF)) ++x;
        return x;
    };
    const auto plainFont = reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT));
    SendMessageW(box, WM_SETFONT, plainFont, TRUE);
    const int shortCaption = gapEnd();
    SetWindowTextW(box, L"A much longer caption");
    const int longCaption = gapEnd();
    EXPECT_GT(longCaption, shortCaption + 60);
    LOGFONTW lf{};
    GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof lf, &lf);
    lf.lfHeight = -24;
    const HFONT big = CreateFontIndirectW(&lf);
    SendMessageW(box, WM_SETFONT, reinterpret_cast<WPARAM>(big), TRUE);
    EXPECT_GT(gapEnd(), longCaption + 40) << "a bigger font";
    SendMessageW(box, WM_SETFONT, plainFont, TRUE);
    DeleteObject(big);
    EXPECT_EQ(gapEnd(), longCaption);
    SetWindowTextW(box, L"G");
    EXPECT_EQ(gapEnd(), shortCaption);
}

TEST_F(STATICS_FIXTURE, GroupBoxKeepsAnOverlappingSiblingUnpainted) {
    // Created first, the button is above the group box and overlaps its
    // bottom-right corner.
    HWND button = Add(L"BUTTON", L"", BS_PUSHBUTTON, 150, 80, 80, 40);
    HWND box = Add(L"BUTTON", L"Group", BS_GROUPBOX, 10, 10, 180, 100);
    SkinAll();
    ASSERT_EQ(GetSkinnedWindowType(box), ctype::kGroupBox);
    ASSERT_TRUE(ShowsId(button, 10, 10, 22));
    // The group box repaints itself at once through a window DC.
    EnableWindow(box, FALSE);
    const PixelBuffer pixels = CaptureClient(button);
    EXPECT_TRUE(PixelIs(pixels, {10, 10}, IdColour(22))) << "inside the overlap";
    EXPECT_TRUE(PixelIs(pixels, {30, 20}, IdColour(22))) << "across the group box's frame";
    EXPECT_TRUE(PixelIs(CaptureClient(box), {0, 60}, IdColour(162)));
}

TEST_F(STATICS_FIXTURE, StaticTextColourForEnabledDisabledAndCustom) {
    HWND plain = Add(L"STATIC", L"Hello", SS_LEFT, 10, 10, 120, 24);
    HWND custom = Add(L"STATIC", L"Hello", SS_LEFT, 10, 40, 120, 24);
    SkinAll();
    ASSERT_EQ(GetSkinnedWindowType(plain), ctype::kStaticText);
    const COLORREF mine = RGB(201, 13, 77);
    SetWindowColor(custom, 201, 13, 77);
    struct Case {
        HWND hwnd;
        bool enabled;
        COLORREF shown, absent;
    } cases[] = {{plain, true, IdColour(494), IdColour(495)},
                 {plain, false, IdColour(495), IdColour(494)},
                 {custom, true, mine, IdColour(494)}};
    for (const Case& c : cases) {
        EnableWindow(c.hwnd, c.enabled);
        Repaint(dialog_);
        const PixelBuffer pixels = CaptureClient(c.hwnd);
        EXPECT_GT(CountColour(pixels, c.shown), 0) << ColourText(c.shown & 0xFFFFFF);
        EXPECT_EQ(CountColour(pixels, c.absent), 0);
        EXPECT_TRUE(PixelIs(pixels, {pixels.Width() - 3, pixels.Height() - 3}, kDialogBackground));
    }
    // A new text is drawn by the skin, not by the system.
    SetWindowTextW(plain, L"Another text");
    EnableWindow(plain, TRUE);
    const PixelBuffer after = CaptureClient(plain);
    EXPECT_GT(CountColour(after, IdColour(494)), 0);
    EXPECT_EQ(CountColour(after, GetSysColor(COLOR_BTNTEXT)), 0);
}

TEST_F(STATICS_FIXTURE, PicturesAndEtchedLinesInTheGroupBoxColours) {
    // The skin has no element of the picture kind: the lines still find the
    // group box's colours.
    HWND horz = Add(L"STATIC", L"", SS_ETCHEDHORZ, 10, 10, 100, 20);
    HWND vert = Add(L"STATIC", L"", SS_ETCHEDVERT, 130, 10, 20, 80);
    HWND frame = Add(L"STATIC", L"", SS_ETCHEDFRAME, 170, 10, 60, 40);
    HWND bitmapStatic = Add(L"STATIC", L"", SS_BITMAP | SS_CENTERIMAGE, 10, 100, 40, 30);
    HWND iconStatic = Add(L"STATIC", L"", SS_ICON, 70, 100, 32, 32);
    const COLORREF bitmapColour = RGB(3, 140, 250), iconColour = RGB(250, 120, 5);
    HBITMAP bitmap = MakeSolidBitmap(10, 6, bitmapColour);
    SendMessageW(bitmapStatic, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(bitmap));
    HBITMAP colour = MakeSolidBitmap(32, 32, iconColour);
    HBITMAP mask = CreateBitmap(32, 32, 1, 1, nullptr);
    {
        HDC dc = CreateCompatibleDC(nullptr);
        HGDIOBJ old = SelectObject(dc, mask);
        PatBlt(dc, 0, 0, 32, 32, BLACKNESS); // opaque everywhere
        SelectObject(dc, old);
        DeleteDC(dc);
    }
    ICONINFO info{TRUE, 0, 0, mask, colour};
    HICON icon = CreateIconIndirect(&info);
    SendMessageW(iconStatic, STM_SETICON, reinterpret_cast<WPARAM>(icon), 0);
    SkinAll();
    ASSERT_EQ(GetSkinnedWindowType(horz), ctype::kStaticIcon);
    ASSERT_EQ(GetSkinnedWindowType(frame), ctype::kStaticIcon);

    // Line statics lie on their border: read the whole window.
    const PixelBuffer h = CaptureWindow(horz);
    ASSERT_GE(h.Height(), 2);
    const int w = h.Width();
    EXPECT_TRUE(PixelIs(h, {0, 0}, IdColour(159)));
    EXPECT_TRUE(PixelIs(h, {w / 2, 0}, IdColour(159)));
    EXPECT_TRUE(PixelIs(h, {w - 1, 0}, IdColour(158)));
    EXPECT_TRUE(PixelIs(h, {w / 2, 1}, IdColour(158)));
    const PixelBuffer v = CaptureWindow(vert);
    ASSERT_GE(v.Width(), 2);
    EXPECT_TRUE(PixelIs(v, {0, v.Height() / 2}, IdColour(159)));
    EXPECT_TRUE(PixelIs(v, {1, v.Height() / 2}, IdColour(158)));
    EXPECT_TRUE(PixelIs(v, {0, v.Height() - 1}, IdColour(158)));
    // The etched frame is the system's, not a skinned horizontal line.
    const PixelBuffer f = CaptureWindow(frame);
    EXPECT_EQ(CountColour(f, IdColour(158)) + CountColour(f, IdColour(159)), 0);
    EXPECT_TRUE(PixelIs(CaptureClient(frame), {30, 20}, kDialogBackground)) << "the dialog under the system's frame";

    EnableWindow(horz, FALSE);
    Repaint(dialog_);
    const PixelBuffer hd = CaptureWindow(horz);
    EXPECT_TRUE(PixelIs(hd, {w / 2, 0}, IdColour(162)));
    EXPECT_TRUE(PixelIs(hd, {w / 2, 1}, IdColour(161)));

    // A bitmap centred at its natural size over the dialog's background.
    const PixelBuffer b = CaptureClient(bitmapStatic);
    EXPECT_TRUE(PixelIs(b, {b.Width() / 2, b.Height() / 2}, bitmapColour));
    EXPECT_TRUE(PixelIs(b, {1, 1}, kDialogBackground));
    EXPECT_EQ(CountColour(b, bitmapColour), 60);
    EXPECT_EQ(Foreign(b, ClientOf(bitmapStatic), {kDialogBackground, bitmapColour}), 0);
    // An icon over the whole client.
    const PixelBuffer i = CaptureClient(iconStatic);
    EXPECT_EQ(Foreign(i, ClientOf(iconStatic), {iconColour}), 0);

    DestroyIcon(icon);
    DeleteObject(colour);
    DeleteObject(mask);
    DestroyWindow(bitmapStatic);
    DeleteObject(bitmap);
}

TEST_F(STATICS_FIXTURE, SliderLooksFromRealInputSelectionVerticalAndStylesBack) {
    HWND slider = Add(TRACKBAR_CLASSW, L"", TBS_HORZ | TBS_ENABLESELRANGE | TBS_NOTICKS | WS_TABSTOP, 10, 10, 240, 32,
                      WS_EX_CLIENTEDGE);
    HWND vertical = Add(TRACKBAR_CLASSW, L"", TBS_VERT | TBS_NOTICKS, 300, 10, 32, 200);
    HWND other = Add(L"BUTTON", L"Other", BS_PUSHBUTTON | WS_TABSTOP, 10, 250, 80, 24);
    SendMessageW(slider, TBM_SETRANGE, TRUE, MAKELPARAM(100, 200));
    SendMessageW(slider, TBM_SETSEL, TRUE, MAKELPARAM(110, 140));
    SendMessageW(slider, TBM_SETPOS, TRUE, 180);
    const LONG_PTR style = GetWindowLongPtrW(slider, GWL_STYLE), ex = GetWindowLongPtrW(slider, GWL_EXSTYLE);
    ASSERT_TRUE(ex & WS_EX_CLIENTEDGE);
    SkinAll();
    ASSERT_EQ(GetSkinnedWindowType(slider), ctype::kSlider);
    EXPECT_FALSE(GetWindowLongPtrW(slider, GWL_EXSTYLE) & WS_EX_CLIENTEDGE) << "no system edge while skinned";

    RECT thumb{}, channel{};
    SendMessageW(slider, TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&thumb));
    SendMessageW(slider, TBM_GETCHANNELRECT, 0, reinterpret_cast<LPARAM>(&channel));
    const POINT onThumb{(thumb.left + thumb.right) / 2, (thumb.top + thumb.bottom) / 2};
    const POINT onBackground{3, 2};
    const POINT offThumb{channel.left + 2, 2};
    const int lineY = (channel.top + channel.bottom) / 2;
    const POINT onLine{thumb.left - 4, lineY}; // right of the selection, left of the thumb
    struct Expect {
        const char* what;
        int background, line, thumb;
    };
    auto check = [&](const Expect& e) {
        Repaint(dialog_);
        const PixelBuffer p = CaptureClient(slider);
        EXPECT_TRUE(PixelIs(p, {onBackground.x, onBackground.y}, IdColour(e.background))) << e.what << " background";
        EXPECT_TRUE(PixelIs(p, {onLine.x, onLine.y}, IdColour(e.line))) << e.what << " line";
        EXPECT_TRUE(PixelIs(p, {onThumb.x, onThumb.y}, IdColour(e.thumb))) << e.what << " thumb";
        EXPECT_EQ(Foreign(p, ClientOf(slider), ColoursOf({{170, 185}})), 0) << e.what;
    };
    SetFocus(other);
    check({"normal", 172, 171, 170});
    // The selection 110..140 of 100..200 lies left of the thumb.
    {
        const PixelBuffer p = CaptureClient(slider);
        const int usable = (channel.right - (thumb.right - thumb.left) / 2) - channel.left + 1;
        const int x = channel.left + (usable * 25) / 100;
        EXPECT_TRUE(PixelIs(p, {x, lineY}, IdColour(185))) << "selection";
        EXPECT_TRUE(PixelIs(p, {channel.left + 1, lineY}, IdColour(171))) << "before the selection";
    }
    SendMessageW(slider, WM_MOUSEMOVE, 0, At(offThumb.x, offThumb.y));
    check({"hot", 178, 177, 170});
    SendMessageW(slider, WM_MOUSEMOVE, 0, At(onThumb.x, onThumb.y));
    check({"thumb hot", 178, 177, 176});
    SendMessageW(slider, WM_LBUTTONDOWN, MK_LBUTTON, At(onThumb.x, onThumb.y));
    check({"pressed", 175, 174, 173});
    SendMessageW(slider, WM_LBUTTONUP, 0, At(onThumb.x, onThumb.y));
    SendMessageW(slider, WM_MOUSELEAVE, 0, 0);
    SetFocus(slider);
    check({"focused", 184, 183, 182});
    SetFocus(other);
    EnableWindow(slider, FALSE);
    check({"disabled", 181, 180, 179});
    EnableWindow(slider, TRUE);

    // A skin with only the normal images shows them in every state.
    for (int id = 173; id <= 184; ++id) Skin().Element(9)->RemoveImage(WORD(id));
    SendMessageW(slider, WM_MOUSEMOVE, 0, At(onThumb.x, onThumb.y));
    check({"only normal images, thumb hot", 172, 171, 170});
    SendMessageW(slider, WM_MOUSELEAVE, 0, 0);
    SetFocus(slider);
    check({"only normal images, focused", 172, 171, 170});
    SetFocus(other);

    // Vertical: its own images, the line 4 pixels wide in the middle.
    SendMessageW(vertical, TBM_SETPOS, TRUE, 0);
    Repaint(dialog_);
    const PixelBuffer v = CaptureClient(vertical);
    const int mid = v.Width() / 2;
    EXPECT_TRUE(PixelIs(v, {1, v.Height() - 3}, IdColour(196)));
    EXPECT_TRUE(PixelIs(v, {mid - 2, v.Height() - 12}, IdColour(195)));
    EXPECT_TRUE(PixelIs(v, {mid + 1, v.Height() - 12}, IdColour(195)));
    EXPECT_TRUE(PixelIs(v, {mid + 2, v.Height() - 12}, IdColour(196)));
    EXPECT_TRUE(PixelIs(v, {mid, v.Height() - 5}, IdColour(196))) << "8 pixels short of the end";
    EXPECT_EQ(Foreign(v, ClientOf(vertical), ColoursOf({{194, 209}})), 0);

    // Switching skinning off gives the styles back exactly.
    DisableSkinning();
    Repaint(dialog_);
    EXPECT_EQ(GetWindowLongPtrW(slider, GWL_STYLE), style);
    EXPECT_EQ(GetWindowLongPtrW(slider, GWL_EXSTYLE), ex);
    EnableSkinning();
    Repaint(dialog_);
    EXPECT_FALSE(GetWindowLongPtrW(slider, GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
    RemoveSkinFromWindowTree(dialog_, 1);
    EXPECT_EQ(GetWindowLongPtrW(slider, GWL_STYLE), style);
    EXPECT_EQ(GetWindowLongPtrW(slider, GWL_EXSTYLE), ex);
}

TEST_F(STATICS_FIXTURE, SpinArrowsFromRealInputInBothOrientations) {
    HWND spin = Add(UPDOWN_CLASSW, L"", 0, 10, 10, 16, 30);
    HWND horz = Add(UPDOWN_CLASSW, L"", UDS_HORZ, 40, 10, 30, 16);
    SendMessageW(spin, UDM_SETRANGE32, 0, 100);
    SendMessageW(horz, UDM_SETRANGE32, 0, 100);
    HWND edit = Add(L"EDIT", L"5", WS_BORDER, 100, 60, 60, 24);
    HWND attached = Add(UPDOWN_CLASSW, L"", UDS_ALIGNRIGHT | UDS_SETBUDDYINT, 0, 0, 16, 24);
    SendMessageW(attached, UDM_SETBUDDY, reinterpret_cast<WPARAM>(edit), 0);
    SkinAll();
    ASSERT_EQ(GetSkinnedWindowType(spin), ctype::kSpin);
    const std::set<COLORREF> allowed = ColoursOf({{258, 285}});
    struct Expect {
        const char* what;
        int first, second;
    };
    auto check = [&](HWND hwnd, bool horizontal, const Expect& e) {
        Repaint(dialog_);
        const PixelBuffer p = CaptureClient(hwnd);
        const POINT a = horizontal ? POINT{4, 8} : POINT{6, 5};
        const POINT b = horizontal ? POINT{22, 8} : POINT{6, 22};
        EXPECT_TRUE(PixelIs(p, {a.x, a.y}, IdColour(e.first))) << e.what << " first";
        EXPECT_TRUE(PixelIs(p, {b.x, b.y}, IdColour(e.second))) << e.what << " second";
        EXPECT_EQ(Foreign(p, ClientOf(hwnd), allowed), 0) << e.what;
    };
    check(spin, false, {"normal", 277, 282});
    EXPECT_TRUE(PixelIs(CaptureClient(spin), {15, 5}, kDialogBackground)) << "the 1-pixel gap on the right";
    SendMessageW(spin, WM_MOUSEMOVE, 0, At(6, 5));
    check(spin, false, {"hot", 279, 282});
    SendMessageW(spin, WM_MOUSEMOVE, 0, At(6, 22));
    check(spin, false, {"other hot", 277, 284});
    SendMessageW(spin, WM_LBUTTONDOWN, MK_LBUTTON, At(6, 22));
    check(spin, false, {"pressed", 277, 283});
    SendMessageW(spin, WM_MOUSEMOVE, MK_LBUTTON, At(6, 5));
    check(spin, false, {"pressed, moved over the other arrow", 277, 283});
    SendMessageW(spin, WM_LBUTTONUP, 0, At(6, 5));
    SendMessageW(spin, WM_MOUSELEAVE, 0, 0);
    check(spin, false, {"released", 277, 282});
    EnableWindow(spin, FALSE);
    check(spin, false, {"disabled", 280, 285});

    // Attached to an edit buddy: the arrows lose 2 pixels at their outer
    // ends, where the background shows.
    {
        const PixelBuffer p = CaptureClient(attached);
        const int h = p.Height();
        ASSERT_GT(h, 10);
        EXPECT_TRUE(PixelIs(p, {4, 1}, kDialogBackground)) << "top 2 pixels";
        EXPECT_TRUE(PixelIs(p, {4, 3}, IdColour(277)));
        EXPECT_TRUE(PixelIs(p, {4, h - 3}, IdColour(282)));
        EXPECT_TRUE(PixelIs(p, {4, h - 2}, kDialogBackground)) << "bottom 2 pixels";
        EXPECT_TRUE(PixelIs(p, {p.Width() - 2, h / 2 - 2}, kDialogBackground)) << "2 pixels on the right";
        EXPECT_EQ(Foreign(p, ClientOf(attached), allowed), 0);
    }

    check(horz, true, {"horizontal", 258, 263});
    SendMessageW(horz, WM_MOUSEMOVE, 0, At(22, 8));
    check(horz, true, {"horizontal hot", 258, 265});
    SendMessageW(horz, WM_MOUSEMOVE, 0, At(4, 8));
    check(horz, true, {"horizontal other hot", 260, 263});
    SendMessageW(horz, WM_LBUTTONDOWN, MK_LBUTTON, At(4, 8));
    check(horz, true, {"horizontal pressed", 259, 263});
    SendMessageW(horz, WM_LBUTTONUP, 0, At(4, 8));
}

TEST_F(STATICS_FIXTURE, ProgressFillBothWaysEmptyRangeAndMarqueePieces) {
    HWND bar = Add(PROGRESS_CLASSW, L"", 0, 10, 10, 200, 20);
    HWND vertical = Add(PROGRESS_CLASSW, L"", PBS_VERTICAL, 230, 10, 20, 80);
    HWND marquee = Add(PROGRESS_CLASSW, L"", PBS_MARQUEE, 10, 120, 200, 20);
    // A bar with an edge takes the skin's border sizes instead of it.
    HWND edged = Add(PROGRESS_CLASSW, L"", 0, 10, 160, 200, 20, WS_EX_STATICEDGE);
    CTwfObj* element = Skin().Element(18);
    for (int id = 289; id <= 292; ++id) element->SetNumber(WORD(id), DWORD(id - 288)); // 1, 2, 3, 4
    for (HWND h : {bar, vertical, edged}) SendMessageW(h, PBM_SETRANGE32, 0, 100);
    SkinAll();
    ASSERT_EQ(GetSkinnedWindowType(bar), ctype::kProgress);
    const std::set<COLORREF> allowed = ColoursOf({{287, 299}});

    Repaint(dialog_);
    EXPECT_EQ(Foreign(CaptureClient(bar), ClientOf(bar), {IdColour(287)}), 0) << "lowest position: background only";
    SendMessageW(bar, PBM_SETPOS, 50, 0);
    SendMessageW(vertical, PBM_SETPOS, 50, 0);
    Repaint(dialog_);
    const PixelBuffer h = CaptureClient(bar);
    EXPECT_TRUE(PixelIs(h, {99, 10}, IdColour(288)));
    EXPECT_TRUE(PixelIs(h, {100, 10}, IdColour(287)));
    EXPECT_EQ(Foreign(h, ClientOf(bar), allowed), 0);
    const PixelBuffer v = CaptureClient(vertical);
    EXPECT_TRUE(PixelIs(v, {10, 40}, IdColour(299))) << "vertical fills from the bottom";
    EXPECT_TRUE(PixelIs(v, {10, 39}, IdColour(298)));
    EXPECT_EQ(Foreign(v, ClientOf(vertical), allowed), 0);
    SendMessageW(edged, PBM_SETPOS, 100, 0);
    Repaint(dialog_);
    const RECT edgedClient = ClientOf(edged);
    EXPECT_EQ(edgedClient.right, 200 - 1 - 3);
    EXPECT_EQ(edgedClient.bottom, 20 - 2 - 4);
    const PixelBuffer e = CaptureWindow(edged);
    EXPECT_TRUE(PixelIs(e, {0, 10}, IdColour(287))) << "the left border shows the background image";
    EXPECT_TRUE(PixelIs(e, {100, 19}, IdColour(287))) << "the bottom border";
    EXPECT_TRUE(PixelIs(e, {100, 10}, IdColour(288))) << "the client is filled";
    EXPECT_EQ(Foreign(e, {0, 0, 200, 20}, allowed), 0);
    // An empty range draws the background and no fill.
    SendMessageW(bar, PBM_SETRANGE32, 100, 100);
    SendMessageW(bar, PBM_SETPOS, 100, 0);
    Repaint(dialog_);
    EXPECT_EQ(Foreign(CaptureClient(bar), ClientOf(bar), {IdColour(287)}), 0);

    // The marquee block moves 5 pixels a step and wraps in two pieces. The
    // system's own timer is slow enough never to fire during the test.
    SendMessageW(marquee, PBM_SETMARQUEE, TRUE, 600000);
    auto* object = dynamic_cast<CTWProgress*>(GetSkinnedWindowObject(marquee));
    ASSERT_NE(object, nullptr);
    ASSERT_TRUE(object->IsMarqueeOn());
    Repaint(dialog_);
    for (int step = 0; step < 20; ++step) SendMessageW(marquee, WM_TIMER, 1, 0);
    EXPECT_EQ(object->GetMarqueePosition(), 30); // the last block drawn at 25
    PixelBuffer m = CaptureClient(marquee);
    EXPECT_TRUE(PixelIs(m, {25, 10}, IdColour(288)));
    EXPECT_TRUE(PixelIs(m, {94, 10}, IdColour(288)));
    EXPECT_TRUE(PixelIs(m, {24, 10}, IdColour(287)));
    EXPECT_TRUE(PixelIs(m, {95, 10}, IdColour(287)));
    for (int step = 0; step < 31; ++step) SendMessageW(marquee, WM_TIMER, 1, 0);
    m = CaptureClient(marquee); // the block drawn at 180: 180..200 and 0..50
    EXPECT_TRUE(PixelIs(m, {190, 10}, IdColour(288)));
    EXPECT_TRUE(PixelIs(m, {10, 10}, IdColour(288)));
    EXPECT_TRUE(PixelIs(m, {49, 10}, IdColour(288)));
    EXPECT_TRUE(PixelIs(m, {100, 10}, IdColour(287)));
    EXPECT_EQ(Foreign(m, ClientOf(marquee), allowed), 0);
    SendMessageW(marquee, PBM_SETMARQUEE, FALSE, 0);
    EXPECT_FALSE(object->IsMarqueeOn());
}
