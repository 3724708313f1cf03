// The image dialog and image button subclassers: states follow the mouse,
// and detaching gives the window its own procedure back.
#include <gtest/gtest.h>
#include <commctrl.h>

#include "runtime/image_button.h"
#include "runtime/image_dialog.h"
#include "tests/runtime/win/recorder.h"
#include "tests/harness/test_window.h"

using namespace hexmoor::test;

TEST(ImageButton, StatesFollowTheMouseAndDetachRestores) {
    HWND parent = CreateRecorder();
    HWND button = CreateWindowExW(0, L"Button", L"", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 5, 5, 40, 20, parent,
                                  nullptr, GetModuleHandleW(nullptr), nullptr);
    const LONG_PTR proc = GetWindowLongPtrW(button, GWLP_WNDPROC);
    {
        ImageButton image;
        ASSERT_TRUE(image.Attach(button));
        EXPECT_EQ(GetPropW(button, L"ImgBtn"), &image);
        EXPECT_FALSE(image.SetBitmaps(0, 0, 0, 0, 0, FALSE)) << "a first bitmap is required";
        SendMessageW(button, WM_MOUSEMOVE, 0, MAKELPARAM(3, 3));
        EXPECT_EQ(image.GetState(), ImageButton::kHot);
        SendMessageW(button, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
        EXPECT_EQ(image.GetState(), ImageButton::kPressed);
        SendMessageW(button, WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
        EXPECT_EQ(image.GetState(), ImageButton::kNormal);
        SendMessageW(button, WM_MOUSELEAVE, 0, 0);
        EXPECT_EQ(image.GetState(), ImageButton::kNormal);
    }
    EXPECT_EQ(GetWindowLongPtrW(button, GWLP_WNDPROC), proc);
    EXPECT_EQ(GetPropW(button, L"ImgBtn"), nullptr);
    DestroyWindow(parent);
    PumpMessages();
}

TEST(ImageButton, AFailedAttachLeavesNoTraceAndCanBeRetried) {
    // Another process's window cannot be subclassed from here.
    HWND foreign = GetDesktopWindow();
    ImageButton image;
    ASSERT_EQ(GetPropW(foreign, L"ImgBtn"), nullptr);
    EXPECT_FALSE(image.Attach(foreign));
    EXPECT_EQ(GetPropW(foreign, L"ImgBtn"), nullptr);

    HWND parent = CreateRecorder();
    HWND button = CreateWindowExW(0, L"Button", L"", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 5, 5, 40, 20, parent,
                                  nullptr, GetModuleHandleW(nullptr), nullptr);
    EXPECT_TRUE(image.Attach(button)) << "the failed attach must not hold the object";
    image.Detach();
    DestroyWindow(parent);
    PumpMessages();
}

TEST(ImageDialog, ControlColoursAreTransparentAndDetachRestores) {
    HWND hwnd = CreateRecorder();
    const LONG_PTR proc = GetWindowLongPtrW(hwnd, GWLP_WNDPROC);
    {
        ImageDialog image;
        ASSERT_TRUE(image.Attach(hwnd));
        EXPECT_EQ(GetPropW(hwnd, L"ImgDlg"), &image);
        HDC dc = GetDC(hwnd);
        EXPECT_EQ(SendMessageW(hwnd, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), 0),
                  reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH)));
        EXPECT_EQ(GetBkMode(dc), TRANSPARENT);
        ReleaseDC(hwnd, dc);
        Recorded()[hwnd].clear();
        SendMessageW(hwnd, WM_USER + 9, 0, 0);
        EXPECT_TRUE(Saw(hwnd, WM_USER + 9)) << "other messages reach the dialog's own procedure";
    }
    EXPECT_EQ(GetWindowLongPtrW(hwnd, GWLP_WNDPROC), proc);
    DestroyWindow(hwnd);
    PumpMessages();
}

TEST(ImageButton, AMessageForAWindowWhosePropertyNamesAnotherButtonGoesToTheOldProcedure) {
    HWND owner = CreateRecorder();
    HWND other = CreateRecorder();
    ImageButton image;
    ASSERT_TRUE(image.Attach(owner));
    // The property was copied onto another window that leads into our procedure.
    SetPropW(other, L"ImgBtn", &image);
    constexpr UINT kProbe = WM_APP + 17;
    hexmoor::rt::PropSubclassProc<ImageButton>(other, kProbe, 0, 0);
    EXPECT_EQ(CountOf(other, kProbe), 1) << "the saved procedure answers, for the window it was sent to";
    hexmoor::rt::PropSubclassProc<ImageButton>(other, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
    EXPECT_EQ(image.GetState(), ImageButton::kNormal) << "the button's own state is not touched";
    RemovePropW(other, L"ImgBtn");
    image.Detach();
    DestroyWindow(other);
    DestroyWindow(owner);
    PumpMessages();
}
