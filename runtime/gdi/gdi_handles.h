#pragma once
// Non-copyable owners for GDI objects and device contexts, and a selection
// guard that remembers its DC and puts the previous object back.

#include <windows.h>

#include <utility>

namespace hexmoor::rt {

// Owns one GDI object (bitmap, brush, pen, font, region) and deletes it.
template <typename Handle>
class GdiObject {
public:
    GdiObject() = default;
    explicit GdiObject(Handle h) : h_(h) {}
    ~GdiObject() { Reset(); }
    GdiObject(const GdiObject&) = delete;
    GdiObject& operator=(const GdiObject&) = delete;
    GdiObject(GdiObject&& other) noexcept : h_(std::exchange(other.h_, nullptr)) {}
    GdiObject& operator=(GdiObject&& other) noexcept {
        if (this != &other) Reset(std::exchange(other.h_, nullptr));
        return *this;
    }

    Handle Get() const { return h_; }
    explicit operator bool() const { return h_ != nullptr; }
    Handle Release() { return std::exchange(h_, nullptr); }
    void Reset(Handle h = nullptr) {
        if (h_ && h_ != h) DeleteObject(h_);
        h_ = h;
    }

private:
    Handle h_ = nullptr;
};

using BitmapHandle = GdiObject<HBITMAP>;
using BrushHandle = GdiObject<HBRUSH>;
using PenHandle = GdiObject<HPEN>;
using FontHandle = GdiObject<HFONT>;
using RegionHandle = GdiObject<HRGN>;

// A memory DC that this object created and deletes.
class MemoryDC {
public:
    explicit MemoryDC(HDC compatibleWith) : dc_(CreateCompatibleDC(compatibleWith)) {}
    ~MemoryDC() {
        if (dc_) DeleteDC(dc_);
    }
    MemoryDC(const MemoryDC&) = delete;
    MemoryDC& operator=(const MemoryDC&) = delete;
    HDC Get() const { return dc_; }
    explicit operator bool() const { return dc_ != nullptr; }

private:
    HDC dc_;
};

// A DC from GetDC or GetWindowDC, released to its window.
class WindowDC {
public:
    explicit WindowDC(HWND hwnd, bool wholeWindow = false)
        : hwnd_(hwnd), dc_(wholeWindow ? GetWindowDC(hwnd) : GetDC(hwnd)) {}
    ~WindowDC() {
        if (dc_) ReleaseDC(hwnd_, dc_);
    }
    WindowDC(const WindowDC&) = delete;
    WindowDC& operator=(const WindowDC&) = delete;
    HDC Get() const { return dc_; }
    explicit operator bool() const { return dc_ != nullptr; }

private:
    HWND hwnd_;
    HDC dc_;
};

// Selects an object into a DC and selects the previous one back at the end.
class SelectGuard {
public:
    SelectGuard(HDC dc, HGDIOBJ object) : dc_(dc), previous_(dc && object ? SelectObject(dc, object) : nullptr) {}
    ~SelectGuard() {
        if (dc_ && previous_) SelectObject(dc_, previous_);
    }
    SelectGuard(const SelectGuard&) = delete;
    SelectGuard& operator=(const SelectGuard&) = delete;

private:
    HDC dc_;
    HGDIOBJ previous_;
};

// Saves the whole DC state and restores it at the end.
class SavedDC {
public:
    explicit SavedDC(HDC dc) : dc_(dc), id_(dc ? SaveDC(dc) : 0) {}
    ~SavedDC() {
        if (id_) RestoreDC(dc_, id_);
    }
    SavedDC(const SavedDC&) = delete;
    SavedDC& operator=(const SavedDC&) = delete;

private:
    HDC dc_;
    int id_;
};

} // namespace hexmoor::rt
