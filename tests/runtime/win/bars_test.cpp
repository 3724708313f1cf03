// Skinned toolbars and status bars: every image and colour id of their
// elements in its own colour, each button look reached through real mouse
// input, with skins of file version 528 (the older painters) and 768, no
// foreign pixel over the bars, the border numbers, a transparent toolbar
// over its parent, and switching off giving back the toolbar's styles.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "model/twf_obj.h"
#include "runtime/controls/host_pane_list.h"
#include "runtime/controls/status_bar.h"
#include "runtime/logic/control_types.h"
#include "runtime/text/unicode_string.h"
#include "runtime/wnd/object_registry.h"
#include "tests/harness/capture.h"
#include "tests/harness/real_input.h"
#include "tests/harness/runtime_fixture.h"
#include "tests/harness/settle.h"
#include "tests/harness/skin_pixels.h"

using namespace hexmoor::test;

namespace {

constexpr COLORREF kDialogBackground = RGB(23, 181, 97);
constexpr COLORREF kWhite = RGB(255, 255, 255);

// Every image and colour id gets its own colour, apart from the dialog's.

constexpr int kToolbarImages[] = {309, 311, 312, 313, 314, 315};
constexpr int kToolbarColours[] = {310, 316};
constexpr int kStatusImages[] = {324, 326, 332};
constexpr int kStatusColours[] = {330};

TBBUTTON Button(int id, BYTE state, BYTE style, int bitmap = I_IMAGENONE) {
    TBBUTTON b{};
    b.iBitmap = bitmap;
    b.idCommand = id;
    b.fsState = state;
    b.fsStyle = style;
    b.iString = -1;
    return b;
}

class BarsTest : public RuntimeTest {
protected:
    void SetUpSkin(WORD version) {
        INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_BAR_CLASSES};
        InitCommonControlsEx(&icc);
        StartRuntime(true);
        Skin().SolidImage(25, 0, kDialogBackground, 6, 6);
        for (int id : kToolbarImages) Skin().SolidImage(11, WORD(id), IdColour(id));
        for (int id : kToolbarColours) Skin().Element(11)->SetColor(WORD(id), IdColour(id));
        for (int id : kStatusImages) Skin().SolidImage(12, WORD(id), IdColour(id));
        for (int id : kStatusColours) Skin().Element(12)->SetColor(WORD(id), IdColour(id));
        Skin().Skin()->SetVersion(version);
        SkinLoaded();
        EnableSkinning();
        dialog_ = CreateWindowExW(0, L"#32770", L"", WS_POPUP | WS_VISIBLE, 40, 40, 420, 240, nullptr, nullptr,
                                  GetModuleHandleW(nullptr), nullptr);
        ASSERT_TRUE(dialog_);
        MoveCursorTo(Parked());
        Settle();
    }
    POINT Parked() const { return {2, 2}; }
    // Normal, checked, disabled, separator, drop-down and a placeholder
    // separator for a control, without images or texts.
    HWND MakeToolbar(DWORD style, DWORD exStyle, int y) {
        HWND bar = CreateWindowExW(
            exStyle, TOOLBARCLASSNAMEW, L"", WS_CHILD | WS_VISIBLE | CCS_NORESIZE | CCS_NOPARENTALIGN | style, 10, y,
            360, 34, dialog_, reinterpret_cast<HMENU>(INT_PTR(500 + y)), GetModuleHandleW(nullptr), nullptr);
        SendMessageW(bar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
        SendMessageW(bar, TB_SETBITMAPSIZE, 0, MAKELPARAM(16, 16));
        TBBUTTON buttons[] = {Button(101, TBSTATE_ENABLED, BTNS_BUTTON),
                              Button(102, TBSTATE_ENABLED | TBSTATE_CHECKED, BTNS_CHECK),
                              Button(103, 0, BTNS_BUTTON),
                              Button(0, TBSTATE_ENABLED, BTNS_SEP, 8),
                              Button(104, TBSTATE_ENABLED, BTNS_DROPDOWN),
                              Button(105, TBSTATE_ENABLED, BTNS_SEP, 30)};
        SendMessageW(bar, TB_ADDBUTTONSW, std::size(buttons), reinterpret_cast<LPARAM>(buttons));
        SendMessageW(bar, TB_SETEXTENDEDSTYLE, 0, TBSTYLE_EX_DRAWDDARROWS);
        return bar;
    }
    void SkinAll() {
        ApplySkinToWindow(dialog_, 1);
        Repaint(dialog_);
    }
    void TearDown() override {
        MouseButton(MOUSEEVENTF_LEFTUP);
        if (dialog_) DestroyWindow(dialog_);
        RuntimeTest::TearDown();
    }
    HWND dialog_ = nullptr;
};

RECT ItemRect(HWND bar, int index) {
    RECT r{};
    SendMessageW(bar, TB_GETITEMRECT, WPARAM(index), reinterpret_cast<LPARAM>(&r));
    return r;
}

POINT ScreenPoint(HWND hwnd, int x, int y) {
    POINT p{x, y};
    ClientToScreen(hwnd, &p);
    return p;
}

PixelRect Inside(const RECT& r, int rightCut = 0) {
    return {int(r.left) + 2, int(r.top) + 2, int(r.right) - 2 - rightCut, int(r.bottom) - 2};
}

::testing::AssertionResult Shows(const PixelBuffer& pixels, const PixelRect& r, COLORREF expected) {
    const ColourCheck check = CheckRect(pixels, r, expected & 0xFFFFFF);
    if (check.Passed()) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << check.Describe(expected & 0xFFFFFF);
}

// Pixels of the capture that are none of the allowed colours, outside the
// rectangles left out (arrows, texts).
long CountForeign(const PixelBuffer& pixels, const std::vector<COLORREF>& allowed,
                  const std::vector<RECT>& leftOut = {}) {
    long count = 0;
    for (int y = 0; y < pixels.Height(); ++y)
        for (int x = 0; x < pixels.Width(); ++x) {
            const POINT p{x, y};
            if (std::any_of(leftOut.begin(), leftOut.end(), [&](const RECT& r) { return PtInRect(&r, p) != FALSE; }))
                continue;
            if (std::find(allowed.begin(), allowed.end(), COLORREF(pixels.At(x, y) & 0xFFFFFF)) == allowed.end())
                ++count;
        }
    return count;
}

} // namespace

