#pragma once
// An image list of solid squares, one colour per image, for pixel tests of
// the images a control draws (state images, item images).
#include <windows.h>
#include <commctrl.h>

#include <initializer_list>

namespace hexmoor::test {

// The caller destroys the list (or hands it to a control that does).
inline HIMAGELIST SolidImageList(int size, std::initializer_list<COLORREF> colours) {
    HIMAGELIST list = ImageList_Create(size, size, ILC_COLOR24, int(colours.size()), 0);
    if (!list) return nullptr;
    const HDC screen = GetDC(nullptr);
    for (COLORREF colour : colours) {
        HBITMAP bitmap = CreateCompatibleBitmap(screen, size, size);
        const HDC memory = CreateCompatibleDC(screen);
        const HGDIOBJ old = SelectObject(memory, bitmap);
        HBRUSH brush = CreateSolidBrush(colour);
        const RECT r{0, 0, size, size};
        FillRect(memory, &r, brush);
        DeleteObject(brush);
        SelectObject(memory, old);
        DeleteDC(memory);
        ImageList_Add(list, bitmap, nullptr);
        DeleteObject(bitmap);
    }
    ReleaseDC(nullptr, screen);
    return list;
}

} // namespace hexmoor::test
