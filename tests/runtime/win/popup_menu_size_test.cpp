// A popup menu whose skin has a border image takes the skin's border in
// place of the system's frame exactly once, also where the system sizes the
// popup inside MN_SIZEWINDOW's default handling (as Windows does; Wine never
// sends MN_SIZEWINDOW, so the popup here is a window of our own class that
// answers the menu messages the way Windows' popup does).
#include <windows.h>

#include "runtime/controls/popup_menu.h"
#include "runtime/logic/control_types.h"
#include "runtime/logic/popup_menu_look.h"
#include "tests/harness/capture.h"
#include "tests/harness/foreign_pixels.h"
#include "tests/harness/runtime_fixture.h"
#include "tests/harness/settle.h"
#include "tests/harness/skin_pixels.h"
#include "tests/harness/test_window.h"

using namespace hexmoor::test;
using namespace hexmoor::rt;

namespace {

constexpr UINT kMnGetHMenu = 0x1E1, kMnSizeWindow = 0x1E2;
// The size the system gives the popup for its own frame.
constexpr int kSystemWidth = 120, kSystemHeight = 90;
HMENU g_menu = nullptr;

LRESULT CALLBACK WindowsLikePopupProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case kMnGetHMenu: return reinterpret_cast<LRESULT>(g_menu);
    case kMnSizeWindow:
        SetWindowPos(hwnd, nullptr, 0, 0, kSystemWidth, kSystemHeight,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOOWNERZORDER);
        return 0;
    default: return DefWindowProcW(hwnd, msg, wp, lp);
    }
}

class PopupMenuSizeTest : public RuntimeTest {};

} // namespace

TEST_F(PopupMenuSizeTest, TheBorderReplacesTheSystemsFrameOnceWhenTheSystemSizesThePopup) {
    StartRuntime(true);
    Skin().SolidImage(ctype::kDialog, 0, RGB(23, 181, 97), 6, 6);
    Skin().SolidImage(ctype::kMenu, popup::id::kImageNormal, RGB(200, 200, 200));
    Skin().SolidImage(ctype::kMenu, popup::id::kBorder, RGB(90, 10, 10));
    CTwfObj* menuElement = Skin().Element(ctype::kMenu);
    const int border[4] = {6, 5, 7, 8}; // left, top, right, bottom
    menuElement->SetNumber(popup::id::kBorderLeft, border[0]);
    menuElement->SetNumber(popup::id::kBorderTop, border[1]);
    menuElement->SetNumber(popup::id::kBorderRight, border[2]);
    menuElement->SetNumber(popup::id::kBorderBottom, border[3]);
    SkinLoaded();
    EnableSkinning();

    HWND owner = CreateWindowExW(0, L"#32770", L"", WS_POPUP | WS_VISIBLE, 40, 40, 300, 200, nullptr, nullptr,
                                 GetModuleHandleW(nullptr), nullptr);
    ApplySkinToWindow(owner, 0);
    g_menu = CreatePopupMenu();
    AppendMenuW(g_menu, MF_STRING, 1, L"One");
    AppendMenuW(g_menu, MF_STRING, 2, L"Two");
    WNDCLASSW wc{};
    wc.lpfnWndProc = &WindowsLikePopupProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"HexmoorWindowsLikePopup";
    RegisterClassW(&wc);
    HWND popup = CreateWindowExW(0, wc.lpszClassName, L"", WS_POPUP | WS_BORDER, 80, 80, 10, 10, owner, nullptr,
                                 GetModuleHandleW(nullptr), nullptr);
    auto* object = Attach<CTWMenu>(popup, ctype::kMenu);
    ASSERT_NE(object, nullptr);

    SendMessageW(popup, kMnSizeWindow, 0, 0);
    ASSERT_TRUE(object->IsDrawing());
    RECT r;
    GetWindowRect(popup, &r);
    const int frameX = 2 * GetSystemMetrics(SM_CXDLGFRAME), frameY = 2 * GetSystemMetrics(SM_CYDLGFRAME);
    EXPECT_EQ(r.right - r.left, kSystemWidth - frameX + border[0] + border[2]);
    EXPECT_EQ(r.bottom - r.top, kSystemHeight - frameY + border[1] + border[3]);

    // Sized by the system again later (its items changed): corrected again, once.
    SendMessageW(popup, kMnSizeWindow, 0, 0);
    GetWindowRect(popup, &r);
    EXPECT_EQ(r.right - r.left, kSystemWidth - frameX + border[0] + border[2]);
    EXPECT_EQ(r.bottom - r.top, kSystemHeight - frameY + border[1] + border[3]);
    DestroyWindow(popup);
    DestroyWindow(owner);
    DestroyMenu(g_menu);
}