// The skin file's version chooses the painters: 528 the older, 768 the current.
class BarsVersionTest : public BarsTest, public ::testing::WithParamInterface<int> {};
INSTANTIATE_TEST_SUITE_P(FileVersions, BarsVersionTest, ::testing::Values(528, 768));

TEST_P(BarsVersionTest, ToolbarButtonLooksFromRealInput) {
    const WORD version = WORD(GetParam());
    {
        SetUpSkin(version);
        HWND bar = MakeToolbar(0, 0, 10);
        SkinAll();
        ASSERT_EQ(GetSkinnedWindowType(bar), hexmoor::rt::ctype::kToolBar);
        const RECT normal = ItemRect(bar, 0), checked = ItemRect(bar, 1), disabled = ItemRect(bar, 2),
                   separator = ItemRect(bar, 3), drop = ItemRect(bar, 4), placeholder = ItemRect(bar, 5);
        const bool older = version < 529;
        RECT client{};
        GetClientRect(bar, &client);
        // The arrow's rows at the right of the drop-down button.
        const int cy = (drop.top + drop.bottom) / 2;
        const RECT arrow{drop.right - 10, cy - 2, drop.right - 3, cy + 3};
        std::vector<COLORREF> allowed{kDialogBackground};
        for (int id : kToolbarImages) allowed.push_back(IdColour(id));
        if (older) allowed.push_back(kWhite);

        PixelBuffer pixels = CaptureClient(bar);
        EXPECT_TRUE(Shows(pixels, Inside(normal), IdColour(311))) << "normal";
        EXPECT_TRUE(Shows(pixels, Inside(checked), IdColour(313))) << "checked";
        EXPECT_TRUE(Shows(pixels, Inside(disabled), IdColour(314))) << "disabled";
        EXPECT_TRUE(Shows(pixels, Inside(separator), IdColour(315))) << "separator";
        EXPECT_TRUE(Shows(pixels, Inside(drop, 12), IdColour(311))) << "drop-down";
        EXPECT_TRUE(Shows(pixels, Inside(placeholder), older ? kWhite : IdColour(309)))
            << "a control's placeholder: nothing over the background (white under older skins)";
        EXPECT_TRUE(Shows(pixels, {int(placeholder.right) + 2, 2, int(client.right) - 2, int(client.bottom) - 2},
                          IdColour(309)))
            << "bar background right of the buttons";
        EXPECT_EQ(CountForeign(pixels, allowed, {arrow}), 0) << "normal";

        // Hot from the pointer over the button, pressed while the left
        // button is down over it.
        const POINT mid{(normal.left + normal.right) / 2, (normal.top + normal.bottom) / 2};
        MoveCursorTo(ScreenPoint(bar, mid.x, mid.y));
        Settle();
        Repaint(bar);
        pixels = CaptureClient(bar);
        EXPECT_TRUE(Shows(pixels, Inside(normal), IdColour(313))) << "hot";
        EXPECT_TRUE(Shows(pixels, Inside(drop, 12), IdColour(311))) << "the others stay";
        MouseButton(MOUSEEVENTF_LEFTDOWN);
        Settle();
        Repaint(bar);
        pixels = CaptureClient(bar);
        EXPECT_TRUE(Shows(pixels, Inside(normal), IdColour(312))) << "pressed";
        EXPECT_EQ(CountForeign(pixels, allowed, {arrow}), 0) << "pressed";
        MouseButton(MOUSEEVENTF_LEFTUP);
        Settle();

        // The drop-down pressed left of its arrow zone: the pressed face
        // stops 13 pixels short of the right edge.
        MoveCursorTo(ScreenPoint(bar, drop.left + 4, cy));
        Settle();
        MouseButton(MOUSEEVENTF_LEFTDOWN);
        Settle();
        Repaint(bar);
        pixels = CaptureClient(bar);
        EXPECT_TRUE(Shows(pixels, {int(drop.left), int(drop.top) + 1, int(drop.right) - 13, int(drop.bottom) - 1},
                          IdColour(312)))
            << "pressed left of the arrow";
        EXPECT_TRUE(Shows(pixels, {int(drop.right) - 12, int(drop.top) + 1, int(drop.right) - 11, cy - 2},
                          older ? kWhite : IdColour(309)))
            << "arrow zone uncovered";
        EXPECT_EQ(CountForeign(pixels, allowed, {arrow}), 0) << "drop-down pressed";
        MouseButton(MOUSEEVENTF_LEFTUP);
        Settle();

        // Pressed on the arrow zone: the hot face over the whole button.
        MoveCursorTo(ScreenPoint(bar, drop.right - 6, drop.top + 3));
        Settle();
        MouseButton(MOUSEEVENTF_LEFTDOWN);
        Settle();
        Repaint(bar);
        pixels = CaptureClient(bar);
        EXPECT_TRUE(Shows(pixels, {int(drop.left) + 2, int(drop.top) + 2, int(drop.right) - 2, cy - 2}, IdColour(313)))
            << "pressed on the arrow";
        MouseButton(MOUSEEVENTF_LEFTUP);
        Settle();
        MoveCursorTo(Parked());
        Settle();
    }
}

