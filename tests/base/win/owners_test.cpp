// The Win32 owners of base/win, against GDI itself: objects deleted once,
// selections and saved states put back into the DC they were made in, moved
// owners empty, and the theme binding counted.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include "base/win/dib.h"
#include "base/win/gdi.h"
#include "base/win/handles.h"
#include "base/win/rect.h"
#include "base/win/uxtheme.h"

namespace win = hexmoor::win;

namespace {

HBITMAP MakeBitmap() {
    const win::WindowDC screen(nullptr);
    return CreateCompatibleBitmap(screen.Get(), 4, 4);
}

HWND MakeWindow() {
    return CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 40, 30, nullptr, nullptr, nullptr, nullptr);
}

} // namespace

TEST(GdiObject, DeletesOnceAndMoveLeavesTheSourceEmpty) {
    HBITMAP raw = MakeBitmap();
    ASSERT_EQ(GetObjectType(raw), static_cast<DWORD>(OBJ_BITMAP));
    {
        win::Bitmap a(raw);
        win::Bitmap b(std::move(a));
        EXPECT_FALSE(a);
        EXPECT_EQ(a.Get(), nullptr);
        win::Bitmap c;
        c = std::move(b);
        EXPECT_FALSE(b);
        EXPECT_EQ(c.Get(), raw);
        EXPECT_EQ(GetObjectType(raw), static_cast<DWORD>(OBJ_BITMAP)) << "moving deletes nothing";
    }
    EXPECT_EQ(GetObjectType(raw), 0u) << "deleted when the last owner went";

    win::Brush brush(CreateSolidBrush(RGB(1, 2, 3)));
    HBRUSH kept = brush.Release();
    EXPECT_FALSE(brush);
    EXPECT_EQ(GetObjectType(kept), static_cast<DWORD>(OBJ_BRUSH)) << "a released object is the caller's";
    DeleteObject(kept);
}

TEST(SelectGuard, RestoresIntoTheDcItWasSelectedIn) {
    win::MemoryDC first(nullptr), second(nullptr);
    ASSERT_TRUE(first && second);
    const HGDIOBJ original = GetCurrentObject(first.Get(), OBJ_BITMAP);
    const win::Bitmap bitmap(MakeBitmap());
    {
        win::SelectGuard guard(first.Get(), bitmap.Get());
        EXPECT_EQ(GetCurrentObject(first.Get(), OBJ_BITMAP), bitmap.Get());
        win::SelectGuard moved(std::move(guard));
        guard.Restore(); // the moved-from guard puts nothing back
        EXPECT_EQ(GetCurrentObject(first.Get(), OBJ_BITMAP), bitmap.Get());
    }
    EXPECT_EQ(GetCurrentObject(first.Get(), OBJ_BITMAP), original);
    // Free again: a bitmap can be selected into one DC at a time.
    const win::SelectGuard again(second.Get(), bitmap.Get());
    EXPECT_EQ(GetCurrentObject(second.Get(), OBJ_BITMAP), bitmap.Get());
}

TEST(SavedDC, RestoresTheStateOnceAndMoveLeavesTheSourceEmpty) {
    win::MemoryDC dc(nullptr);
    SetTextColor(dc.Get(), RGB(1, 1, 1));
    {
        win::SavedDC saved(dc.Get());
        SetTextColor(dc.Get(), RGB(9, 9, 9));
        win::SavedDC moved(std::move(saved));
        saved.Restore();
        EXPECT_EQ(GetTextColor(dc.Get()), RGB(9, 9, 9)) << "the moved-from owner restores nothing";
    }
    EXPECT_EQ(GetTextColor(dc.Get()), RGB(1, 1, 1));
}

TEST(DcOwners, MemoryWindowAndPaintDcsAreReleasedOnceAndMovable) {
    win::MemoryDC memory(nullptr);
    const HDC raw = memory.Get();
    win::MemoryDC other(std::move(memory));
    EXPECT_FALSE(memory);
    EXPECT_EQ(GetObjectType(raw), static_cast<DWORD>(OBJ_MEMDC));
    other.Reset();
    EXPECT_EQ(GetObjectType(raw), 0u);

    const HWND hwnd = MakeWindow();
    ASSERT_NE(hwnd, nullptr);
    {
        win::WindowDC dc(hwnd);
        ASSERT_TRUE(dc);
        win::WindowDC moved(std::move(dc));
        EXPECT_FALSE(dc);
        EXPECT_TRUE(dc.Close()) << "an empty owner has nothing to release";
        EXPECT_TRUE(moved.Close());
        EXPECT_FALSE(moved);
        EXPECT_TRUE(moved.Close()) << "a second close does nothing";
        win::WindowDC ex = win::WindowDC::Ex(hwnd, nullptr, DCX_WINDOW | DCX_CACHE);
        ASSERT_TRUE(ex);
        EXPECT_TRUE(ex.Close()) << "released to the window it came from";
    }
    InvalidateRect(hwnd, nullptr, FALSE);
    {
        win::PaintScope paint(hwnd);
        EXPECT_NE(paint.Dc(), nullptr);
        win::PaintScope moved(std::move(paint));
        EXPECT_EQ(paint.Dc(), nullptr);
        EXPECT_TRUE(paint.End()) << "the moved-from scope ends nothing";
    }
    EXPECT_FALSE(GetUpdateRect(hwnd, nullptr, FALSE)) << "the paint ended and validated the window";
    DestroyWindow(hwnd);
}

