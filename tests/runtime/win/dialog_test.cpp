// A skinned dialog draws its client background from the skin; with
// skinning switched off the system look and the styles come back exactly.
#include "runtime/logic/control_types.h"
#include "tests/harness/capture.h"
#include "tests/harness/standard_dialog.h"
#include "tests/harness/runtime_fixture.h"

using namespace hexmoor::test;

class DialogTest : public RuntimeTest {};

namespace {
constexpr COLORREF kBackground = RGB(23, 181, 97);

PixelRect ToPixelRect(const RECT& r) { return {r.left, r.top, r.right, r.bottom}; }

void Repaint(HWND hwnd) {
    Pump();
    RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    Pump();
}

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
