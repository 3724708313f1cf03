// A skinned dialog draws its client background from the skin; with
// skinning switched off the system look and the styles come back exactly.
#include "runtime/logic/control_types.h"
#include "runtime/manager/factories.h"
#include "runtime/wnd/color_dialog.h"
#include "runtime/wnd/tw_dialog.h"
#include "tests/harness/capture.h"
#include "tests/harness/runtime_fixture.h"
#include "tests/harness/settle.h"
#include "tests/harness/standard_dialog.h"

using namespace hexmoor::test;

class DialogTest : public RuntimeTest {};

namespace {
constexpr COLORREF kBackground = RGB(23, 181, 97);

PixelRect ToPixelRect(const RECT& r) { return {r.left, r.top, r.right, r.bottom}; }

COLORREF Opaque(COLORREF c) { return c & 0xFFFFFF; }
} // namespace

TEST_F(DialogTest, SkinnedBackgroundAndTheSystemLookBack) {
    StartRuntime(true);
    Skin().SolidImage(25, 0, kBackground, 6, 6);
    SkinLoaded();
    EnableSkinning();
    HWND dialog = CreateStandardDialog();
    ASSERT_TRUE(dialog);
    const LONG_PTR style = GetWindowLongPtrW(dialog, GWL_STYLE), ex = GetWindowLongPtrW(dialog, GWL_EXSTYLE);
    const LONG_PTR proc = GetWindowLongPtrW(dialog, GWLP_WNDPROC);

    ApplySkinToWindow(dialog, 1);
    ASSERT_EQ(GetSkinnedWindowType(dialog), hexmoor::rt::ctype::kDialog);
    Repaint(dialog);
    const RECT free = FreeClientArea(dialog);
    PixelBuffer skinned = CaptureClient(dialog);
    ColourCheck check = CheckRect(skinned, ToPixelRect(free), kBackground);
    EXPECT_TRUE(check.Passed()) << check.Describe(kBackground);

    DisableSkinning();
    Repaint(dialog);
    EXPECT_EQ(GetWindowLongPtrW(dialog, GWL_STYLE), style);
    EXPECT_EQ(GetWindowLongPtrW(dialog, GWL_EXSTYLE), ex);
    PixelBuffer system = CaptureClient(dialog);
    const COLORREF face = Opaque(GetSysColor(COLOR_BTNFACE));
    check = CheckRect(system, ToPixelRect(free), face);
    EXPECT_TRUE(check.Passed()) << check.Describe(face);

    EnableSkinning();
    Repaint(dialog);
    check = CheckRect(CaptureClient(dialog), ToPixelRect(free), kBackground);
    EXPECT_TRUE(check.Passed()) << "switched on again: " << check.Describe(kBackground);

    RemoveSkinFromWindowTree(dialog, 1);
    EXPECT_EQ(GetWindowLongPtrW(dialog, GWLP_WNDPROC), proc);
    EXPECT_EQ(GetWindowLongPtrW(dialog, GWL_STYLE), style);
    EXPECT_EQ(GetSkinnedWindowObject(dialog), nullptr);
    DestroyWindow(dialog);
}

TEST_F(DialogTest, NinePartBackgroundFollowsItsMargins) {
    StartRuntime(true);
    const NineColours& colours = kDistinctNineColours;
    Skin().NinePartImage(25, 0, 30, 30, {10, 10, 10, 10, 0, 0}, colours);
    SkinLoaded();
    EnableSkinning();
    HWND dialog = CreateStandardDialog();
    ApplySkinToWindow(dialog, 0);
    Repaint(dialog);
    RECT client;
    GetClientRect(dialog, &client);
    const PixelBuffer pixels = CaptureClient(dialog);
    EXPECT_TRUE(
        CheckRect(pixels, {client.right - 10, client.bottom - 10, client.right, client.bottom}, colours.bottomRight)
            .Passed());
    EXPECT_TRUE(CheckRect(pixels, {client.right - 10, 300, client.right, client.bottom - 10}, colours.right).Passed());
    EXPECT_TRUE(
        CheckRect(pixels, {450, client.bottom - 10, client.right - 10, client.bottom}, colours.bottom).Passed());
    EXPECT_TRUE(CheckRect(pixels, {450, 320, client.right - 10, client.bottom - 10}, colours.centre).Passed());
    DestroyWindow(dialog);
}

TEST_F(DialogTest, EveryStandardControlIsClassifiedAsItsKind) {
    StartRuntime(true);
    HWND dialog = CreateStandardDialog();
    ASSERT_TRUE(dialog);
    EXPECT_EQ(GetControlType(dialog, nullptr), hexmoor::rt::ctype::kDialog);
    for (const StandardControl& c : StandardControls()) {
        HWND control = GetDlgItem(dialog, c.id);
        ASSERT_TRUE(control) << c.id;
        EXPECT_EQ(GetControlType(control, nullptr), c.expectedKind) << "control " << c.id;
    }
    DestroyWindow(dialog);
}