TEST_F(BarsTest, SwitchingOffGivesTheToolbarItsStylesBackExactly) {
    SetUpSkin(768);
    HWND bar = MakeToolbar(TBSTYLE_TOOLTIPS, WS_EX_CLIENTEDGE | WS_EX_WINDOWEDGE, 10);
    SendMessageW(bar, TB_SETEXTENDEDSTYLE, 0, TBSTYLE_EX_MIXEDBUTTONS);
    const LONG_PTR style = GetWindowLongPtrW(bar, GWL_STYLE), ex = GetWindowLongPtrW(bar, GWL_EXSTYLE);
    const LRESULT toolbarEx = SendMessageW(bar, TB_GETEXTENDEDSTYLE, 0, 0);
    ASSERT_FALSE(style & TBSTYLE_FLAT);
    ASSERT_TRUE(ex & WS_EX_CLIENTEDGE);
    RECT window{}, clientBefore{};
    GetWindowRect(bar, &window);
    GetClientRect(bar, &clientBefore);

    SkinAll();
    EXPECT_TRUE(GetWindowLongPtrW(bar, GWL_STYLE) & TBSTYLE_FLAT);
    EXPECT_FALSE(GetWindowLongPtrW(bar, GWL_EXSTYLE) & (WS_EX_CLIENTEDGE | WS_EX_WINDOWEDGE));
    EXPECT_EQ(SendMessageW(bar, TB_GETEXTENDEDSTYLE, 0, 0), toolbarEx | TBSTYLE_EX_DRAWDDARROWS)
        << "the host's extended toolbar styles stay";
    RECT client{};
    GetClientRect(bar, &client);
    EXPECT_EQ(client.right, window.right - window.left) << "no edge while skinned";
    // Asking for the edge while skinned does not bring it back.
    SetWindowLongPtrW(bar, GWL_EXSTYLE, GetWindowLongPtrW(bar, GWL_EXSTYLE) | WS_EX_CLIENTEDGE);
    EXPECT_FALSE(GetWindowLongPtrW(bar, GWL_EXSTYLE) & WS_EX_CLIENTEDGE);

    for (int round = 0; round < 2; ++round) {
        SCOPED_TRACE(round == 0 ? "DisableSkinning" : "RemoveSkinFromWindowTree");
        if (round == 0)
            DisableSkinning();
        else
            RemoveSkinFromWindowTree(dialog_, 1);
        PumpMessages();
        EXPECT_EQ(GetWindowLongPtrW(bar, GWL_STYLE), style);
        EXPECT_EQ(GetWindowLongPtrW(bar, GWL_EXSTYLE), ex);
        EXPECT_EQ(SendMessageW(bar, TB_GETEXTENDEDSTYLE, 0, 0), toolbarEx);
        GetClientRect(bar, &client);
        EXPECT_EQ(client.right, clientBefore.right) << "the edge is back";
        if (round == 0) {
            EnableSkinning();
            PumpMessages();
            EXPECT_TRUE(GetWindowLongPtrW(bar, GWL_STYLE) & TBSTYLE_FLAT) << "skinned again";
            EXPECT_FALSE(GetWindowLongPtrW(bar, GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
        }
    }
}

TEST_F(BarsTest, BorderNumbersNarrowAndCentreTheToolbarsClientArea) {
    SetUpSkin(768);
    CTwfObj* element = Skin().Element(11);
    element->SetNumber(801, 5);
    element->SetNumber(802, 7);
    element->SetNumber(684, 1);
    // The divider gives the system's calculation a top border to centre.
    HWND divided = MakeToolbar(0, 0, 10);
    SetWindowLongPtrW(divided, GWL_STYLE, GetWindowLongPtrW(divided, GWL_STYLE) & ~CCS_NODIVIDER);
    SetWindowPos(divided, nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_FRAMECHANGED);
    RECT window{}, client{};
    GetWindowRect(divided, &window);
    GetClientRect(divided, &client);
    const int systemTop =
        int(client.bottom) < int(window.bottom - window.top) ? int(window.bottom - window.top) - int(client.bottom) : 0;
    SkinAll();
    GetClientRect(divided, &client);
    POINT origin{0, 0};
    ClientToScreen(divided, &origin);
    EXPECT_EQ(origin.x - window.left, 5) << "801 from the left";
    EXPECT_EQ(client.right, window.right - window.left - 12) << "802 from the right";
    EXPECT_EQ(origin.y - window.top, systemTop / 2) << "684: the system's top space halved";
    EXPECT_EQ(client.bottom, window.bottom - window.top - systemTop) << "and as much below";
    // The border shows the bar's background.
    Repaint(dialog_);
    const PixelBuffer whole = CaptureWindow(divided);
    EXPECT_TRUE(Shows(whole, {0, 4, 5, 20}, IdColour(309))) << "left border";
    EXPECT_TRUE(Shows(whole, {whole.Width() - 7, 4, whole.Width(), 20}, IdColour(309))) << "right border";
}

TEST_F(BarsTest, TransparentToolbarShowsItsParentsBackground) {
    SetUpSkin(768);
    HWND bar = MakeToolbar(TBSTYLE_TRANSPARENT, 0, 10);
    SkinAll();
    const RECT last = ItemRect(bar, 5), first = ItemRect(bar, 0);
    RECT client{};
    GetClientRect(bar, &client);
    const PixelBuffer pixels = CaptureClient(bar);
    EXPECT_TRUE(
        Shows(pixels, {int(last.right) + 2, 2, int(client.right) - 2, int(client.bottom) - 2}, kDialogBackground))
        << "the dialog under the bar";
    EXPECT_TRUE(Shows(pixels, Inside(last), kDialogBackground)) << "and under a control's placeholder";
    EXPECT_TRUE(Shows(pixels, Inside(first), IdColour(311))) << "buttons keep their faces";
}

TEST_P(BarsVersionTest, StatusBarPanesGripAndBackground) {
    SetUpSkin(WORD(GetParam()));
    const bool older = GetParam() < 529;
    HWND status = CreateWindowExW(0, STATUSCLASSNAMEW, L"", WS_CHILD | WS_VISIBLE | SBARS_SIZEGRIP, 0, 0, 0, 0, dialog_,
                                  reinterpret_cast<HMENU>(INT_PTR(600)), GetModuleHandleW(nullptr), nullptr);
    HWND plain =
        CreateWindowExW(0, STATUSCLASSNAMEW, L"", WS_CHILD | WS_VISIBLE | CCS_NOPARENTALIGN | CCS_NORESIZE, 0, 60, 300,
                        24, dialog_, reinterpret_cast<HMENU>(INT_PTR(601)), GetModuleHandleW(nullptr), nullptr);
    const int parts[] = {100, 200, -1};
    for (HWND bar : {status, plain}) {
        SendMessageW(bar, SB_SETPARTS, 3, reinterpret_cast<LPARAM>(parts));
        SendMessageW(bar, SB_SETTEXTW, 0, reinterpret_cast<LPARAM>(L"Ready"));
        SendMessageW(bar, SB_SETTEXTW, 1, reinterpret_cast<LPARAM>(L"Line 4"));
    }
    SkinAll();
    ASSERT_EQ(GetSkinnedWindowType(status), hexmoor::rt::ctype::kStatusBar);
    RECT client{}, pane[3]{};
    GetClientRect(status, &client);
    for (int i = 0; i < 3; ++i) SendMessageW(status, SB_GETRECT, WPARAM(i), reinterpret_cast<LPARAM>(&pane[i]));
    const int grip = GetSystemMetrics(SM_CXVSCROLL) + GetSystemMetrics(SM_CXBORDER);
    // Wine gives the last pane the client's whole remaining width, under
    // the grip as well.
    PixelBuffer pixels = CaptureClient(status);
    EXPECT_TRUE(
        Shows(pixels, {int(pane[0].left), int(pane[0].top), int(pane[0].left) + 3, int(pane[0].bottom)}, IdColour(324)))
        << "pane left of its text";
    EXPECT_TRUE(Shows(pixels, {int(pane[2].left), int(pane[2].top), int(client.right) - grip, int(pane[2].bottom)},
                      IdColour(324)))
        << "the last pane, which has no text";
    EXPECT_TRUE(Shows(pixels, {0, 0, int(client.right) - grip, int(pane[0].top)}, IdColour(332)))
        << "background above the panes";
    EXPECT_TRUE(
        Shows(pixels, {int(pane[0].right), int(pane[0].top), int(pane[1].left), int(pane[0].bottom)}, IdColour(332)))
        << "background between the panes";
    // The older painter lays the grip first and keeps it; the current one
    // paints the last pane over it.
    EXPECT_TRUE(Shows(pixels, {int(client.right) - grip, int(pane[2].top), int(client.right), int(pane[2].bottom)},
                      IdColour(older ? 326 : 324)))
        << "grip box";
    if (older) {
        EXPECT_TRUE(Shows(pixels, {int(client.right) - grip, 0, int(client.right), int(client.bottom)}, IdColour(326)))
            << "the whole grip box";
    }
    // Texts are left out: the middle rows of the first two panes.
    auto textRows = [](const RECT& first, const RECT& second) {
        const int cy = (first.top + first.bottom) / 2;
        return std::vector<RECT>{{int(first.left) + 3, cy - 8, int(second.right) - 2, cy + 8}};
    };
    EXPECT_EQ(CountForeign(pixels, {IdColour(324), IdColour(326), IdColour(332)}, textRows(pane[0], pane[1])), 0);

    RECT plainPane[2]{};
    for (int i = 0; i < 2; ++i) SendMessageW(plain, SB_GETRECT, WPARAM(i), reinterpret_cast<LPARAM>(&plainPane[i]));
    const PixelBuffer noGrip = CaptureClient(plain);
    EXPECT_EQ(CountForeign(noGrip, {IdColour(324), IdColour(332)}, textRows(plainPane[0], plainPane[1])), 0)
        << "no grip image without the style";
    EXPECT_TRUE(Shows(noGrip, {noGrip.Width() - grip, 4, noGrip.Width() - 1, 10}, IdColour(324)));
}

namespace {
// A Visual Basic 6 status bar as far as the runtime sees it: its answer to
// SB_GETTEXT (0, 0) is the address of its pane list.
LRESULT g_listAnswer = 0;
WNDPROC g_statusPrevious = nullptr;
LRESULT CALLBACK HostStatusProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == SB_GETTEXTW && wp == 0 && lp == 0) return g_listAnswer;
    return CallWindowProcW(g_statusPrevious, hwnd, msg, wp, lp);
}
} // namespace

