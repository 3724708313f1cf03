// Skinned push buttons, check boxes, radios and push-like buttons: every
// image id of their elements in its own colour, shown for each look reached
// through real messages, and no foreign pixel on the faces afterwards.
#include <algorithm>
#include <cstdio>
#include <vector>

#include "model/twf_obj.h"
#include "runtime/logic/control_types.h"
#include "runtime/wnd/object_registry.h"
#include "runtime/twf_api.h"
#include "tests/harness/capture.h"
#include "tests/harness/runtime_fixture.h"
#include "tests/harness/settle.h"
#include "tests/harness/skin_pixels.h"

using namespace hexmoor::test;

namespace {

constexpr COLORREF kDialogBackground = RGB(23, 181, 97);

// Every image id gets its own colour, apart from the dialog's.

// The same cases run in a second program with a common-controls version 6
// manifest, under their own fixture name.
#ifndef BUTTONS_FIXTURE
#define BUTTONS_FIXTURE ButtonsTest
#endif

class BUTTONS_FIXTURE : public RuntimeTest {
protected:
    void SetUpSkin() {
        StartRuntime(true);
        Skin().SolidImage(25, 0, kDialogBackground, 6, 6);
        for (int id : {22, 24, 26, 28, 30}) Skin().SolidImage(4, WORD(id), IdColour(id));
        for (int id = 109; id <= 128; ++id)
            if (id != 111 && id != 114 && id != 117 && id != 120 && id != 123)
                Skin().SolidImage(6, WORD(id), IdColour(id), 13, 13);
        for (int id : {133, 134, 136, 137, 139, 140, 142, 143, 145, 146})
            Skin().SolidImage(7, WORD(id), IdColour(id), 13, 13);
        for (int id : {663, 664, 666, 667, 669, 670, 672, 673, 675, 676}) Skin().SolidImage(39, WORD(id), IdColour(id));
        SkinLoaded();
        EnableSkinning();
        dialog_ = CreateWindowExW(0, L"#32770", L"", WS_POPUP | WS_VISIBLE, 40, 40, 360, 260, nullptr, nullptr,
                                  GetModuleHandleW(nullptr), nullptr);
        ASSERT_TRUE(dialog_);
    }
    HWND Add(const wchar_t* text, DWORD style, int id, int y, int w = 120, int h = 26) {
        return CreateWindowExW(0, L"BUTTON", text, WS_CHILD | WS_VISIBLE | WS_TABSTOP | style, 10, y, w, h, dialog_,
                               reinterpret_cast<HMENU>(INT_PTR(id)), GetModuleHandleW(nullptr), nullptr);
    }
    void SkinAll() {
        ApplySkinToWindow(dialog_, 1);
        Repaint(dialog_);
    }
    void TearDown() override {
        if (dialog_) DestroyWindow(dialog_);
        RuntimeTest::TearDown();
    }
    HWND dialog_ = nullptr;
};

// The colour in a small rectangle of a window's client area.
::testing::AssertionResult Shows(HWND hwnd, const PixelRect& r, COLORREF expected) {
    Repaint(GetParent(hwnd));
    const PixelBuffer pixels = CaptureClient(hwnd);
    const ColourCheck check = CheckRect(pixels, r, expected & 0xFFFFFF);
    if (check.Passed()) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << check.Describe(expected & 0xFFFFFF);
}

PixelRect Corner() { return {2, 2, 5, 5}; }                         // a face pixel away from the caption
PixelRect GlyphLeft(int h) { return {3, h / 2 - 2, 9, h / 2 + 2}; } // inside the 13 x 13 glyph at the left

LPARAM Point(int x, int y) { return MAKELPARAM(x, y); }

} // namespace

