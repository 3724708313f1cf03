// Layered alpha sides under Wine: a skin asking for semitransparency gets
// four layered windows over the frame's borders whose kept bitmaps carry the
// images' alpha and the caption text's; they follow moves, hide while
// minimised, swap left and right under a right-to-left layout, hand clicks
// to the frame, and are cut to the sides' outline (and, inside another
// window, to what that window shows).
#include <windows.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "base/win/dib.h"
#include "base/win/gdi.h"
#include "model/elements/wnd_frame.h"
#include "model/image_rgn.h"
#include "runtime/frame/alpha_side.h"
#include "runtime/frame/frame_skin_wnd.h"
#include "tests/harness/frame_skin.h"
#include "tests/harness/real_input.h"
#include "tests/harness/runtime_fixture.h"
#include "tests/harness/settle.h"

using namespace hexmoor::test;
using namespace hexmoor;
using namespace hexmoor::rt;

namespace {

constexpr int kTop = 24, kBottom = 6, kLeft = 5, kRight = 7;
constexpr BYTE kAlpha = 128;

// A w x h 32-bit DIB section of one premultiplied colour with alpha kAlpha.
HBITMAP MakeAlphaBitmap(int w, int h, BYTE r, BYTE g, BYTE b) {
    const BITMAPINFO info = win::TopDown32BitInfo(w, h);
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    auto* p = static_cast<BYTE*>(bits);
    for (int i = 0; i < w * h; ++i) {
        p[i * 4 + 0] = BYTE(b * kAlpha / 255);
        p[i * 4 + 1] = BYTE(g * kAlpha / 255);
        p[i * 4 + 2] = BYTE(r * kAlpha / 255);
        p[i * 4 + 3] = kAlpha;
    }
    return bitmap;
}

// A side's active image: one half-transparent colour, stretched.
void AlphaSideImage(CTwfSideFrame* side, int w, int h) {
    const win::Bitmap bitmap(MakeAlphaBitmap(w, h, 200, 100, 50));
    side->SetImageBitmap(0, bitmap.Get());
    side->SetImageOptions(0, 0, 0, kSideStretch);
}

BYTE AlphaAtCentre(HBITMAP bitmap) {
    DIBSECTION dib{};
    if (!bitmap || GetObjectW(bitmap, sizeof dib, &dib) != sizeof dib || !dib.dsBm.bmBits) return 0;
    const auto* bits = static_cast<const BYTE*>(dib.dsBm.bmBits);
    const int x = dib.dsBm.bmWidth / 2, y = dib.dsBm.bmHeight / 2;
    return bits[y * dib.dsBm.bmWidthBytes + x * 4 + 3];
}

class AlphaSideTest : public RuntimeTest {
protected:
    void SetUp() override {
        StartRuntime(true);
        auto* frame = dynamic_cast<CTwfWndFrame*>(Skin().Element(2));
        namespace id = frame_id;
        frame->SetNumber(id::kTopThickness, kTop);
        frame->SetNumber(id::kBottomThickness, kBottom);
        frame->SetNumber(id::kLeftThickness, kLeft);
        frame->SetNumber(id::kRightThickness, kRight);
        frame->SetNumber(id::kRegionShape, 3);
        frame->SetNumber(id::kSemitransparency, 1);
        frame->SetNumber(id::kTextHidden, 1);
        AlphaSideImage(frame->GetTopSide(), 4, kTop);
        AlphaSideImage(frame->GetBottomSide(), 4, kBottom);
        AlphaSideImage(frame->GetLeftSide(), kLeft, 4);
        AlphaSideImage(frame->GetRightSide(), kRight, 4);
        SkinLoaded();
        EnableSkinning();
    }
    CFrameSkinWnd* Skinned(HWND hwnd) {
        AttachBaseSkinnedObject(hwnd);
        ApplySkinToWindow(hwnd, 0);
        Settle();
        return GetFrameSkinWnd(hwnd);
    }
    static TestWindowArgs Args(DWORD ex = 0) {
        TestWindowArgs args;
        args.style = WS_OVERLAPPEDWINDOW | WS_VISIBLE;
        args.exStyle = ex;
        args.clientWidth = 300;
        args.clientHeight = 160;
        return args;
    }
};

// Where a side's window should be, from the frame's window rectangle.
POINT ExpectedPosition(HWND frame, Side side, bool rtl) {
    RECT wr;
    GetWindowRect(frame, &wr);
    switch (side) {
    case Side::Top: return {wr.left, wr.top};
    case Side::Bottom: return {wr.left, wr.bottom - kBottom};
    case Side::Left: return {rtl ? wr.right - kLeft : wr.left, wr.top + kTop};
    default: return {rtl ? wr.left : wr.right - kRight, wr.top + kTop};
    }
}

} // namespace