TEST(HandleOwners, ImageListsIconsGlobalMemoryAndKernelHandles) {
    win::ImageList list(ImageList_Create(16, 16, ILC_COLOR24, 1, 1));
    ASSERT_TRUE(list);
    win::ImageList movedList(std::move(list));
    EXPECT_FALSE(list);
    EXPECT_EQ(ImageList_GetImageCount(movedList.Get()), 0);

    win::GlobalMemory block(GlobalAlloc(GMEM_MOVEABLE, 16));
    const HGLOBAL rawBlock = block.Get();
    win::GlobalMemory movedBlock(std::move(block));
    EXPECT_FALSE(block);
    EXPECT_EQ(GlobalSize(rawBlock), 16u);

    win::KernelHandle event(CreateEventW(nullptr, TRUE, FALSE, nullptr));
    const HANDLE rawEvent = event.Get();
    win::KernelHandle movedEvent(std::move(event));
    EXPECT_FALSE(event);
    DWORD flags = 0;
    EXPECT_TRUE(GetHandleInformation(rawEvent, &flags));
    movedEvent.Reset();
    EXPECT_FALSE(GetHandleInformation(rawEvent, &flags)) << "closed once, by the owner";

    win::FileHandle none;
    EXPECT_FALSE(none);
    EXPECT_EQ(none.Get(), INVALID_HANDLE_VALUE);

    ICONINFO info{TRUE, 0, 0, nullptr, nullptr};
    const win::Bitmap mask(CreateBitmap(16, 16, 1, 1, nullptr)), color(MakeBitmap());
    info.hbmMask = mask.Get();
    info.hbmColor = color.Get();
    win::Icon icon(CreateIconIndirect(&info));
    ASSERT_TRUE(icon);
    win::Icon movedIcon(std::move(icon));
    EXPECT_FALSE(icon);
    ICONINFO read{};
    ASSERT_TRUE(GetIconInfo(movedIcon.Get(), &read));
    const win::Bitmap readMask(read.hbmMask), readColor(read.hbmColor);
}

TEST(RectConversion, RoundTripsAndTopDownDibDescription) {
    const hexmoor::Rect r{-3, 4, 10, 20};
    const RECT w = hexmoor::ToRECT(r);
    EXPECT_EQ(w.left, -3);
    EXPECT_EQ(w.bottom, 20);
    EXPECT_EQ(hexmoor::FromRECT(w), r);
    const BITMAPINFO info = win::TopDown32BitInfo(7, 5);
    EXPECT_EQ(info.bmiHeader.biWidth, 7);
    EXPECT_EQ(info.bmiHeader.biHeight, -5) << "negative height: top row first";
    EXPECT_EQ(info.bmiHeader.biBitCount, 32);
}

TEST(UxThemeBinding, StaysBoundUntilTheLastHolderLetsGo) {
    ASSERT_EQ(g_pfnSetWindowTheme, nullptr) << "nothing else in this test holds the binding";
    if (!LoadUxTheme()) GTEST_SKIP() << "UxTheme.dll is not available";
    ASSERT_TRUE(LoadUxTheme());
    EXPECT_NE(g_pfnSetWindowTheme, nullptr);
    EXPECT_TRUE(UnloadUxTheme());
    EXPECT_NE(g_pfnSetWindowTheme, nullptr) << "one holder left";
    EXPECT_TRUE(UnloadUxTheme());
    EXPECT_EQ(g_pfnSetWindowTheme, nullptr);
    EXPECT_EQ(g_pfnGetThemeSysSize, nullptr);
    EXPECT_TRUE(UnloadUxTheme()) << "an unload without a load does nothing";
    ASSERT_TRUE(LoadUxTheme()) << "and does not leave a debt behind";
    EXPECT_NE(g_pfnSetWindowTheme, nullptr);
    EXPECT_TRUE(UnloadUxTheme());
    EXPECT_EQ(g_pfnSetWindowTheme, nullptr);
}