TEST_F(BarsTest, VisualBasicStatusBarReadsItsOwnPaneListSafely) {
    SetUpSkin(768);
    SetHostFramework(hexmoor::rt::host::kVisualBasic6);
    HWND status = CreateWindowExW(0, STATUSCLASSNAMEW, L"", WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, dialog_,
                                  reinterpret_cast<HMENU>(INT_PTR(600)), GetModuleHandleW(nullptr), nullptr);
    const int parts[] = {100, 200, -1};
    SendMessageW(status, SB_SETPARTS, 3, reinterpret_cast<LPARAM>(parts));
    // The host answers SB_GETTEXT (0, 0) with its list's head.
    static const wchar_t* texts[] = {L"first", L"second"};
    static hexmoor::rt::HostPaneEntry entries[3] = {};
    entries[0].next = &entries[1];
    entries[1].next = &entries[2];
    entries[1].text = texts[0];
    entries[2].text = texts[1];
    g_listAnswer = reinterpret_cast<LRESULT>(&entries[0]);
    g_statusPrevious =
        reinterpret_cast<WNDPROC>(SetWindowLongPtrW(status, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&HostStatusProc)));
    SkinAll();
    auto* object = dynamic_cast<CTWStatus*>(GetSkinnedWindowObject(status));
    ASSERT_NE(object, nullptr);
    EXPECT_EQ(object->PaneText(0, 3).Str(), L"first");
    EXPECT_EQ(object->PaneText(1, 3).Str(), L"second");
    EXPECT_EQ(object->PaneText(2, 3).Str(), L"") << "the last pane has no entry";
    EXPECT_EQ(object->PaneText(0, 1).Str(), L"") << "a single pane shows no text";
    // Answers that lead nowhere readable give empty texts and a painted bar.
    for (LRESULT bad : {LRESULT(0), LRESULT(0x10), LRESULT(-1)}) {
        g_listAnswer = bad;
        EXPECT_EQ(object->PaneText(0, 3).Str(), L"") << bad;
        Repaint(status);
    }
    const PixelBuffer pixels = CaptureClient(status);
    EXPECT_TRUE(Shows(pixels, {2, 4, 20, 10}, IdColour(324)));

    // A common status bar in such a host answers SB_GETTEXT (0, 0) with its
    // first pane's length and type, a number that is no address.
    HWND common = CreateWindowExW(0, STATUSCLASSNAMEW, L"", WS_CHILD | WS_VISIBLE | CCS_NOPARENTALIGN | CCS_NORESIZE, 0,
                                  40, 300, 22, dialog_, nullptr, GetModuleHandleW(nullptr), nullptr);
    SendMessageW(common, SB_SETPARTS, 3, reinterpret_cast<LPARAM>(parts));
    SendMessageW(common, SB_SETTEXTW, 0, reinterpret_cast<LPARAM>(L"Ready"));
    SkinWindowAsType(common, hexmoor::rt::ctype::kStatusBar);
    auto* commonObject = dynamic_cast<CTWStatus*>(GetSkinnedWindowObject(common));
    ASSERT_NE(commonObject, nullptr);
    EXPECT_EQ(SendMessageW(common, SB_GETTEXTW, 0, 0), 5) << "Wine answers the length";
    EXPECT_EQ(commonObject->PaneText(0, 3).Str(), L"");
    Repaint(common);
    EXPECT_TRUE(Shows(CaptureClient(common), {2, 4, 20, 10}, IdColour(324)));
}