TEST_F(BUTTONS_FIXTURE, PushButtonLooksAndTheDefaultButtonRule) {
    SetUpSkin();
    HWND ok = Add(L"OK", BS_DEFPUSHBUTTON, IDOK, 10);
    HWND other = Add(L"Other", BS_PUSHBUTTON, 1001, 50);
    HWND check = Add(L"Check", BS_AUTOCHECKBOX, 1002, 90);
    SendMessageW(dialog_, DM_SETDEFID, IDOK, 0);
    SkinAll();
    ASSERT_EQ(GetSkinnedWindowType(ok), hexmoor::rt::ctype::kButton);
    ASSERT_EQ(GetSkinnedWindowType(check), hexmoor::rt::ctype::kCheckBox);

    SetFocus(check);
    EXPECT_TRUE(Shows(ok, Corner(), IdColour(30))) << "default button while no push button has the focus";
    EXPECT_TRUE(Shows(other, Corner(), IdColour(22))) << "normal";
    SetFocus(other);
    EXPECT_TRUE(Shows(other, Corner(), IdColour(30))) << "focused";
    EXPECT_TRUE(Shows(ok, Corner(), IdColour(22))) << "default button while another push button has the focus";
    SetFocus(check);
    SendMessageW(other, WM_MOUSEMOVE, 0, Point(20, 10));
    EXPECT_TRUE(Shows(other, Corner(), IdColour(26))) << "hot";
    SendMessageW(other, WM_LBUTTONDOWN, MK_LBUTTON, Point(20, 10));
    EXPECT_TRUE(Shows(other, Corner(), IdColour(24))) << "pressed";
    SendMessageW(other, WM_MOUSEMOVE, MK_LBUTTON, Point(300, 10));
    EXPECT_TRUE(Shows(other, Corner(), IdColour(30))) << "pressed and moved off: normal look (focused)";
    SendMessageW(other, WM_LBUTTONUP, 0, Point(300, 10));
    SetFocus(check);
    EnableWindow(ok, FALSE);
    EXPECT_TRUE(Shows(ok, Corner(), IdColour(28))) << "disabled default button";
    EnableWindow(other, FALSE);
    EXPECT_TRUE(Shows(other, Corner(), IdColour(28))) << "disabled";
    EnableWindow(other, TRUE);
    SetWindowTextW(other, L"Renamed");
    EXPECT_TRUE(Shows(other, Corner(), IdColour(22))) << "after WM_SETTEXT";
}

TEST_F(BUTTONS_FIXTURE, CheckBoxGlyphsForEveryCheckStateAndLook) {
    SetUpSkin();
    HWND box = Add(L"Three", BS_AUTO3STATE, 1001, 10);
    HWND left = Add(L"", BS_AUTOCHECKBOX | BS_LEFTTEXT, 1002, 50);
    HWND push = Add(L"Push", BS_PUSHBUTTON, 1003, 90);
    SkinAll();
    const int h = 26;
    SetFocus(push);
    struct Step {
        int check;
        int normal, hot, pressed, disabled, focused;
    } steps[] = {{BST_UNCHECKED, 109, 115, 112, 118, 121},
                 {BST_CHECKED, 110, 116, 113, 119, 122},
                 {BST_INDETERMINATE, 124, 126, 125, 127, 128}};
    for (const Step& s : steps) {
        SendMessageW(box, BM_SETCHECK, s.check, 0);
        SetFocus(push);
        EXPECT_TRUE(Shows(box, GlyphLeft(h), IdColour(s.normal))) << "normal " << s.check;
        SendMessageW(box, WM_MOUSEMOVE, 0, Point(20, 10));
        EXPECT_TRUE(Shows(box, GlyphLeft(h), IdColour(s.hot))) << "hot " << s.check;
        SendMessageW(box, WM_LBUTTONDOWN, MK_LBUTTON, Point(20, 10));
        EXPECT_TRUE(Shows(box, GlyphLeft(h), IdColour(s.pressed))) << "pressed " << s.check;
        // Releasing outside leaves the check as it was.
        SendMessageW(box, WM_LBUTTONUP, 0, Point(500, 10));
        SendMessageW(box, WM_MOUSELEAVE, 0, 0);
        SendMessageW(box, BM_SETCHECK, s.check, 0);
        SetFocus(box);
        EXPECT_TRUE(Shows(box, GlyphLeft(h), IdColour(s.focused))) << "focused " << s.check;
        SetFocus(push);
        EnableWindow(box, FALSE);
        EXPECT_TRUE(Shows(box, GlyphLeft(h), IdColour(s.disabled))) << "disabled " << s.check;
        EnableWindow(box, TRUE);
    }
    // BS_LEFTTEXT puts the glyph at the right edge.
    EXPECT_TRUE(Shows(left, {120 - 9, h / 2 - 2, 120 - 3, h / 2 + 2}, IdColour(109)));
    EXPECT_TRUE(Shows(left, GlyphLeft(h), kDialogBackground)) << "text side shows the dialog";
}