TEST_F(AlphaSideTest, KeptBitmapsCarryTheImagesAlphaAndFollowTheFrame) {
    TestWindow window(Args());
    CFrameSkinWnd* frame = Skinned(window.Handle());
    ASSERT_NE(frame, nullptr);
    ASSERT_TRUE(frame->HasAlphaSides());
    for (Side s : {Side::Top, Side::Bottom, Side::Left, Side::Right}) {
        CTWFrameAlphaSide* side = frame->AlphaSide(s);
        ASSERT_NE(side, nullptr);
        EXPECT_TRUE(IsWindowVisible(side->Handle()));
        EXPECT_EQ(AlphaAtCentre(side->KeptBitmap()), kAlpha) << int(s);
        const POINT expected = ExpectedPosition(window.Handle(), s, false);
        EXPECT_EQ(side->KeptPosition().x, expected.x) << int(s);
        EXPECT_EQ(side->KeptPosition().y, expected.y) << int(s);
    }
    // The frame's own window is cut to its client area: the sides show the borders.
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    ASSERT_NE(GetWindowRgn(window.Handle(), region), ERROR);
    EXPECT_FALSE(PtInRegion(region, 2, 2));
    EXPECT_TRUE(PtInRegion(region, kLeft + 2, kTop + 2));
    DeleteObject(region);

    SetWindowPos(window.Handle(), nullptr, 120, 90, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    Settle();
    for (Side s : {Side::Top, Side::Left}) {
        const POINT expected = ExpectedPosition(window.Handle(), s, false);
        EXPECT_EQ(frame->AlphaSide(s)->KeptPosition().x, expected.x) << "moved " << int(s);
        EXPECT_EQ(frame->AlphaSide(s)->KeptPosition().y, expected.y) << "moved " << int(s);
    }

    ShowWindow(window.Handle(), SW_MINIMIZE);
    Settle();
    for (Side s : {Side::Top, Side::Bottom, Side::Left, Side::Right})
        EXPECT_FALSE(IsWindowVisible(frame->AlphaSide(s)->Handle())) << "minimised " << int(s);
    ShowWindow(window.Handle(), SW_RESTORE);
    Settle();
    for (Side s : {Side::Top, Side::Bottom, Side::Left, Side::Right})
        EXPECT_TRUE(IsWindowVisible(frame->AlphaSide(s)->Handle())) << "restored " << int(s);
}

TEST_F(AlphaSideTest, RightToLeftSwapsTheSidesAndClicksReachTheFrame) {
    TestWindow window(Args(WS_EX_LAYOUTRTL));
    CFrameSkinWnd* frame = Skinned(window.Handle());
    ASSERT_NE(frame, nullptr);
    ASSERT_TRUE(frame->HasAlphaSides());
    for (Side s : {Side::Left, Side::Right}) {
        const POINT expected = ExpectedPosition(window.Handle(), s, true);
        EXPECT_EQ(frame->AlphaSide(s)->KeptPosition().x, expected.x) << int(s);
    }
    // Each side is drawn into its own bitmap wherever it sits.
    for (Side s : {Side::Top, Side::Bottom, Side::Left, Side::Right})
        EXPECT_EQ(AlphaAtCentre(frame->AlphaSide(s)->KeptBitmap()), kAlpha) << "drawn " << int(s);
    // The top side answers hit tests with the frame's own answer.
    RECT wr;
    GetWindowRect(window.Handle(), &wr);
    const LPARAM caption = MAKELPARAM(wr.left + 100, wr.top + 12);
    EXPECT_EQ(SendMessageW(frame->AlphaSide(Side::Top)->Handle(), WM_NCHITTEST, 0, caption),
              SendMessageW(window.Handle(), WM_NCHITTEST, 0, caption));
    EXPECT_EQ(SendMessageW(frame->AlphaSide(Side::Top)->Handle(), WM_NCHITTEST, 0, caption), HTCAPTION);
    // A press on the side is handed to the frame.
    EXPECT_EQ(SendMessageW(frame->AlphaSide(Side::Top)->Handle(), WM_MOUSEACTIVATE, 0, 0), MA_NOACTIVATE);
}

namespace {

constexpr wchar_t kFrameClass[] = L"HexmoorChildFrame";

// A plain window class for frames made here.
void RegisterFrameClass() {
    WNDCLASSW wc{};
    if (!GetClassInfoW(GetModuleHandleW(nullptr), kFrameClass, &wc)) {
        wc.lpfnWndProc = &DefWindowProcW;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = kFrameClass;
        RegisterClassW(&wc);
    }
}

// A captioned child window inside `parent` (a frame of its own).
HWND MakeChildFrame(HWND parent) {
    RegisterFrameClass();
    return CreateWindowExW(0, kFrameClass, L"inner", WS_CHILD | WS_CAPTION | WS_THICKFRAME | WS_VISIBLE, 20, 20, 160,
                           100, parent, nullptr, GetModuleHandleW(nullptr), nullptr);
}

bool Lists(const CFrameSkinWnd* frame, HWND child) {
    const auto& list = frame->ChildFrames();
    return std::find(list.begin(), list.end(), child) != list.end();
}

} // namespace

TEST_F(AlphaSideTest, FramesInsideAFrameAreListedEitherWayAndTheirSidesFollowItsMoves) {
    // Outer skinned first: the inner one enters itself in the outer's list.
    {
        TestWindow outer(Args());
        CFrameSkinWnd* outerFrame = Skinned(outer.Handle());
        ASSERT_NE(outerFrame, nullptr);
        HWND inner = MakeChildFrame(outer.Handle());
        CFrameSkinWnd* innerFrame = Skinned(inner);
        ASSERT_NE(innerFrame, nullptr);
        EXPECT_TRUE(Lists(outerFrame, inner));
        ASSERT_TRUE(innerFrame->HasAlphaSides());

        // Moving the outer frame does not move the inner one within it, but
        // the inner frame's layered sides live on the screen and must follow.
        SetWindowPos(outer.Handle(), nullptr, 140, 110, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        Settle();
        const POINT expected = ExpectedPosition(inner, Side::Top, false);
        EXPECT_EQ(innerFrame->AlphaSide(Side::Top)->KeptPosition().x, expected.x);
        EXPECT_EQ(innerFrame->AlphaSide(Side::Top)->KeptPosition().y, expected.y);

        // A frame that goes away leaves the outer's list.
        DestroyWindow(inner);
        Settle();
        EXPECT_FALSE(Lists(outerFrame, inner));
    }
    // Inner skinned first: the outer one collects it when it is skinned.
    {
        TestWindow outer(Args());
        HWND inner = MakeChildFrame(outer.Handle());
        ASSERT_NE(Skinned(inner), nullptr);
        CFrameSkinWnd* outerFrame = Skinned(outer.Handle());
        ASSERT_NE(outerFrame, nullptr);
        EXPECT_TRUE(Lists(outerFrame, inner));
        EXPECT_EQ(outerFrame->ChildFrames().size(), 1u);
        DestroyWindow(inner);
    }
}

namespace {

// Whether every layered side lies directly above the frame (its top-level
// window for a frame inside another): walking down the z-order from each side
// meets no other visible window before it.
::testing::AssertionResult SidesJustAboveFrame(CFrameSkinWnd* frame) {
    HWND hwnd = GetAncestor(frame->GetSafeHwnd(), GA_ROOT);
    std::vector<HWND> sides;
    for (Side s : {Side::Top, Side::Bottom, Side::Left, Side::Right}) sides.push_back(frame->AlphaSide(s)->Handle());
    for (HWND side : sides) {
        HWND next = GetWindow(side, GW_HWNDNEXT);
        while (next && next != hwnd &&
               (std::find(sides.begin(), sides.end(), next) != sides.end() || !IsWindowVisible(next)))
            next = GetWindow(next, GW_HWNDNEXT);
        if (next != hwnd) {
            char name[64] = {};
            GetClassNameA(next, name, sizeof name);
            std::string chain;
            for (HWND w = GetTopWindow(nullptr); w; w = GetWindow(w, GW_HWNDNEXT)) {
                if (!IsWindowVisible(w)) continue;
                char c[64] = {};
                GetClassNameA(w, c, sizeof c);
                chain += w == hwnd ? std::string("[FRAME] ") : (std::string(c) + " ");
            }
            return ::testing::AssertionFailure()
                   << "a window of class " << name << " lies between a side and its frame"
                   << (next ? "" : " (none: the frame is above the side)") << " chain: " << chain;
        }
    }
    return ::testing::AssertionSuccess();
}

} // namespace

TEST_F(AlphaSideTest, SidesStayDirectlyAboveTheirFrameThroughZOrderChanges) {
    TestWindow window(Args());
    CFrameSkinWnd* frame = Skinned(window.Handle());
    ASSERT_NE(frame, nullptr);
    ASSERT_TRUE(frame->HasAlphaSides());
    TestWindow other(Args());
    // Wine restacks the frame above its sides on its own when windows are
    // activated (no z-order change reaches the frame then), so the cases
    // here are the frame's own z-order changes.
    SetWindowPos(window.Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    Settle();
    EXPECT_TRUE(SidesJustAboveFrame(frame)) << "the frame raised without activation";
    SetWindowPos(window.Handle(), HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    Settle();
    EXPECT_TRUE(SidesJustAboveFrame(frame)) << "the frame sent to the bottom";
    SetWindowPos(window.Handle(), other.Handle(), 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    Settle();
    EXPECT_TRUE(SidesJustAboveFrame(frame)) << "the frame placed right behind another window";

    // A frame inside a window that lies behind another, raised among its
    // siblings: its sides go directly above that window, not above
    // everything.
    TestWindow outer(Args());
    HWND sibling = CreateWindowExW(0, L"Static", L"", WS_CHILD | WS_VISIBLE, 0, 0, 10, 10, outer.Handle(), nullptr,
                                   GetModuleHandleW(nullptr), nullptr);
    HWND inner = MakeChildFrame(outer.Handle());
    SetWindowPos(sibling, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    CFrameSkinWnd* innerFrame = Skinned(inner);
    ASSERT_NE(innerFrame, nullptr);
    ASSERT_TRUE(innerFrame->HasAlphaSides());
    SetWindowPos(outer.Handle(), other.Handle(), 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    SetWindowPos(inner, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    Settle();
    EXPECT_TRUE(SidesJustAboveFrame(innerFrame)) << "a frame inside a window";
    DestroyWindow(inner);
}

namespace {

// TWM_SYNCACTIVE messages an owner received, with the window that sent them.
std::vector<std::pair<WPARAM, LPARAM>> g_sync;
WNDPROC g_ownerPrevious = nullptr;
LRESULT CALLBACK OwnerProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == 0x61F) g_sync.emplace_back(wp, lp);
    return CallWindowProcW(g_ownerPrevious, hwnd, msg, wp, lp);
}

} // namespace

TEST_F(AlphaSideTest, AFloatingFrameThatSharesItsOwnersActivationPassesTheFloatStatusOn) {
    TestWindow owner(Args());
    g_sync.clear();
    g_ownerPrevious = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(owner.Handle(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&OwnerProc)));
    ASSERT_NE(Skinned(owner.Handle()), nullptr);
    struct Case {
        DWORD style;
        WPARAM status;
        bool passedOn;
    } cases[] = {
        {0x100, 0x40, true},  // shares the owner's activation, asked to sync
        {0x100, 0x01, false}, // another float status
        {0, 0x40, false},     // does not share its owner's activation
    };
    for (const Case& c : cases) {
        RegisterFrameClass();
        HWND floating = CreateWindowExW(0, kFrameClass, L"floating", WS_POPUP | WS_CAPTION | WS_THICKFRAME | c.style,
                                        40, 40, 160, 100, owner.Handle(), nullptr, GetModuleHandleW(nullptr), nullptr);
        ASSERT_NE(floating, nullptr);
        ASSERT_NE(Skinned(floating), nullptr);
        // The relay belongs to frames the skin leaves alone.
        DisableSkinning();
        Settle();
        g_sync.clear();
        SendMessageW(floating, 0x36D, c.status, 0);
        EnableSkinning();
        Settle();
        if (c.passedOn) {
            ASSERT_EQ(g_sync.size(), 1u) << c.style << "/" << c.status;
            EXPECT_EQ(g_sync[0].first, 1u);
            EXPECT_EQ(HWND(g_sync[0].second), floating);
        } else {
            EXPECT_TRUE(g_sync.empty()) << c.style << "/" << c.status;
        }
        DestroyWindow(floating);
    }
    SetWindowLongPtrW(owner.Handle(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(g_ownerPrevious));
}

namespace {

// A region of the side window's own, or an empty one when it has none.
struct SideRegion {
    explicit SideRegion(HWND side) : region(CreateRectRgn(0, 0, 0, 0)) { has = GetWindowRgn(side, region) != ERROR; }
    ~SideRegion() { DeleteObject(region); }
    bool In(int x, int y) const { return has && PtInRegion(region, x, y); }
    HRGN region;
    bool has = false;
};

int WindowWidth(HWND hwnd) {
    RECT r;
    GetWindowRect(hwnd, &r);
    return r.right - r.left;
}

} // namespace

TEST_F(AlphaSideTest, SideWindowsTakeTheSidesOutlineAgainWhenTheirSizeChanges) {
    // The top side's first part is cut: its top-left 10 x 8 pixels are not
    // part of the frame.
    auto* top = dynamic_cast<CTwfWndFrame*>(Skin().Element(2))->GetTopSide();
    top->SetRegionOptions(0, std::make_shared<CImageRgn>(win::Region(CreateRectRgn(0, 8, 10, kTop)), 10, kTop), 0);
    for (DWORD ex : {DWORD(0), DWORD(WS_EX_LAYOUTRTL)}) {
        TestWindow window(Args(ex));
        CFrameSkinWnd* frame = Skinned(window.Handle());
        ASSERT_NE(frame, nullptr);
        ASSERT_TRUE(frame->HasAlphaSides());
        HWND side = frame->AlphaSide(Side::Top)->Handle();
        const bool rtl = ex != 0;
        // The cut corner lies at the left, or at the right where a
        // right-to-left frame shows its first part.
        const auto check = [&](const char* when) {
            const int w = WindowWidth(window.Handle());
            const SideRegion region(side);
            ASSERT_TRUE(region.has) << when;
            const int cut = rtl ? w - 3 : 2, kept = rtl ? 2 : w - 3;
            EXPECT_FALSE(region.In(cut, 2)) << when << " rtl " << rtl;
            EXPECT_TRUE(region.In(cut, 12)) << when << " rtl " << rtl;
            EXPECT_TRUE(region.In(kept, 2)) << when << " rtl " << rtl;
            EXPECT_FALSE(region.In(w + 2, 2)) << when << " rtl " << rtl;
            // The mouse meets the side only inside its outline (Wine's screen
            // shows a layered window whole, region or not, but hit-tests
            // with the region).
            RECT sr;
            GetWindowRect(side, &sr);
            EXPECT_NE(WindowFromPoint({sr.left + cut, sr.top + 2}), side) << when << " rtl " << rtl;
            EXPECT_EQ(WindowFromPoint({sr.left + kept, sr.top + 2}), side) << when << " rtl " << rtl;
        };
        check("first shown");
        // Wider: the region given before ended at the old width.
        RECT wr;
        GetWindowRect(window.Handle(), &wr);
        SetWindowPos(window.Handle(), nullptr, 0, 0, wr.right - wr.left + 120, wr.bottom - wr.top,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        Settle();
        check("widened");
        // The left side (no region parts) is its whole rectangle.
        const SideRegion left(frame->AlphaSide(Side::Left)->Handle());
        EXPECT_TRUE(left.In(0, 0));
        EXPECT_TRUE(left.In(kLeft - 1, 3));
    }
}

TEST_F(AlphaSideTest, SidesOfAFrameInsideAWindowShowOnlyWhatItsParentShowsAndNothingUnderWindowsAbove) {
    TestWindow outer(Args());
    HWND inner = MakeChildFrame(outer.Handle());
    // Half of the inner frame lies past the outer window's client area.
    RECT client;
    GetClientRect(outer.Handle(), &client);
    SetWindowPos(inner, nullptr, client.right - 80, 20, 160, 100, SWP_NOZORDER | SWP_NOACTIVATE);
    CFrameSkinWnd* frame = Skinned(inner);
    ASSERT_NE(frame, nullptr);
    ASSERT_TRUE(frame->HasAlphaSides());
    HWND top = frame->AlphaSide(Side::Top)->Handle();
    {
        const SideRegion region(top);
        ASSERT_TRUE(region.has);
        EXPECT_TRUE(region.In(10, 5));
        EXPECT_TRUE(region.In(78, 5));
        EXPECT_FALSE(region.In(82, 5)) << "past the parent's client area";
        EXPECT_FALSE(region.In(150, 5)) << "past the parent's client area";
    }
    // A window above the outer one covers the first 40 pixels of the top
    // side; the next move of the inner frame cuts them out.
    RECT sr;
    GetWindowRect(top, &sr);
    TestWindowArgs coverArgs;
    coverArgs.clientWidth = 40;
    coverArgs.clientHeight = 60;
    TestWindow cover(coverArgs);
    SetWindowPos(cover.Handle(), HWND_TOP, sr.left - 1, sr.top - 20, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE);
    RECT cr;
    GetWindowRect(cover.Handle(), &cr);
    SetWindowPos(inner, nullptr, client.right - 81, 20, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    Settle();
    GetWindowRect(top, &sr);
    const SideRegion region(top);
    ASSERT_TRUE(region.has);
    EXPECT_FALSE(region.In(cr.left - sr.left + 2, 5)) << "under the window above";
    EXPECT_FALSE(region.In(cr.right - sr.left - 2, 5)) << "under the window above";
    EXPECT_TRUE(region.In(cr.right - sr.left + 2, 5)) << "beside the window above";
    DestroyWindow(inner);
}

namespace {

// A kept bitmap's pixel (x, y from the top) as blue, green, red, alpha.
const BYTE* KeptPixel(HBITMAP bitmap, int x, int y) {
    static const BYTE none[4] = {};
    DIBSECTION dib{};
    if (GetObjectW(bitmap, sizeof dib, &dib) != sizeof dib || !dib.dsBm.bmBits) return none;
    const int row = dib.dsBmih.biHeight > 0 ? dib.dsBm.bmHeight - 1 - y : y;
    return static_cast<const BYTE*>(dib.dsBm.bmBits) + row * dib.dsBm.bmWidthBytes + x * 4;
}

// The colour of a kept bitmap's pixel, alpha dropped.
COLORREF KeptColour(HBITMAP bitmap, int x, int y) {
    const BYTE* p = KeptPixel(bitmap, x, y);
    return RGB(p[2], p[1], p[0]);
}

// A 16 x 16 icon of one opaque colour (mask all black, colour without alpha).
HICON SolidIcon(COLORREF colour) {
    HDC screen = GetDC(nullptr);
    HBITMAP image = CreateCompatibleBitmap(screen, 16, 16);
    HDC dc = CreateCompatibleDC(screen);
    HGDIOBJ old = SelectObject(dc, image);
    HBRUSH brush = CreateSolidBrush(colour);
    const RECT all{0, 0, 16, 16};
    FillRect(dc, &all, brush);
    DeleteObject(brush);
    SelectObject(dc, old);
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);
    const std::vector<BYTE> zeros(16 * 16 / 8, 0);
    HBITMAP mask = CreateBitmap(16, 16, 1, 1, zeros.data());
    ICONINFO info{TRUE, 0, 0, mask, image};
    HICON icon = CreateIconIndirect(&info);
    DeleteObject(mask);
    DeleteObject(image);
    return icon;
}

} // namespace

TEST_F(AlphaSideTest, CaptionTextAndIconOnTheTopSideCarryAlpha) {
    constexpr COLORREF kIconColour = RGB(0, 160, 0);
    HICON icon = SolidIcon(kIconColour);
    ASSERT_NE(icon, nullptr);
    auto* element = dynamic_cast<CTwfWndFrame*>(Skin().Element(2));
    element->SetNumber(frame_id::kTextHidden, 0);
    element->SetColor(frame_id::kTextColor, RGB(255, 0, 0));
    TestWindowArgs args = Args();
    args.caption = L"WWWWWWWWWWWW";
    // The columns the text covers, left to right and right to left.
    int firstColumn[2] = {}, lastColumn[2] = {}, width = 0;
    for (DWORD ex : {DWORD(0), DWORD(WS_EX_LAYOUTRTL)}) {
        args.exStyle = ex;
        TestWindow window(args);
        SendMessageW(window.Handle(), WM_SETICON, ICON_SMALL, LPARAM(icon));
        SendMessageW(window.Handle(), WM_SETICON, ICON_BIG, LPARAM(icon));
        CFrameSkinWnd* frame = Skinned(window.Handle());
        ASSERT_NE(frame, nullptr);
        ASSERT_TRUE(frame->HasAlphaSides());
        DIBSECTION dib{};
        HBITMAP kept = frame->AlphaSide(Side::Top)->KeptBitmap();
        ASSERT_EQ(GetObjectW(kept, sizeof dib, &dib), int(sizeof dib));
        const auto* bits = static_cast<const BYTE*>(dib.dsBm.bmBits);
        int text = 0, invalid = 0;
        for (int y = 0; y < dib.dsBm.bmHeight; ++y)
            for (int x = 0; x < dib.dsBm.bmWidth; ++x) {
                const BYTE* p = bits + y * dib.dsBm.bmWidthBytes + x * 4;
                // Premultiplied: no colour above its alpha.
                if (p[0] > p[3] || p[1] > p[3] || p[2] > p[3]) ++invalid;
                // Red text over the side image (alpha kAlpha) raises alpha.
                if (p[3] > kAlpha + 40 && p[2] > 2 * p[1] + 40) {
                    const int i = ex ? 1 : 0;
                    if (!text++ || x < firstColumn[i]) firstColumn[i] = x;
                    lastColumn[i] = std::max(lastColumn[i], x);
                }
            }
        width = dib.dsBm.bmWidth;
        EXPECT_EQ(invalid, 0) << "rtl " << ex;
        EXPECT_GT(text, 30) << "rtl " << ex;
        // The icon is opaque where its mask says so (a right-to-left frame's
        // top side is drawn mirrored).
        const RECT r = frame->CaptionIconRect();
        ASSERT_FALSE(IsRectEmpty(&r));
        const int x = (r.left + r.right) / 2, y = (r.top + r.bottom) / 2;
        const int shownX = ex ? dib.dsBm.bmWidth - 1 - x : x;
        EXPECT_EQ(KeptPixel(kept, shownX, y)[3], 255) << "rtl " << ex;
        EXPECT_EQ(KeptColour(kept, shownX, y), kIconColour) << "rtl " << ex;
    }
    // Right to left, the text shows where the mirror puts it.
    EXPECT_NEAR(firstColumn[1], width - 1 - lastColumn[0], 3);
    EXPECT_NEAR(lastColumn[1], width - 1 - firstColumn[0], 3);
    DestroyIcon(icon);
}

TEST_F(AlphaSideTest, CaptionButtonsOnTheTopSideLightUpPressAndCloseUnderRealInput) {
    constexpr COLORREF kNormal = RGB(0, 0, 200), kHot = RGB(0, 200, 0), kPressed = RGB(200, 0, 200);
    namespace id = frame_id;
    Skin().SolidImage(id::kElement, id::kCloseImageNormal, kNormal, 16, 14);
    Skin().SolidImage(id::kElement, id::kCloseImagePressed, kPressed, 16, 14);
    Skin().SolidImage(id::kElement, id::kCloseImageHot, kHot, 16, 14);
    auto* element = dynamic_cast<CTwfWndFrame*>(Skin().Element(id::kElement));
    element->SetNumberPair(id::kCloseButtonSize, 16, 14);
    element->SetNumberPair(id::kCloseButtonOffset, 4, 4);
    POINT parked;
    GetCursorPos(&parked);
    TestWindow window(Args());
    SetForegroundWindow(window.Handle());
    CFrameSkinWnd* frame = Skinned(window.Handle());
    ASSERT_NE(frame, nullptr);
    ASSERT_TRUE(frame->HasAlphaSides());
    CTWFrameAlphaSide* top = frame->AlphaSide(Side::Top);
    const Rect close = CaptionButtonRect(kCloseButton, frame->ButtonsInput());
    ASSERT_FALSE(close.IsEmpty());
    const POINT centre{(close.left + close.right) / 2, (close.top + close.bottom) / 2};
    EXPECT_EQ(KeptColour(top->KeptBitmap(), centre.x, centre.y), kNormal);

    RECT wr;
    GetWindowRect(window.Handle(), &wr);
    MoveCursorTo({wr.left + centre.x, wr.top + centre.y});
    Settle();
    EXPECT_EQ(WindowFromPoint({wr.left + centre.x, wr.top + centre.y}), top->Handle());
    EXPECT_EQ(frame->GetHotButton(), kCloseButton);
    EXPECT_EQ(KeptColour(top->KeptBitmap(), centre.x, centre.y), kHot) << "hot";

    // Out of the window altogether: the side never sees the cursor again.
    MoveCursorTo({wr.right + 40, wr.bottom + 40});
    // Wine notices the leave on a timer (about 400 ms): wait for it.
    EXPECT_TRUE(WaitUntil([&] { return frame->GetHotButton() == kNoButton; }, "no hot button after the leave"));
    EXPECT_EQ(KeptColour(top->KeptBitmap(), centre.x, centre.y), kNormal) << "left";

    // Pressed while held; released over it, the frame closes.
    MoveCursorTo({wr.left + centre.x, wr.top + centre.y});
    Settle();
    MouseButton(MOUSEEVENTF_LEFTDOWN);
    Settle();
    EXPECT_EQ(KeptColour(top->KeptBitmap(), centre.x, centre.y), kPressed) << "pressed";
    MouseButton(MOUSEEVENTF_LEFTUP);
    Settle();
    EXPECT_FALSE(IsWindow(window.Handle())) << "closed";
    SetCursorPos(parked.x, parked.y);
}

TEST_F(AlphaSideTest, ClicksOnTheSidesOfAFrameBlockedByItsModalDialogDoNothing) {
    namespace id = frame_id;
    Skin().SolidImage(id::kElement, id::kCloseImageNormal, RGB(0, 0, 200), 16, 14);
    auto* element = dynamic_cast<CTwfWndFrame*>(Skin().Element(id::kElement));
    element->SetNumberPair(id::kCloseButtonSize, 16, 14);
    element->SetNumberPair(id::kCloseButtonOffset, 4, 4);
    POINT parked;
    GetCursorPos(&parked);
    TestWindow window(Args());
    HWND hwnd = window.Handle();
    CFrameSkinWnd* frame = Skinned(hwnd);
    ASSERT_NE(frame, nullptr);
    ASSERT_TRUE(frame->HasAlphaSides());
    // A modal dialog of the frame, away from it; the frame is disabled.
    RegisterFrameClass();
    HWND dialog =
        CreateWindowExW(WS_EX_DLGMODALFRAME, kFrameClass, L"modal", WS_POPUP | WS_CAPTION | WS_VISIBLE | DS_MODALFRAME,
                        700, 600, 160, 100, hwnd, nullptr, GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(dialog, nullptr);
    EnableWindow(hwnd, FALSE);
    SetForegroundWindow(dialog);
    Settle();
    ASSERT_EQ(GetActiveWindow(), dialog);

    RECT wr;
    GetWindowRect(hwnd, &wr);
    const Rect close = CaptionButtonRect(kCloseButton, frame->ButtonsInput());
    const POINT points[] = {{wr.left + (close.left + close.right) / 2, wr.top + (close.top + close.bottom) / 2},
                            {wr.left + 60, wr.top + 8},  // the caption
                            {wr.left + 2, wr.top + 60}}; // the left side
    for (POINT p : points) {
        MoveCursorTo(p);
        Settle();
        MouseButton(MOUSEEVENTF_LEFTDOWN);
        Settle();
        MouseButton(MOUSEEVENTF_LEFTUP);
        Settle();
        EXPECT_TRUE(IsWindow(hwnd)) << p.x << "," << p.y;
        EXPECT_EQ(GetActiveWindow(), dialog) << p.x << "," << p.y;
        if (!IsWindow(hwnd)) break;
        RECT now;
        GetWindowRect(hwnd, &now);
        EXPECT_EQ(now.left, wr.left) << "not moved";
    }
    SetCursorPos(parked.x, parked.y);
    DestroyWindow(dialog);
}
