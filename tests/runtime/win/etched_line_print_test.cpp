// A skinned etched line printed through WM_PRINTCLIENT lands where the
// screen shows it: on the static's border, not one border width in. The
// caller's DC starts at the client area (its window origin moved there, as a
// caller printing a window's parts into one picture does).
#include <windows.h>

#include "base/win/gdi.h"
#include "model/elements/group_box_properties.h"
#include "model/twf_obj.h"
#include "runtime/logic/control_types.h"
#include "tests/harness/capture.h"
#include "tests/harness/foreign_pixels.h"
#include "tests/harness/runtime_fixture.h"
#include "tests/harness/settle.h"
#include "tests/harness/skin_pixels.h"
#include "tests/harness/test_window.h"

using namespace hexmoor::test;
using namespace hexmoor::rt;

namespace {
constexpr COLORREF kLight = RGB(240, 200, 10), kDark = RGB(20, 40, 160);
} // namespace

class EtchedLinePrintTest : public RuntimeTest {};

TEST_F(EtchedLinePrintTest, APrintedLineLandsWhereTheScreenShowsIt) {
    StartRuntime(true);
    Skin().SolidImage(ctype::kDialog, 0, RGB(23, 181, 97), 6, 6);
    CTwfObj* group = Skin().Element(ctype::kGroupBox);
    group->SetColor(group_box_props::kLightLineNormal, kLight);
    group->SetColor(group_box_props::kDarkLineNormal, kDark);
    SkinLoaded();
    EnableSkinning();
    HWND dialog = CreateWindowExW(0, L"#32770", L"", WS_POPUP | WS_VISIBLE, 40, 40, 300, 200, nullptr, nullptr,
                                  GetModuleHandleW(nullptr), nullptr);
    const HWND lines[] = {CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE | SS_ETCHEDHORZ, 10, 10, 100, 60,
                                          dialog, nullptr, GetModuleHandleW(nullptr), nullptr),
                          CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE | SS_ETCHEDVERT, 150, 10, 60, 100,
                                          dialog, nullptr, GetModuleHandleW(nullptr), nullptr)};
    ApplySkinToWindow(dialog, 1);
    RedrawWindow(dialog, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    Settle();
    for (HWND line : lines) {
        SCOPED_TRACE(line == lines[0] ? "horizontal" : "vertical");
        ASSERT_EQ(GetSkinnedWindowType(line), ctype::kStaticIcon);
        const PixelBuffer shown = CaptureWindow(line);

        // Printed into a white picture of the window, the DC's origin on the
        // client area's top-left.
        hexmoor::win::WindowDC screen(nullptr);
        hexmoor::win::MemoryDC memory(screen.Get());
        hexmoor::win::Bitmap bitmap(CreateCompatibleBitmap(screen.Get(), shown.Width(), shown.Height()));
        hexmoor::win::SelectGuard select(memory.Get(), bitmap.Get());
        PatBlt(memory.Get(), 0, 0, shown.Width(), shown.Height(), WHITENESS);
        RECT wr;
        GetWindowRect(line, &wr);
        POINT client{0, 0};
        ClientToScreen(line, &client);
        ASSERT_GT(client.x - wr.left, 0) << "the line lies on a border";
        {
            hexmoor::win::SavedDC saved(memory.Get());
            SetWindowOrgEx(memory.Get(), wr.left - client.x, wr.top - client.y, nullptr);
            SendMessageW(line, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(memory.Get()), PRF_CLIENT);
        }
        const PixelBuffer printed = CaptureDC(memory.Get(), 0, 0, shown.Width(), shown.Height());
        // Every pixel of the line on the screen has its colour in the print.
        long lineColoured = 0, different = 0;
        for (int y = 0; y < shown.Height(); ++y)
            for (int x = 0; x < shown.Width(); ++x) {
                const Colour on = shown.At(x, y);
                if (on != kLight && on != kDark) continue;
                ++lineColoured;
                if (printed.At(x, y) != on) ++different;
            }
        EXPECT_GT(lineColoured, 40);
        EXPECT_EQ(different, 0);
    }
    DestroyWindow(dialog);
}