TEST_F(BUTTONS_FIXTURE, MissingIndeterminateImageFallsBackAndNoGlyphImagesLeaveTheDialog) {
    SetUpSkin();
    CTwfObj* element = Skin().Element(6);
    element->RemoveImage(124);
    HWND box = Add(L"Three", BS_AUTO3STATE, 1001, 10);
    HWND push = Add(L"Push", BS_PUSHBUTTON, 1003, 90);
    SkinAll();
    SetFocus(push);
    SendMessageW(box, BM_SETCHECK, BST_INDETERMINATE, 0);
    EXPECT_TRUE(Shows(box, GlyphLeft(26), IdColour(119)));
    for (int id = 109; id <= 128; ++id) element->RemoveImage(WORD(id));
    SetWindowTextW(box, L""); // no caption over the glyph column
    EXPECT_TRUE(Shows(box, GlyphLeft(26), kDialogBackground));
}

TEST_F(BUTTONS_FIXTURE, RadioGlyphs) {
    SetUpSkin();
    HWND a = Add(L"A", BS_AUTORADIOBUTTON | WS_GROUP, 1001, 10);
    HWND b = Add(L"B", BS_AUTORADIOBUTTON, 1002, 50);
    HWND push = Add(L"Push", BS_PUSHBUTTON, 1003, 90);
    SkinAll();
    ASSERT_EQ(GetSkinnedWindowType(a), hexmoor::rt::ctype::kRadio);
    SetFocus(push);
    EXPECT_TRUE(Shows(a, GlyphLeft(26), IdColour(133)));
    SendMessageW(a, BM_SETCHECK, BST_CHECKED, 0);
    EXPECT_TRUE(Shows(a, GlyphLeft(26), IdColour(134)));
    SendMessageW(b, WM_MOUSEMOVE, 0, Point(10, 10));
    EXPECT_TRUE(Shows(b, GlyphLeft(26), IdColour(139)));
    SendMessageW(b, WM_LBUTTONDOWN, MK_LBUTTON, Point(10, 10));
    EXPECT_TRUE(Shows(b, GlyphLeft(26), IdColour(136)));
    SendMessageW(b, WM_LBUTTONUP, 0, Point(10, 10));
    SendMessageW(b, WM_MOUSELEAVE, 0, 0);
    EXPECT_TRUE(Shows(b, GlyphLeft(26), IdColour(b == GetFocus() ? 146 : 134))) << "clicked: checked";
    EXPECT_TRUE(Shows(a, GlyphLeft(26), IdColour(133))) << "its sibling is unchecked";
    SetFocus(push);
    EnableWindow(a, FALSE);
    EXPECT_TRUE(Shows(a, GlyphLeft(26), IdColour(142)));
    SetFocus(b);
    EXPECT_TRUE(Shows(b, GlyphLeft(26), IdColour(146)));
}