namespace {

// A 16 x 16 icon of one colour, full mask; the caller destroys it.
HICON SolidIcon(COLORREF colour) {
    HBITMAP colourBits = MakeSolidBitmap(16, 16, colour);
    HDC screen = GetDC(nullptr);
    HBITMAP mask = CreateCompatibleBitmap(screen, 16, 16); // all 0: the image shows everywhere
    ReleaseDC(nullptr, screen);
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, mask);
    PatBlt(dc, 0, 0, 16, 16, BLACKNESS);
    SelectObject(dc, old);
    DeleteDC(dc);
    ICONINFO info{TRUE, 0, 0, mask, colourBits};
    HICON icon = CreateIconIndirect(&info);
    DeleteObject(colourBits);
    DeleteObject(mask);
    return icon;
}

HIMAGELIST SolidImageList(COLORREF colour) {
    HIMAGELIST list = ImageList_Create(16, 16, ILC_COLOR32 | ILC_MASK, 1, 1);
    HICON icon = SolidIcon(colour);
    ImageList_AddIcon(list, icon);
    DestroyIcon(icon);
    return list;
}

// Where a button's 16 x 16 image lands without text: centred, one pixel
// lower; the middle of it.
PixelRect IconMiddle(const RECT& button) {
    const int x = int(button.left) + (int(button.right - button.left) - 16) / 2;
    const int y = int(button.top) + (int(button.bottom - button.top) - 16) / 2 + 1;
    return {x + 3, y + 3, x + 13, y + 13};
}

} // namespace

