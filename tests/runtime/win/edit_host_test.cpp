// Edits inside the controls that host them: a numeric up-down (type 37)
// takes its edit the way a combo does (no border of the edit's own, a
// one-pixel ring), and a simple combo frames its edit with the edit element
// of its own scheme.
#include <windows.h>

#include "model/elements/edit_properties.h"
#include "model/twf_obj.h"
#include "runtime/controls/edit.h"
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

constexpr int kBorder = 3;

class EditHostTest : public RuntimeTest {
protected:
    void SetUp() override {
        StartRuntime(true);
        Skin().SolidImage(ctype::kDialog, 0, RGB(23, 181, 97), 6, 6);
        Skin().NinePartImage(ctype::kEdit, 10, 12, 12, {kBorder, kBorder, kBorder, kBorder, 0, 0},
                             kDistinctNineColours);
        CTwfObj* edit = Skin().Element(ctype::kEdit);
        for (WORD id :
             {edit_props::kLeftBorder, edit_props::kTopBorder, edit_props::kRightBorder, edit_props::kBottomBorder})
            edit->SetNumber(id, kBorder);
        Skin().Element(ctype::kComboBox);
        SkinLoaded();
        EnableSkinning();
        dialog_ = CreateWindowExW(0, L"#32770", L"", WS_POPUP | WS_VISIBLE, 40, 40, 420, 320, nullptr, nullptr,
                                  GetModuleHandleW(nullptr), nullptr);
        SkinWindowAsType(dialog_, ctype::kDialog);
    }
    // Switches the dialog and the objects handed over inside it on.
    void SkinAll() {
        ApplySkinToWindow(dialog_, 1);
        RedrawWindow(dialog_, nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
        Settle();
    }
    void TearDown() override {
        DestroyWindow(dialog_);
        RuntimeTest::TearDown();
    }
    HWND Child(const wchar_t* cls, DWORD style, DWORD ex, HWND parent, int x, int y, int w, int h) {
        return CreateWindowExW(ex, cls, L"", WS_CHILD | WS_VISIBLE | style, x, y, w, h, parent, nullptr,
                               GetModuleHandleW(nullptr), nullptr);
    }
    HWND dialog_ = nullptr;
};

// How far the client area lies inside the window on the left.
int ClientInset(HWND hwnd) {
    RECT wr;
    GetWindowRect(hwnd, &wr);
    POINT origin{0, 0};
    ClientToScreen(hwnd, &origin);
    return origin.x - wr.left;
}

} // namespace

TEST_F(EditHostTest, AnEditTakesItsBorderFromTheControlThatHostsIt) {
    const struct {
        const char* what;
        int hostType; // the skinned type of the edit's parent
        int inset;    // the edit's client inset
        bool hosted;
    } cases[] = {
        {"a plain skinned parent: the edit's own border numbers", ctype::kWindow, kBorder, false},
        {"a numeric up-down: a one-pixel ring", ctype::kNumericUpDown, 1, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        HWND host = Child(L"Static", 0, 0, dialog_, 10, 10, 160, 40);
        ASSERT_NE(Attach<CTWWnd>(host, WORD(c.hostType)), nullptr);
        ASSERT_EQ(GetSkinnedWindowType(host), c.hostType);
        HWND edit = Child(L"EDIT", 0, WS_EX_CLIENTEDGE, host, 4, 4, 120, 26);
        SkinWindowAsType(edit, ctype::kEdit);
        SkinAll();
        auto* object = dynamic_cast<CTWEdit*>(GetSkinnedWindowObject(edit));
        ASSERT_NE(object, nullptr);
        EXPECT_EQ(object->GetHostWindow() == host, c.hosted);
        EXPECT_EQ(ClientInset(edit), c.inset);
        DestroyWindow(host);
        Settle();
    }
}

TEST_F(EditHostTest, ASimpleComboFramesItsEditWithItsOwnSchemesEditElement) {
    // The scheme "Blue" has an edit element of its own, in other colours.
    const NineColours blue{RGB(1, 1, 150), RGB(2, 2, 150), RGB(3, 3, 150), RGB(4, 4, 150), RGB(5, 5, 150),
                           RGB(6, 6, 150), RGB(7, 7, 150), RGB(8, 8, 150), RGB(9, 9, 150)};
    CTwfObj* blueEdit = Skin().Element(ctype::kEdit, L"Blue");
    HBITMAP bitmap = MakeNinePartBitmap(12, 12, {kBorder, kBorder, kBorder, kBorder, 0, 0}, blue);
    blueEdit->SetImageFromSource(10, bitmap, kBorder, kBorder, kBorder, kBorder, 0, 0);
    DeleteObject(bitmap);
    Skin().Element(ctype::kComboBox, L"Blue");
    HWND combo = Child(L"COMBOBOX", CBS_SIMPLE | WS_VSCROLL, 0, dialog_, 200, 10, 140, 120);
    HWND edit = FindWindowExW(combo, nullptr, L"Edit", nullptr);
    ASSERT_TRUE(edit);
    SkinWindowAsType(combo, ctype::kComboBox);
    SkinWindowAsType(edit, ctype::kEdit);
    SkinAll();
    ASSERT_EQ(SetWindowCustomScheme(combo, L"Blue", FALSE), 0);
    RedrawWindow(combo, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    Settle();
    RECT inner, outer;
    GetWindowRect(edit, &inner);
    GetWindowRect(combo, &outer);
    OffsetRect(&inner, -outer.left, -outer.top);
    // Below the edit lies the frame's bottom part.
    EXPECT_EQ(CaptureWindow(combo).At((inner.left + inner.right) / 2, inner.bottom), blue.bottom);
}
