#pragma once
// The sheet skinshot writes: a black 32-bit picture that windows and panels
// are copied into, written to a PNG file.

#include <windows.h>

#include <string>

#include "base/win/gdi.h"

class Sheet {
public:
    Sheet(int width, int height);
    bool Valid() const { return bits_ != nullptr; }
    HDC DC() const { return memory_.Get(); }
    // Copies what a window shows (client and non-client area, through its
    // window DC) to (x, y).
    bool CopyWindow(HWND hwnd, int x, int y);
    // Copies a bitmap of the given size to (x, y).
    void CopyBitmap(HBITMAP bitmap, int width, int height, int x, int y);
    // True when the file was written.
    bool WritePng(const std::wstring& path);

private:
    int width_, height_;
    void* bits_ = nullptr;
    hexmoor::win::Bitmap dib_;
    hexmoor::win::MemoryDC memory_;
    hexmoor::win::SelectGuard select_;
};
