// The layered alpha window (class "TWAlphaLayeredWindow") under Wine: the
// runtime makes its object for the class and never puts a frame on it; it
// drags from anywhere; its companion takes the image's size, follows its
// moves, lies directly above it and is cut to the controls it carries.
#include <windows.h>

#include <memory>

#include "base/win/dib.h"
#include "base/win/gdi.h"
#include "model/mrg_bitmap.h"
#include "runtime/frame/alpha_window_layered.h"
#include "runtime/frame/frame_skin_wnd.h"
#include "tests/harness/runtime_fixture.h"
#include "tests/harness/settle.h"

using namespace hexmoor::test;

namespace {

constexpr wchar_t kLayeredClass[] = L"TWAlphaLayeredWindow";
constexpr int kImageWidth = 240, kImageHeight = 160;

void RegisterLayeredClass() {
    WNDCLASSW wc{};
    if (GetClassInfoW(GetModuleHandleW(nullptr), kLayeredClass, &wc)) return;
    wc.lpfnWndProc = &DefWindowProcW;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = kLayeredClass;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    RegisterClassW(&wc);
}

HWND MakeLayered(DWORD style) {
    RegisterLayeredClass();
    return CreateWindowExW(WS_EX_LAYERED, kLayeredClass, L"layered", style, 60, 50, 200, 120, nullptr, nullptr,
                           GetModuleHandleW(nullptr), nullptr);
}

std::unique_ptr<CMrgBitmap> MakeImage(int w, int h) {
    const BITMAPINFO info = hexmoor::win::TopDown32BitInfo(w, h);
    void* bits = nullptr;
    hexmoor::win::Bitmap bitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    return std::make_unique<CMrgBitmap>(bitmap.Get(), 0, 0, 0, 0, 0, 0);
}

HWND Child(HWND parent, const wchar_t* cls, DWORD style, int x, int y, int w, int h) {
    return CreateWindowExW(0, cls, L"", WS_CHILD | WS_VISIBLE | style, x, y, w, h, parent, nullptr,
                           GetModuleHandleW(nullptr), nullptr);
}

class AlphaWindowLayeredTest : public RuntimeTest {};

} // namespace

TEST_F(AlphaWindowLayeredTest, IsMadeForItsClassDragsFromAnywhereAndGetsNoFrame) {
    StartRuntime(false, 1);
    SkinLoaded();
    const DWORD framed = WS_POPUP | WS_CAPTION | WS_THICKFRAME;
    HWND layered = MakeLayered(framed);
    ASSERT_TRUE(layered);
    CTWWnd* object = GetSkinnedWindowObject(layered);
    ASSERT_NE(dynamic_cast<CAlphaWindowLayered*>(object), nullptr);
    EXPECT_EQ(object->GetType(), 35);
    EXPECT_EQ(GetFrameSkinWnd(layered), nullptr) << "a layered alpha window draws no frame";
    // A plain window of the same style gets its frame: the layered window's
    // missing frame is its own rule, not the conditions of this test.
    TestWindowArgs args;
    args.style = framed;
    TestWindow reference(args);
    EXPECT_NE(GetFrameSkinWnd(reference.Handle()), nullptr);

    RECT wr;
    GetWindowRect(layered, &wr);
    for (POINT p : {POINT{wr.left + 2, wr.top + 2}, POINT{(wr.left + wr.right) / 2, (wr.top + wr.bottom) / 2},
                    POINT{wr.right - 2, wr.bottom - 2}})
        EXPECT_EQ(SendMessageW(layered, WM_NCHITTEST, 0, MAKELPARAM(p.x, p.y)), HTCAPTION) << p.x << "," << p.y;
    DestroyWindow(layered);
}

TEST_F(AlphaWindowLayeredTest, CompanionTakesTheImageSizeFollowsMovesAndIsCutToItsControls) {
    StartRuntime(false, 1);
    SkinLoaded();
    HWND layered = MakeLayered(WS_POPUP | WS_VISIBLE);
    auto* object = dynamic_cast<CAlphaWindowLayered*>(GetSkinnedWindowObject(layered));
    ASSERT_NE(object, nullptr);

    TestWindowArgs args;
    args.clientWidth = 100;
    args.clientHeight = 60;
    TestWindow companion(args);
    HWND c = companion.Handle();
    Child(c, L"Button", BS_PUSHBUTTON, 10, 10, 80, 24);
    Child(c, L"Static", SS_LEFT, 10, 40, 80, 20);
    Child(c, L"Button", BS_AUTOCHECKBOX, 10, 70, 80, 20);
    Child(c, L"Button", BS_GROUPBOX, 10, 100, 80, 50);
    Child(c, L"Edit", 0, 100, 10, 80, 24);
    Child(c, L"Button", BS_PUSHBUTTON, 150, 20, 60, 30); // overlaps the edit
    const auto image = MakeImage(kImageWidth, kImageHeight);
    object->SetImage(image.get());
    object->SetCompanion(c);

    // A size change of the layered window sizes and cuts the companion.
    SetWindowPos(layered, nullptr, 0, 0, 220, 150, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    Settle();
    RECT cr;
    GetWindowRect(c, &cr);
    EXPECT_EQ(cr.right - cr.left, kImageWidth);
    EXPECT_EQ(cr.bottom - cr.top, kImageHeight);
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    ASSERT_NE(GetWindowRgn(c, region), ERROR);
    struct Probe {
        const char* what;
        int x, y;
        bool inside;
    } probes[] = {
        {"push button", 50, 20, true},
        {"static", 50, 50, false},
        {"automatic check box", 50, 80, false},
        {"group box", 50, 120, false},
        {"edit", 120, 20, true},
        {"edit and button overlap", 170, 25, true},
        {"button past the edit", 200, 45, true},
        {"no child", 220, 140, false},
    };
    for (const Probe& p : probes) EXPECT_EQ(PtInRegion(region, p.x, p.y) != FALSE, p.inside) << p.what;
    DeleteObject(region);

    // Moves: the companion goes to the layered window's top-left and the
    // layered window lies directly behind it.
    SetWindowPos(layered, nullptr, 210, 170, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    Settle();
    GetWindowRect(c, &cr);
    EXPECT_EQ(cr.left, 210);
    EXPECT_EQ(cr.top, 170);
    EXPECT_EQ(GetWindow(c, GW_HWNDNEXT), layered);

    // A companion that went away is forgotten: moves and sizes go on.
    DestroyWindow(c);
    SetWindowPos(layered, nullptr, 230, 180, 180, 100, SWP_NOZORDER | SWP_NOACTIVATE);
    Settle();
    EXPECT_EQ(object->GetCompanion(), nullptr);
    DestroyWindow(layered);
}