TEST_F(BarsTest, ButtonImagesTheFlatDisabledShapeAndTheIndeterminateFrame) {
    SetUpSkin(768);
    constexpr COLORREF kPicture = RGB(250, 5, 5), kDisabledPicture = RGB(5, 250, 250);
    HWND bar = CreateWindowExW(0, TOOLBARCLASSNAMEW, L"",
                               WS_CHILD | WS_VISIBLE | CCS_NORESIZE | CCS_NOPARENTALIGN | CCS_NODIVIDER, 10, 10, 300,
                               34, dialog_, nullptr, GetModuleHandleW(nullptr), nullptr);
    SendMessageW(bar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    HIMAGELIST images = SolidImageList(kPicture), disabledImages = SolidImageList(kDisabledPicture);
    SendMessageW(bar, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images));
    TBBUTTON buttons[] = {Button(101, TBSTATE_ENABLED, BTNS_BUTTON, 0), Button(102, 0, BTNS_BUTTON, 0),
                          Button(103, TBSTATE_ENABLED | TBSTATE_INDETERMINATE, BTNS_BUTTON)};
    SendMessageW(bar, TB_ADDBUTTONSW, std::size(buttons), reinterpret_cast<LPARAM>(buttons));
    SkinAll();
    const RECT enabled = ItemRect(bar, 0), disabled = ItemRect(bar, 1), mixed = ItemRect(bar, 2);
    PixelBuffer pixels = CaptureClient(bar);
    // An indeterminate button: a shadow-coloured frame over the bar's
    // background, no face.
    const COLORREF shadow = GetSysColor(COLOR_BTNSHADOW);
    EXPECT_TRUE(Shows(pixels, {int(mixed.left), int(mixed.top), int(mixed.right), int(mixed.top) + 1}, shadow));
    EXPECT_TRUE(Shows(pixels, {int(mixed.left), int(mixed.bottom) - 1, int(mixed.right), int(mixed.bottom)}, shadow));
    EXPECT_TRUE(Shows(pixels, {int(mixed.left), int(mixed.top), int(mixed.left) + 1, int(mixed.bottom)}, shadow));
    EXPECT_TRUE(Shows(pixels, {int(mixed.right) - 1, int(mixed.top), int(mixed.right), int(mixed.bottom)}, shadow));
    EXPECT_TRUE(Shows(pixels, Inside(mixed), IdColour(309))) << "indeterminate: no face";
    EXPECT_TRUE(Shows(pixels, IconMiddle(enabled), kPicture)) << "the image list's picture";
    EXPECT_TRUE(Shows(pixels, IconMiddle(disabled), IdColour(316)))
        << "without a disabled list: the picture's shape in the disabled colour";
    SendMessageW(bar, TB_SETDISABLEDIMAGELIST, 0, reinterpret_cast<LPARAM>(disabledImages));
    Repaint(bar);
    pixels = CaptureClient(bar);
    EXPECT_TRUE(Shows(pixels, IconMiddle(disabled), kDisabledPicture)) << "the disabled list's picture";
    EXPECT_TRUE(Shows(pixels,
                      {int(disabled.left) + 1, int(disabled.top) + 1, int(disabled.left) + 3, int(disabled.bottom) - 1},
                      IdColour(314)))
        << "on the disabled face";
    DestroyWindow(bar);
    ImageList_Destroy(images);
    ImageList_Destroy(disabledImages);
}

