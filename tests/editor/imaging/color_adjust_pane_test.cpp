// The colour-adjustment pane's dialog as a real window over stand-in links.
#include "editor/imaging/color_adjust_pane.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <string>
#include <vector>

#include "model/gdiplus_init.h"
#include "model/platform/image.h"
#include "resources/color_adjust_ids.h"
#include "tests/editor/adjust_fakes.h"
#include "tests/harness/test_window.h"

namespace hexmoor::preview {
namespace {

class ColorAdjustPaneTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(gdiplus_.IsStarted());
        link_.Obj().SetColor(200, RGB(200, 40, 40));
        link_.RenewSnapshot();
        host_.links = {&link_};
        host_.current = &link_;
        ASSERT_TRUE(pane_.CreateChild(window_.Handle()));
        ::ShowWindow(pane_.Handle(), SW_SHOW);
    }
    std::wstring Text(int id) {
        wchar_t text[32] = {};
        ::GetDlgItemTextW(pane_.Handle(), id, text, 32);
        return text;
    }
    // Types text into an edit that has the focus, as the keyboard would.
    void Type(int id, const wchar_t* text) {
        HWND edit = pane_.Item(id);
        ::SetFocus(edit);
        ::SetWindowTextW(edit, text);
    }
    void Slide(int id, int position, WORD code) {
        HWND slider = pane_.Item(id);
        ::SendMessageW(slider, TBM_SETPOS, TRUE, position);
        ::SendMessageW(pane_.Handle(), WM_HSCROLL, MAKEWPARAM(code, 0), reinterpret_cast<LPARAM>(slider));
    }

    CGdiPlusInit gdiplus_;
    test::TestWindow window_{{.clientWidth = 400, .clientHeight = 300}};
    FakeLink link_{5, AdjustState::Included};
    FakeHost host_;
    ColorAdjustPane pane_{host_};
};

TEST_F(ColorAdjustPaneTest, StartsNeutral) {
    EXPECT_EQ(Text(IDC_HSL_HUE_EDIT), L"0");
    EXPECT_EQ(Text(IDC_HSL_OPACITY_EDIT), L"100");
    EXPECT_EQ(::SendMessageW(pane_.Item(IDC_HSL_OPACITY), TBM_GETPOS, 0, 0), 100);
    EXPECT_EQ(::SendMessageW(pane_.Item(IDC_HSL_HUE), TBM_GETRANGEMIN, 0, 0), -180);
}

TEST_F(ColorAdjustPaneTest, SlidersApplyOnceAtTheEndOfTheMove) {
    for (int p : {10, 30, 60}) Slide(IDC_HSL_HUE, p, TB_THUMBTRACK);
    EXPECT_EQ(Text(IDC_HSL_HUE_EDIT), L"+60");
    EXPECT_TRUE(host_.refreshed.empty());
    EXPECT_EQ(link_.Obj().GetColor(200), static_cast<COLORREF>(RGB(200, 40, 40)));
    Slide(IDC_HSL_HUE, 60, TB_THUMBPOSITION);
    EXPECT_TRUE(host_.refreshed.empty());
    Slide(IDC_HSL_HUE, 60, TB_ENDTRACK);
    EXPECT_EQ(host_.refreshed.size(), 1u);
    EXPECT_NE(link_.Obj().GetColor(200), static_cast<COLORREF>(RGB(200, 40, 40)));
}

TEST_F(ColorAdjustPaneTest, TypingAppliesEveryValue) {
    Type(IDC_HSL_HUE_EDIT, L"6");
    Type(IDC_HSL_HUE_EDIT, L"60");
    EXPECT_EQ(host_.refreshed.size(), 2u);
    EXPECT_EQ(::SendMessageW(pane_.Item(IDC_HSL_HUE), TBM_GETPOS, 0, 0), 60);
    // Out of range: clamped and rewritten with a sign.
    Type(IDC_HSL_HUE_EDIT, L"200");
    EXPECT_EQ(Text(IDC_HSL_HUE_EDIT), L"+180");
    EXPECT_EQ(pane_.Adjuster().Values().hue, 180);
    // Text the program writes is not applied.
    const std::size_t before = host_.refreshed.size();
    ::SetFocus(window_.Handle());
    ::SetDlgItemTextW(pane_.Handle(), IDC_HSL_SAT_EDIT, L"50");
    EXPECT_EQ(host_.refreshed.size(), before);
    // Characters: only digits, and "-" in signed edits.
    HWND opacity = pane_.Item(IDC_HSL_OPACITY_EDIT);
    ::SetWindowTextW(opacity, L"");
    for (wchar_t ch : {L'a', L'-', L'4', L'x', L'2'}) ::SendMessageW(opacity, WM_CHAR, ch, 0);
    EXPECT_EQ(Text(IDC_HSL_OPACITY_EDIT), L"42");
    HWND hue = pane_.Item(IDC_HSL_HUE_EDIT);
    ::SetWindowTextW(hue, L"");
    ::SendMessageW(hue, WM_CHAR, L'-', 0);
    EXPECT_EQ(Text(IDC_HSL_HUE_EDIT), L"-");
}