TEST_F(BUTTONS_FIXTURE, PushLikeButtonUnderBothCheckStates) {
    SetUpSkin();
    HWND like = Add(L"Like", BS_AUTOCHECKBOX | BS_PUSHLIKE, 1001, 10);
    HWND push = Add(L"Push", BS_PUSHBUTTON, 1003, 90);
    SkinAll();
    ASSERT_EQ(GetSkinnedWindowType(like), hexmoor::rt::ctype::kCheckButton);
    SetFocus(push);
    struct Step {
        int check;
        int normal, hot, pressed, disabled, focused;
    } steps[] = {{BST_UNCHECKED, 663, 669, 666, 672, 675}, {BST_CHECKED, 664, 670, 667, 673, 676}};
    for (const Step& s : steps) {
        SendMessageW(like, BM_SETCHECK, s.check, 0);
        SetFocus(push);
        EXPECT_TRUE(Shows(like, Corner(), IdColour(s.normal))) << s.check;
        SendMessageW(like, WM_MOUSEMOVE, 0, Point(20, 10));
        EXPECT_TRUE(Shows(like, Corner(), IdColour(s.hot))) << s.check;
        SendMessageW(like, WM_LBUTTONDOWN, MK_LBUTTON, Point(20, 10));
        EXPECT_TRUE(Shows(like, Corner(), IdColour(s.pressed))) << s.check;
        SendMessageW(like, WM_LBUTTONUP, 0, Point(500, 10));
        SendMessageW(like, WM_MOUSELEAVE, 0, 0);
        SendMessageW(like, BM_SETCHECK, s.check, 0);
        SetFocus(like);
        EXPECT_TRUE(Shows(like, Corner(), IdColour(s.focused))) << s.check;
        SendMessageW(like, WM_KEYDOWN, VK_SPACE, 0);
        SendMessageW(like, WM_KEYUP, VK_SPACE, 0);
        SendMessageW(like, BM_SETCHECK, s.check, 0);
        EXPECT_TRUE(Shows(like, Corner(), IdColour(s.focused))) << "after keys " << s.check;
        SetFocus(push);
        EnableWindow(like, FALSE);
        EXPECT_TRUE(Shows(like, Corner(), IdColour(s.disabled))) << s.check;
        EnableWindow(like, TRUE);
    }
}

// Under the host framework whose option buttons leave their siblings to the
// runtime, checking a push-like button unchecks its skinned push-like
// siblings only: radios keep their check. "Button" radios follow the plain
// Win32 rule there (the check is wParam), and the system's own check states
// are never touched.
TEST_F(BUTTONS_FIXTURE, SetCheckUnderTheSiblingHostLeavesOtherKindsAlone) {
    ASSERT_EQ(SetHostFramework(hexmoor::rt::host::kVisualBasic6), 0);
    SetUpSkin();
    HWND a = Add(L"A", BS_RADIOBUTTON | WS_GROUP, 1001, 10);
    HWND b = Add(L"B", BS_RADIOBUTTON, 1002, 40);
    HWND c = Add(L"C", BS_RADIOBUTTON | BS_PUSHLIKE, 1003, 70);
    HWND d = Add(L"D", BS_RADIOBUTTON | BS_PUSHLIKE, 1004, 100);
    HWND push = Add(L"Push", BS_PUSHBUTTON, 1005, 130);
    SkinAll();
    ASSERT_EQ(GetSkinnedWindowType(a), hexmoor::rt::ctype::kRadio);
    ASSERT_EQ(GetSkinnedWindowType(c), hexmoor::rt::ctype::kCheckButton);
    SetFocus(push);
    // Radio glyphs 133/134 (unchecked/checked); push-like faces 663/664.
    struct Step {
        HWND target;
        int check;
        int a, b, c, d;
    } steps[] = {
        {b, BST_CHECKED, 133, 134, 663, 663},   {a, BST_CHECKED, 134, 134, 663, 663}, // BS_RADIOBUTTON: b stays checked
        {d, BST_CHECKED, 134, 134, 663, 664}, // a push-like check leaves the radios alone
        {c, BST_CHECKED, 134, 134, 664, 664}, // push-like faces follow the system's own check
        {a, BST_UNCHECKED, 133, 134, 664, 664},
    };
    int index = 0;
    for (const Step& s : steps) {
        SendMessageW(s.target, BM_SETCHECK, s.check, 0);
        EXPECT_TRUE(Shows(a, GlyphLeft(26), IdColour(s.a))) << "step " << index << " radio A";
        EXPECT_TRUE(Shows(b, GlyphLeft(26), IdColour(s.b))) << "step " << index << " radio B";
        EXPECT_TRUE(Shows(c, Corner(), IdColour(s.c))) << "step " << index << " push-like C";
        EXPECT_TRUE(Shows(d, Corner(), IdColour(s.d))) << "step " << index << " push-like D";
        ++index;
    }
    SetHostFramework(hexmoor::rt::host::kWin32);
}