TEST_F(BarsTest, StatusPaneIconBeforeItsTextAndBorderNumbers) {
    SetUpSkin(768);
    CTwfObj* element = Skin().Element(12);
    element->SetNumber(803, 4);
    element->SetNumber(804, 6);
    HWND status = CreateWindowExW(0, STATUSCLASSNAMEW, L"", WS_CHILD | WS_VISIBLE | CCS_NOPARENTALIGN | CCS_NORESIZE,
                                  10, 60, 300, 24, dialog_, nullptr, GetModuleHandleW(nullptr), nullptr);
    HWND plain = CreateWindowExW(0, STATUSCLASSNAMEW, L"", WS_CHILD | WS_VISIBLE | CCS_NOPARENTALIGN | CCS_NORESIZE, 10,
                                 100, 300, 24, dialog_, nullptr, GetModuleHandleW(nullptr), nullptr);
    RECT defaultClient{};
    GetClientRect(plain, &defaultClient);
    const int parts[] = {150, -1};
    SendMessageW(status, SB_SETPARTS, 2, reinterpret_cast<LPARAM>(parts));
    SendMessageW(status, SB_SETTEXTW, 0, reinterpret_cast<LPARAM>(L"Saved"));
    constexpr COLORREF kPicture = RGB(250, 5, 5);
    HICON icon = SolidIcon(kPicture);
    SendMessageW(status, SB_SETICON, 0, reinterpret_cast<LPARAM>(icon));
    SkinAll();

    RECT client{};
    GetClientRect(status, &client);
    POINT origin{0, 0};
    ClientToScreen(status, &origin);
    RECT window{};
    GetWindowRect(status, &window);
    EXPECT_EQ(origin.x - window.left, 4) << "803 from the left";
    EXPECT_EQ(client.right, window.right - window.left - 10) << "804 from the right";
    EXPECT_TRUE(Shows(CaptureWindow(status), {0, 2, 4, 20}, IdColour(332))) << "the border shows the background";

    // The second bar, of the same size and skin, shows that the default
    // calculation leaves the client as it was without numbers.
    element->RemoveNumber(803);
    element->RemoveNumber(804);
    SetWindowPos(plain, nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_FRAMECHANGED);
    RECT plainClient{};
    GetClientRect(plain, &plainClient);
    EXPECT_EQ(plainClient.right, defaultClient.right) << "no numbers, no change";
    element->SetNumber(803, 4);
    element->SetNumber(804, 6);

    RECT pane{};
    SendMessageW(status, SB_GETRECT, 0, reinterpret_cast<LPARAM>(&pane));
    Repaint(status);
    const PixelBuffer pixels = CaptureClient(status);
    const int iconX = int(pane.left) + 3;
    const int iconY = int(pane.top) + (int(pane.bottom - pane.top) - 16) / 2;
    EXPECT_TRUE(Shows(pixels, {iconX, iconY + 1, iconX + 16, iconY + 15}, kPicture)) << "icon 3 pixels in, centred";
    EXPECT_TRUE(Shows(pixels, {int(pane.left), int(pane.top), iconX, int(pane.bottom)}, IdColour(324)))
        << "pane left of the icon";
    // The text starts 2 pixels right of the icon: nothing of it before.
    EXPECT_TRUE(Shows(pixels, {iconX + 16, int(pane.top), iconX + 18, int(pane.bottom)}, IdColour(324)));
    bool textSeen = false;
    for (int x = iconX + 18; x < int(pane.right) && !textSeen; ++x)
        for (int y = int(pane.top); y < int(pane.bottom); ++y)
            if ((pixels.At(x, y) & 0xFFFFFF) == IdColour(330)) textSeen = true;
    EXPECT_TRUE(textSeen) << "the text in colour 330 right of the icon";
    DestroyIcon(icon);
}