TEST_F(ColorAdjustPaneTest, ResetSaveAndTheClosingQuestion) {
    Type(IDC_HSL_LIGHT_EDIT, L"40");
    const COLORREF adjusted = link_.Obj().GetColor(200);
    ::SendMessageW(pane_.Item(IDC_HSL_RESET), BM_CLICK, 0, 0);
    EXPECT_EQ(link_.Obj().GetColor(200), static_cast<COLORREF>(RGB(200, 40, 40)));
    EXPECT_EQ(Text(IDC_HSL_LIGHT_EDIT), L"0");
    EXPECT_EQ(::SendMessageW(pane_.Item(IDC_HSL_LIGHT), TBM_GETPOS, 0, 0), 0);

    Type(IDC_HSL_LIGHT_EDIT, L"40");
    ::SendMessageW(pane_.Item(IDC_HSL_SAVE), BM_CLICK, 0, 0);
    ::SendMessageW(pane_.Item(IDC_HSL_RESET), BM_CLICK, 0, 0);
    EXPECT_EQ(link_.Obj().GetColor(200), adjusted); // Save, then Reset keeps it

    // Per-control mode: hiding the pane asks even with neutral values and
    // then leaves the mode.
    ::SendMessageW(pane_.Item(IDC_HSL_EDIT_CONTROL), BM_CLICK, 0, 0);
    EXPECT_TRUE(host_.treesLocked);
    pane_.ConfirmPendingChanges();
    EXPECT_EQ(host_.asked, 1);
    EXPECT_FALSE(host_.treesLocked);
    EXPECT_EQ(::IsDlgButtonChecked(pane_.Handle(), IDC_HSL_EDIT_CONTROL), BST_UNCHECKED);
    // "&Auto save" greys "&Save".
    ::SendMessageW(pane_.Item(IDC_HSL_AUTO_SAVE), BM_CLICK, 0, 0);
    EXPECT_FALSE(::IsWindowEnabled(pane_.Item(IDC_HSL_SAVE)));
}

TEST_F(ColorAdjustPaneTest, EyedropperSetsTheSpectrumHue) {
    // A window of a known colour (pure green, hue 120) beside the pane.
    test::TestWindow green({.clientWidth = 60, .clientHeight = 60, .paint = [](HDC dc, const RECT& r) {
                                HBRUSH brush = ::CreateSolidBrush(RGB(0, 255, 0));
                                ::FillRect(dc, &r, brush);
                                ::DeleteObject(brush);
                            }});
    ::SetWindowPos(green.Handle(), HWND_TOPMOST, 500, 400, 60, 60, SWP_SHOWWINDOW);
    green.PaintNow();
    RECT dropper{};
    ::GetWindowRect(pane_.Item(IDC_HSL_EYEDROPPER), &dropper);
    ::MapWindowPoints(nullptr, pane_.Handle(), reinterpret_cast<POINT*>(&dropper), 2);
    ::SendMessageW(pane_.Handle(), WM_LBUTTONDOWN, MK_LBUTTON,
                   MAKELPARAM((dropper.left + dropper.right) / 2, (dropper.top + dropper.bottom) / 2));
    EXPECT_EQ(::GetCapture(), pane_.Handle());
    POINT over{30, 30};
    ::ClientToScreen(green.Handle(), &over);
    ::SetCursorPos(over.x, over.y);
    ::SendMessageW(pane_.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(1, 1));
    EXPECT_NE(::GetCapture(), pane_.Handle());
    EXPECT_NEAR(pane_.Strip().HueOffset(), 120.0, 0.5);
    // Picking changes no value.
    EXPECT_EQ(pane_.Adjuster().Values(), HSLValues());
}

} // namespace
} // namespace hexmoor::preview
