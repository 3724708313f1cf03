// An up-down control attached to a skinned edit: the edit learns the side
// the arrows sit on, its image spans both windows, so its border stays open
// toward the arrows and closes beyond them, on the arrows' far side. Every
// part of the edit image and every arrow image has its own colour.
#include <windows.h>
#include <commctrl.h>

#include <set>

#include "model/twf_obj.h"
#include "runtime/controls/edit.h"
#include "runtime/logic/control_types.h"
#include "runtime/logic/range_layout.h"
#include "runtime/wnd/object_registry.h"
#include "tests/harness/capture.h"
#include "tests/harness/foreign_pixels.h"
#include "tests/harness/runtime_fixture.h"
#include "tests/harness/skin_pixels.h"

using namespace hexmoor::test;
namespace ctype = hexmoor::rt::ctype;
namespace range = hexmoor::rt::range;

namespace {

constexpr COLORREF kDialogBackground = RGB(23, 181, 97);
constexpr COLORREF kText = RGB(250, 10, 10);
constexpr int kBorder = 3;
const NineColours& Nine() { return kDistinctNineColours; }

// A window's rectangle in its parent's client coordinates.
RECT InParent(HWND hwnd) {
    RECT r{};
    GetWindowRect(hwnd, &r);
    MapWindowPoints(nullptr, GetParent(hwnd), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

class SpinBuddyTest : public RuntimeTest {
protected:
    void SetUp() override {
        INITCOMMONCONTROLSEX icc{sizeof icc, ICC_UPDOWN_CLASS};
        InitCommonControlsEx(&icc);
        StartRuntime(true);
        Skin().SolidImage(25, 0, kDialogBackground, 6, 6);
        Skin().NinePartImage(3, 10, 12, 12, {kBorder, kBorder, kBorder, kBorder, 0, 0}, Nine());
        CTwfObj* edit = Skin().Element(3);
        for (WORD id : {17, 18, 19, 20}) edit->SetNumber(id, kBorder);
        edit->SetColor(13, kText);
        for (int id : {277, 278, 279, 280, 282, 283, 284, 285}) Skin().SolidImage(17, WORD(id), IdColour(id));
        SkinLoaded();
        EnableSkinning();
    }
    void TearDown() override {
        if (dialog_) DestroyWindow(dialog_);
        RuntimeTest::TearDown();
    }
    // A dialog with an edit and an up-down control aligned to one of its
    // sides, skinned.
    void Build(DWORD align) {
        if (dialog_) DestroyWindow(dialog_);
        dialog_ = CreateWindowExW(0, L"#32770", L"", WS_POPUP | WS_VISIBLE, 40, 40, 300, 200, nullptr, nullptr,
                                  GetModuleHandleW(nullptr), nullptr);
        ASSERT_TRUE(dialog_);
        edit_ = CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", L"5", WS_CHILD | WS_VISIBLE | ES_NUMBER, 60, 60, 110, 26,
                                dialog_, nullptr, GetModuleHandleW(nullptr), nullptr);
        spin_ = CreateWindowExW(0, UPDOWN_CLASSW, L"", WS_CHILD | WS_VISIBLE | align | UDS_SETBUDDYINT, 0, 0, 16, 26,
                                dialog_, nullptr, GetModuleHandleW(nullptr), nullptr);
        SendMessageW(spin_, UDM_SETBUDDY, reinterpret_cast<WPARAM>(edit_), 0);
        ApplySkinToWindow(dialog_, 1);
        PumpMessages();
        RedrawWindow(dialog_, nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
        PumpMessages();
    }
    HWND dialog_ = nullptr;
    HWND edit_ = nullptr;
    HWND spin_ = nullptr;
};

} // namespace

TEST_F(SpinBuddyTest, TheEditBorderStaysOpenTowardTheArrowsAndClosesBeyondThem) {
    struct Case {
        const char* what;
        DWORD align;
        int side;
    } cases[] = {{"arrows on the right", UDS_ALIGNRIGHT, range::kSpinOnRight},
                 {"arrows on the left", UDS_ALIGNLEFT, range::kSpinOnLeft}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Build(c.align);
        ASSERT_EQ(GetSkinnedWindowType(edit_), ctype::kEdit);
        ASSERT_EQ(GetSkinnedWindowType(spin_), ctype::kSpin);
        auto* edit = static_cast<CTWEdit*>(GetSkinnedWindowObject(edit_));
        EXPECT_EQ(edit->GetSpinSide(), c.side);

        const PixelBuffer p = CaptureClient(dialog_);
        const RECT e = InParent(edit_), s = InParent(spin_);
        const bool right = c.side == range::kSpinOnRight;
        ASSERT_TRUE(right ? s.left >= e.right - 2 : s.right <= e.left + 2) << "the spin sits beside the edit";
        const int middle = (e.top + e.bottom) / 2;
        // The side away from the arrows keeps its border; the side toward
        // them shows the image's middle (two pixels in: the spin may overlap
        // the edit's outer two columns).
        const int nearX = right ? e.right - 3 : e.left + 2, farX = right ? e.left : e.right - 1;
        EXPECT_TRUE(PixelIs(p, {farX, middle}, right ? Nine().left : Nine().right)) << "closed side";
        EXPECT_TRUE(PixelIs(p, {nearX, middle}, Nine().centre)) << "open side";
        EXPECT_TRUE(PixelIs(p, {(e.left + e.right) / 2, e.top}, Nine().top)) << "top border over the edit";

        // The arrows stand inside the far side of the same border: the top
        // and bottom rows above and below the arrows carry the image's top
        // and bottom edges, the outer top corner its corner.
        const int sx = (s.left + s.right) / 2 - 2;
        EXPECT_TRUE(PixelIs(p, {sx, s.top}, Nine().top)) << "above the arrows";
        EXPECT_TRUE(PixelIs(p, {sx, s.bottom - 1}, Nine().bottom)) << "below the arrows";
        EXPECT_TRUE(PixelIs(p, {right ? s.right - 1 : s.left, s.top}, right ? Nine().topRight : Nine().topLeft))
            << "outer corner";
        if (right) {
            EXPECT_TRUE(PixelIs(p, {s.right - 1, (s.top + s.bottom) / 2}, Nine().right)) << "outer side";
        }
        EXPECT_TRUE(PixelIs(p, {sx, s.top + 4}, IdColour(277))) << "up arrow";
        EXPECT_TRUE(PixelIs(p, {sx, s.bottom - 4}, IdColour(282))) << "down arrow";
        const std::set<COLORREF> allowed{Nine().topLeft,     Nine().top,    Nine().topRight,   Nine().left,
                                         Nine().centre,      Nine().right,  Nine().bottomLeft, Nine().bottom,
                                         Nine().bottomRight, IdColour(277), IdColour(282)};
        EXPECT_EQ(Foreign(p, s, allowed), 0) << "over the spin";

        // Skinning the spin off tells the edit: its border closes again.
        auto* spinObject = GetSkinnedWindowObject(spin_);
        ASSERT_TRUE(spinObject);
        spinObject->Enable(FALSE);
        EXPECT_EQ(edit->GetSpinSide(), 0);
        RedrawWindow(edit_, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW);
        PumpMessages();
        EXPECT_TRUE(PixelIs(CaptureClient(dialog_), {nearX, middle}, right ? Nine().right : Nine().left))
            << "closed again";
    }
}
