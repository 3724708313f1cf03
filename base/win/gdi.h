#pragma once
// Non-copyable owners for GDI objects and device contexts: objects deleted
// once, DCs deleted or released to the window they came from, selections
// and saved states put back into the DC they were made in. Each owner can be
// moved; the source is then empty and releases nothing.

#include <windows.h>

#include <utility>

#include "base/unique_handle.h"

namespace hexmoor::win {

template <typename H>
struct GdiObjectTraits {
    static H Invalid() noexcept { return nullptr; }
    static void Close(H h) noexcept { ::DeleteObject(h); }
};

// Owns one GDI object (bitmap, brush, pen, font, region, palette).
template <typename H>
using GdiObject = UniqueHandle<H, GdiObjectTraits<H>>;
using Bitmap = GdiObject<HBITMAP>;
using Brush = GdiObject<HBRUSH>;
using Pen = GdiObject<HPEN>;
using Font = GdiObject<HFONT>;
using Region = GdiObject<HRGN>;
using Palette = GdiObject<HPALETTE>;

struct MemoryDcTraits {
    static HDC Invalid() noexcept { return nullptr; }
    static void Close(HDC dc) noexcept { ::DeleteDC(dc); }
};

// A memory DC that this object created (or was given) and deletes.
class MemoryDC {
public:
    MemoryDC() = default;
    // A new memory DC compatible with the given one (the screen for null).
    explicit MemoryDC(HDC compatibleWith) : dc_(::CreateCompatibleDC(compatibleWith)) {}
    // Takes ownership of a DC made by CreateCompatibleDC.
    static MemoryDC Adopt(HDC dc) {
        MemoryDC m;
        m.dc_.Reset(dc);
        return m;
    }
    HDC Get() const { return dc_.Get(); }
    explicit operator bool() const { return static_cast<bool>(dc_); }
    void Reset() { dc_.Reset(); }

private:
    UniqueHandle<HDC, MemoryDcTraits> dc_;
};

// A DC from GetDC or GetWindowDC, released to its window.
class WindowDC {
public:
    WindowDC() = default;
    explicit WindowDC(HWND hwnd, bool wholeWindow = false)
        : hwnd_(hwnd), dc_(wholeWindow ? ::GetWindowDC(hwnd) : ::GetDC(hwnd)) {}
    // A DC from GetDCEx (its clip region and flags), released to its window.
    static WindowDC Ex(HWND hwnd, HRGN clip, DWORD flags) {
        WindowDC d;
        d.hwnd_ = hwnd;
        d.dc_ = ::GetDCEx(hwnd, clip, flags);
        return d;
    }
    ~WindowDC() { Close(); }
    WindowDC(const WindowDC&) = delete;
    WindowDC& operator=(const WindowDC&) = delete;
    WindowDC(WindowDC&& other) noexcept
        : hwnd_(std::exchange(other.hwnd_, nullptr)), dc_(std::exchange(other.dc_, nullptr)) {}
    WindowDC& operator=(WindowDC&& other) noexcept {
        if (this != &other) {
            Close();
            hwnd_ = std::exchange(other.hwnd_, nullptr);
            dc_ = std::exchange(other.dc_, nullptr);
        }
        return *this;
    }
    HDC Get() const { return dc_; }
    explicit operator bool() const { return dc_ != nullptr; }
    // Releases the DC now; ReleaseDC's answer (true when nothing was held).
    bool Close() {
        if (!dc_) return true;
        return ::ReleaseDC(std::exchange(hwnd_, nullptr), std::exchange(dc_, nullptr)) != 0;
    }

private:
    HWND hwnd_ = nullptr;
    HDC dc_ = nullptr;
};

// BeginPaint/EndPaint.
class PaintScope {
public:
    PaintScope() = default;
    explicit PaintScope(HWND hwnd) : hwnd_(hwnd) { dc_ = ::BeginPaint(hwnd, &ps_); }
    ~PaintScope() { End(); }
    PaintScope(const PaintScope&) = delete;
    PaintScope& operator=(const PaintScope&) = delete;
    PaintScope(PaintScope&& other) noexcept
        : hwnd_(std::exchange(other.hwnd_, nullptr)), ps_(other.ps_), dc_(std::exchange(other.dc_, nullptr)) {}
    PaintScope& operator=(PaintScope&& other) noexcept {
        if (this != &other) {
            End();
            hwnd_ = std::exchange(other.hwnd_, nullptr);
            ps_ = other.ps_;
            dc_ = std::exchange(other.dc_, nullptr);
        }
        return *this;
    }
    HDC Dc() const { return dc_; }
    const PAINTSTRUCT& Info() const { return ps_; }
    // Ends the paint now; EndPaint's answer (TRUE when nothing was begun).
    BOOL End() {
        if (!hwnd_) return TRUE;
        dc_ = nullptr;
        return ::EndPaint(std::exchange(hwnd_, nullptr), &ps_);
    }

private:
    HWND hwnd_ = nullptr;
    PAINTSTRUCT ps_{};
    HDC dc_ = nullptr;
};

// Selects an object into a DC and selects the previous one back into that
// same DC at the end.
class SelectGuard {
public:
    SelectGuard() = default;
    SelectGuard(HDC dc, HGDIOBJ object) : dc_(dc), previous_(dc && object ? ::SelectObject(dc, object) : nullptr) {}
    ~SelectGuard() { Restore(); }
    SelectGuard(const SelectGuard&) = delete;
    SelectGuard& operator=(const SelectGuard&) = delete;
    SelectGuard(SelectGuard&& other) noexcept
        : dc_(std::exchange(other.dc_, nullptr)), previous_(std::exchange(other.previous_, nullptr)) {}
    SelectGuard& operator=(SelectGuard&& other) noexcept {
        if (this != &other) {
            Restore();
            dc_ = std::exchange(other.dc_, nullptr);
            previous_ = std::exchange(other.previous_, nullptr);
        }
        return *this;
    }
    // Puts the previous object back now.
    void Restore() {
        if (dc_ && previous_) ::SelectObject(dc_, previous_);
        dc_ = nullptr;
        previous_ = nullptr;
    }

private:
    HDC dc_ = nullptr;
    HGDIOBJ previous_ = nullptr;
};

// Selects a palette into a DC (realized) and selects the previous one back
// into that same DC at the end, in the same foreground/background mode.
class PaletteGuard {
public:
    PaletteGuard() = default;
    PaletteGuard(HDC dc, HPALETTE palette, bool background)
        : dc_(dc),
          previous_(dc && palette ? ::SelectPalette(dc, palette, background) : nullptr),
          background_(background) {
        if (previous_) ::RealizePalette(dc_);
    }
    ~PaletteGuard() { Restore(); }
    PaletteGuard(const PaletteGuard&) = delete;
    PaletteGuard& operator=(const PaletteGuard&) = delete;
    PaletteGuard(PaletteGuard&& other) noexcept
        : dc_(std::exchange(other.dc_, nullptr)),
          previous_(std::exchange(other.previous_, nullptr)),
          background_(other.background_) {}
    PaletteGuard& operator=(PaletteGuard&& other) noexcept {
        if (this != &other) {
            Restore();
            dc_ = std::exchange(other.dc_, nullptr);
            previous_ = std::exchange(other.previous_, nullptr);
            background_ = other.background_;
        }
        return *this;
    }
    void Restore() {
        if (dc_ && previous_) ::SelectPalette(dc_, previous_, background_);
        dc_ = nullptr;
        previous_ = nullptr;
    }

private:
    HDC dc_ = nullptr;
    HPALETTE previous_ = nullptr;
    bool background_ = false;
};

// Saves the whole DC state and restores it at the end.
class SavedDC {
public:
    SavedDC() = default;
    explicit SavedDC(HDC dc) : dc_(dc), id_(dc ? ::SaveDC(dc) : 0) {}
    ~SavedDC() { Restore(); }
    SavedDC(const SavedDC&) = delete;
    SavedDC& operator=(const SavedDC&) = delete;
    SavedDC(SavedDC&& other) noexcept : dc_(std::exchange(other.dc_, nullptr)), id_(std::exchange(other.id_, 0)) {}
    SavedDC& operator=(SavedDC&& other) noexcept {
        if (this != &other) {
            Restore();
            dc_ = std::exchange(other.dc_, nullptr);
            id_ = std::exchange(other.id_, 0);
        }
        return *this;
    }
    void Restore() {
        if (id_) ::RestoreDC(dc_, id_);
        dc_ = nullptr;
        id_ = 0;
    }

private:
    HDC dc_ = nullptr;
    int id_ = 0;
};

} // namespace hexmoor::win