TEST_F(DialogTest, WithTheSkinOffADialogErasesOnlyTheChildsExtentOfItsDc) {
    StartRuntime(true);
    Skin().SolidImage(25, 0, kBackground, 6, 6);
    SkinLoaded();
    EnableSkinning();
    HWND dialog = CreateStandardDialog();
    ApplySkinToWindow(dialog, 0);
    DisableSkinning();
    HWND child = GetWindow(dialog, GW_CHILD);
    ASSERT_TRUE(child);
    RECT childRect;
    GetWindowRect(child, &childRect);
    const int cw = childRect.right - childRect.left, ch = childRect.bottom - childRect.top;

    constexpr COLORREF kMarker = RGB(255, 0, 255);
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, cw * 2, ch * 2);
    ReleaseDC(nullptr, screen);
    HGDIOBJ old = SelectObject(dc, bitmap);
    HBRUSH marker = CreateSolidBrush(kMarker);
    const RECT all{0, 0, cw * 2, ch * 2};
    FillRect(dc, &all, marker);

    GetSkinnedWindowObject(dialog)->EraseBackground(dc, child, nullptr);
    EXPECT_EQ(Opaque(GetPixel(dc, 1, 1)), Opaque(GetSysColor(COLOR_BTNFACE))) << "the dialog erased the child's part";
    EXPECT_EQ(Opaque(GetPixel(dc, cw + 1, ch + 1)), kMarker) << "nothing past the child's extent";
    EXPECT_EQ(Opaque(GetPixel(dc, cw + 1, 1)), kMarker);
    HRGN clip = CreateRectRgn(0, 0, 0, 0);
    EXPECT_EQ(GetClipRgn(dc, clip), 0) << "the caller's DC keeps its clip";
    DeleteObject(clip);

    SelectObject(dc, old);
    DeleteObject(marker);
    DeleteObject(bitmap);
    DeleteDC(dc);
    DestroyWindow(dialog);
}

namespace {
UINT g_lastPositionFlags = 0;
WNDPROC g_dialogProc = nullptr;
LRESULT CALLBACK PositionFlagsProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_WINDOWPOSCHANGING) g_lastPositionFlags = reinterpret_cast<const WINDOWPOS*>(lp)->flags;
    return CallWindowProcW(g_dialogProc, hwnd, msg, wp, lp);
}
} // namespace

TEST_F(DialogTest, TheColourPickerGrowsOnceByItsNonClientWidthWithoutCopyingBits) {
    StartRuntime(true, 1);
    Skin().SolidImage(25, 0, kBackground, 6, 6);
    SkinLoaded();
    EnableSkinning();
    HWND dialog = CreateStandardDialog();
    // What the runtime takes for the system colour picker: comdlg32's
    // instance and the picker's controls.
    SetWindowLongPtrW(dialog, GWLP_HINSTANCE, reinterpret_cast<LONG_PTR>(LoadLibraryW(L"comdlg32.dll")));
    for (int id : {702, 703, 704, 705, 706, 707, 708, 709, 710, 723, 724, 725, 726, 727, 728})
        CreateWindowExW(0, L"Static", L"", WS_CHILD, 0, 0, 1, 1, dialog, reinterpret_cast<HMENU>(INT_PTR(id)),
                        GetModuleHandleW(nullptr), nullptr);
    ASSERT_TRUE(IsChooseColorDialog(dialog));
    g_dialogProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(dialog, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&PositionFlagsProc)));
    auto* object = Attach<CTWDialog>(dialog, hexmoor::rt::ctype::kDialog);
    SendMessageW(dialog, WM_INITDIALOG, 0, 0);
    ASSERT_TRUE(object->IsColorDialog());

    RECT window, client;
    GetWindowRect(dialog, &window);
    GetClientRect(dialog, &client);
    const int expected = 2 * (window.right - window.left) - client.right;
    g_lastPositionFlags = 0;
    SendMessageW(dialog, WM_SIZE, SIZE_RESTORED, MAKELPARAM(client.right, client.bottom));
    GetWindowRect(dialog, &window);
    EXPECT_EQ(window.right - window.left, expected);
    EXPECT_TRUE(g_lastPositionFlags & SWP_NOCOPYBITS) << "flags " << std::hex << g_lastPositionFlags;
    SendMessageW(dialog, WM_SIZE, SIZE_RESTORED, MAKELPARAM(client.right, client.bottom));
    GetWindowRect(dialog, &window);
    EXPECT_EQ(window.right - window.left, expected) << "only once";
    DestroyWindow(dialog);
}