TEST_F(BUTTONS_FIXTURE, PrintClientLeavesTheCallersDcAsItWas) {
    SetUpSkin();
    HWND box = Add(L"Box", BS_AUTOCHECKBOX, 1001, 10);
    HWND push = Add(L"Push", BS_PUSHBUTTON, 1003, 50);
    SkinAll();
    for (HWND hwnd : {box, push}) {
        HDC screen = GetDC(nullptr);
        HDC dc = CreateCompatibleDC(screen);
        HBITMAP bitmap = CreateCompatibleBitmap(screen, 120, 26);
        HGDIOBJ old = SelectObject(dc, bitmap);
        SendMessageW(hwnd, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
        POINT origin{-1, -1};
        GetWindowOrgEx(dc, &origin);
        EXPECT_EQ(origin.x, 0);
        EXPECT_EQ(origin.y, 0);
        RECT clip{};
        EXPECT_NE(GetClipBox(dc, &clip), NULLREGION);
        const COLORREF expected = hwnd == push ? IdColour(22) : kDialogBackground;
        EXPECT_EQ(GetPixel(dc, 3, 3) & 0xFFFFFF, expected & 0xFFFFFF) << "the skinned face landed on target";
        SelectObject(dc, old);
        DeleteObject(bitmap);
        DeleteDC(dc);
        ReleaseDC(nullptr, screen);
    }
}

TEST_F(BUTTONS_FIXTURE, NegativeContentOffsetsMoveTheCaptionALittle) {
    SetUpSkin();
    // -2, -2 stored the editor's way (0xFFFE halves) for the pressed state.
    Skin().Element(4)->SetNumber(35, 0xFFFEFFFE);
    HWND push = Add(L"", BS_PUSHBUTTON | BS_BITMAP, 1003, 50, 120, 40);
    HBITMAP picture = MakeSolidBitmap(16, 16, RGB(250, 5, 5));
    SendMessageW(push, BM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(picture));
    SkinAll();
    SetFocus(push);
    SendMessageW(push, WM_LBUTTONDOWN, MK_LBUTTON, Point(20, 10));
    Repaint(dialog_);
    const PixelBuffer pixels = CaptureClient(push);
    // Centred in the content box (edges 2 and 1), then moved by -2, -2.
    const int x = 2 + (116 - 16) / 2 - 2, y = 1 + (38 - 16) / 2 - 2;
    EXPECT_TRUE(CheckRect(pixels, {x, y, x + 16, y + 16}, RGB(250, 5, 5)).Passed());
    SendMessageW(push, WM_LBUTTONUP, 0, Point(20, 10));
    DeleteObject(picture);
}

TEST_F(BUTTONS_FIXTURE, NoForeignPixelsOnTheFacesAfterFocusKeysClicksChecksEnablingAndText) {
    SetUpSkin();
    HWND push = Add(L"Push", BS_PUSHBUTTON, 1001, 10);
    HWND box = Add(L"Box", BS_AUTOCHECKBOX, 1002, 50);
    HWND radio = Add(L"Radio", BS_AUTORADIOBUTTON, 1003, 90);
    HWND like = Add(L"Like", BS_AUTOCHECKBOX | BS_PUSHLIKE, 1004, 130);
    SkinAll();
    std::vector<COLORREF> allowed{kDialogBackground};
    for (int id = 0; id < 900; ++id) allowed.push_back(IdColour(id));
    // Strips along the top and bottom edges: never under the caption.
    auto foreign = [&](const char* after) {
        Repaint(dialog_);
        for (HWND hwnd : {push, box, radio, like}) {
            const PixelBuffer pixels = CaptureClient(hwnd);
            long count = 0;
            for (int y : {0, 1, 2, pixels.Height() - 3, pixels.Height() - 2, pixels.Height() - 1})
                for (int x = 0; x < pixels.Width(); ++x)
                    if (std::find(allowed.begin(), allowed.end(), COLORREF(pixels.At(x, y) & 0xFFFFFF)) ==
                        allowed.end())
                        ++count;
            EXPECT_EQ(count, 0) << after << ", control " << GetDlgCtrlID(hwnd);
        }
    };
    foreign("skinned");
    for (HWND hwnd : {push, box, radio, like}) SetFocus(hwnd);
    foreign("focus");
    for (HWND hwnd : {push, box, radio, like}) {
        SetFocus(hwnd);
        SendMessageW(hwnd, WM_KEYDOWN, VK_SPACE, 0);
        SendMessageW(hwnd, WM_KEYUP, VK_SPACE, 0);
    }
    foreign("keys");
    for (HWND hwnd : {push, box, radio, like}) {
        SendMessageW(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, Point(10, 8));
        SendMessageW(hwnd, WM_LBUTTONUP, 0, Point(10, 8));
    }
    foreign("clicks");
    for (HWND hwnd : {box, radio, like}) SendMessageW(hwnd, BM_SETCHECK, BST_CHECKED, 0);
    foreign("BM_SETCHECK");
    for (HWND hwnd : {push, box, radio, like}) EnableWindow(hwnd, FALSE);
    foreign("disabled");
    for (HWND hwnd : {push, box, radio, like}) EnableWindow(hwnd, TRUE);
    foreign("enabled again");
    for (HWND hwnd : {push, box, radio, like}) SetWindowTextW(hwnd, L"New text");
    foreign("WM_SETTEXT");
}

TEST_F(BUTTONS_FIXTURE, APressStopsARunningFadeAndShowsThePressedFaceAtOnce) {
    SetUpSkin();
    HWND push = Add(L"Push", BS_PUSHBUTTON, 1001, 10);
    HWND other = Add(L"Other", BS_AUTOCHECKBOX, 1002, 50);
    SkinAll();
    ASSERT_EQ(SetButtonEffect(push, 1, 50, 20), 0); // a slow fade: 50 steps 20 ms apart
    SetFocus(other);
    SendMessageW(push, WM_MOUSEMOVE, 0, Point(20, 10));
    Sleep(120);
    PumpMessages();
    CTWWnd* object = GetSkinnedWindowObject(push);
    ASSERT_TRUE(object && object->GetFade());
    EXPECT_TRUE(object->GetFade()->Running()) << "the fade toward the hot face runs";
    SendMessageW(push, WM_LBUTTONDOWN, MK_LBUTTON, Point(20, 10));
    // Read straight after the press, before any fade step is handled.
    const ColourCheck check = CheckRect(CaptureClient(push), Corner(), IdColour(24));
    EXPECT_TRUE(check.Passed()) << check.Describe(IdColour(24));
    SendMessageW(push, WM_LBUTTONUP, 0, Point(500, 10));
    Sleep(150);
    PumpMessages();
}

TEST_F(BUTTONS_FIXTURE, OwnerDrawButtonGetsASkinnedFace) {
    SetUpSkin();
    HWND owner = Add(L"Owner", BS_OWNERDRAW, 1001, 10);
    HWND other = Add(L"Other", BS_AUTOCHECKBOX, 1002, 50);
    SkinAll();
    SetFocus(other);
    EXPECT_TRUE(Shows(owner, Corner(), IdColour(22)));
}
