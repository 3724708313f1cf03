#pragma once
// The paint context every skinned window draws through: it gets the target
// DC for a window (or takes one it is given), lets the caller paint into an
// off-screen buffer that is copied to the target in one blit when the
// context is released, wraps the GDI calls the painters need, and draws skin
// images as nine-part images with GDI (opaque bitmaps) or GDI+ (alpha).

#include <windows.h>

#include "base/win/gdi.h"
#include "runtime/fade.h"

class CMrgBitmap;
class CUnicodeString;

class CTWDraw {
public:
    enum Mode { kGiven = 0, kBeginPaint = 1, kGetDC = 2, kGetWindowDC = 3 };

    CTWDraw();
    // A context on a given DC; with a rectangle it draws into a buffer of it.
    CTWDraw(HDC dc, const RECT* rect, BOOL translate);
    // A context that acquires the window's DC by mode and buffers the rectangle.
    CTWDraw(HWND hwnd, int mode, const RECT* rect, BOOL translate);
    virtual ~CTWDraw();
    CTWDraw(const CTWDraw&) = delete;
    CTWDraw& operator=(const CTWDraw&) = delete;

    BOOL AttachDC(HDC dc, const RECT* rect, BOOL translate);
    BOOL Begin(HWND hwnd, int mode, const RECT* rect, BOOL translate);
    // A paint's context: on the DC a caller gave (WM_PRINTCLIENT, a paint
    // passed on), else on the window's BeginPaint.
    BOOL BeginPaintOr(HDC given, HWND hwnd, const RECT* rect, BOOL translate);
    BOOL CreateCompatible(HDC dc);
    BOOL CreateBuffer(const RECT* rect);
    BOOL Release();
    void SetUnmirrorBuffer(BOOL on) { unmirror_ = on; }
    BOOL GetUnmirrorBuffer() const { return unmirror_; }
    void SetDestOffset(int x, int y) { offset_ = {x, y}; }
    void SetDestOffsetPt(const POINT* p) { offset_ = p ? *p : POINT{0, 0}; }
    POINT GetDestOffset() const { return offset_; }

    // The buffer's DC when buffered, else the target DC.
    HDC GetDrawDC() const { return buffered_ ? bufferDc_.Get() : target_; }
    HDC GetTargetDC() const { return target_; }
    const PAINTSTRUCT& PaintRecord() const { return paint_.Info(); }

    RECT ToBufferRect(int left, int top, int right, int bottom) const;
    void ToBufferRectPtr(RECT* out, const RECT* in) const;
    void MakeBufferRect(RECT* out, int left, int top, int right, int bottom) const {
        if (out) *out = ToBufferRect(left, top, right, bottom);
    }
    POINT ToBufferPoint(int x, int y) const;
    POINT ToBufferPointPtr(const POINT* p) const { return p ? ToBufferPoint(p->x, p->y) : POINT{0, 0}; }
    POINT FromBufferPoint(int x, int y) const;

    // GDI wrappers on the drawing DC, coordinates converted to the buffer.
    int ExcludeClip(const RECT* r);
    int ExcludeClipLTRB(int l, int t, int r, int b) {
        const RECT rect{l, t, r, b};
        return ExcludeClip(&rect);
    }
    int IntersectClip(const RECT* r);
    int IntersectClipLTRB(int l, int t, int r, int b) {
        const RECT rect{l, t, r, b};
        return IntersectClip(&rect);
    }
    int SetBkMode(int mode) { return ::SetBkMode(GetDrawDC(), mode); }
    COLORREF SetBkColor(COLORREF c) { return ::SetBkColor(GetDrawDC(), c); }
    COLORREF GetBkColor() const { return ::GetBkColor(GetDrawDC()); }
    COLORREF SetTextColor(COLORREF c) { return ::SetTextColor(GetDrawDC(), c); }
    COLORREF GetTextColor() const { return ::GetTextColor(GetDrawDC()); }
    BOOL Rectangle(const RECT* r);
    BOOL FillSolidRect(const RECT* r, COLORREF color);
    SIZE GetTextExtentA(const char* text, int length);
    SIZE GetTextExtentW(const wchar_t* text, int length);
    POINT SetBrushOrg(int x, int y);
    POINT MoveTo(int x, int y);
    BOOL LineTo(int x, int y);
    BOOL DrawIconState(const POINT* at, int cx, int cy, HICON icon, UINT stateFlags, HBRUSH brush);
    BOOL PatBltXYWH(int x, int y, int width, int height, DWORD rop);
    BOOL PatBlt(const RECT* r, DWORD rop);

    // Bitmaps and skin images.
    BOOL BitBltBitmap(const RECT* dest, HBITMAP bitmap, int sourceX, int sourceY);
    BOOL DrawBitmapAt(const POINT* at, HBITMAP bitmap);
    BOOL StretchBitmap(const RECT* dest, HBITMAP bitmap, const RECT* source);
    BOOL TileBitmap(const RECT* dest, HBITMAP bitmap, const RECT* source);
    BOOL DrawImageAt(const POINT* at, const CMrgBitmap* image);
    BOOL StretchImage(const RECT* dest, const CMrgBitmap* image, const RECT* source);
    BOOL TileImage(const RECT* dest, const CMrgBitmap* image, const RECT* source);
    BOOL DrawSkinImage(const RECT* dest, const CMrgBitmap* image, BOOL centreOnly, const hexmoor::rt::FadeRecord* fade);
    BOOL DrawSkinImageFarAligned(const RECT* dest, const CMrgBitmap* image, BOOL centreOnly);
    BOOL DrawMarginImageGdi(int left, int top, int right, int bottom, const CMrgBitmap* image, BOOL centreOnly,
                            BOOL farAligned);
    BOOL DrawMarginImageGdiPlus(int left, int top, int right, int bottom, const CMrgBitmap* image, BOOL centreOnly,
                                BOOL farAligned, const hexmoor::rt::FadeRecord* fade);

    int DrawTextW(const wchar_t* text, int count, RECT* rect, UINT format);
    int DrawTextU(const CUnicodeString* text, int count, RECT* rect, UINT format);

private:
    void Init();
    void Flush();
    bool Translating() const { return buffered_ && translate_; }

    // The DC drawn to: a caller's, or one of the three owners below.
    HDC target_ = nullptr;
    hexmoor::win::MemoryDC ownedTarget_;
    hexmoor::win::PaintScope paint_;
    hexmoor::win::WindowDC windowDc_;
    hexmoor::win::MemoryDC bufferDc_;
    hexmoor::win::Bitmap bufferBitmap_;
    hexmoor::win::SelectGuard bufferSelect_;
    POINT offset_{0, 0};
    RECT bufferRect_{0, 0, 0, 0};
    BOOL buffered_ = FALSE;
    BOOL translate_ = FALSE;
    HWND hwnd_ = nullptr;
    int mode_ = kGiven;
    BOOL unmirror_ = TRUE;
    DWORD bufferLayout_ = 0;
    BOOL ownedDc_ = FALSE;
};
