#include "runtime/draw/tw_draw.h"

#include <cstring>
#include <memory>
#include <vector>

#include "model/mrg_bitmap.h"
#include "model/platform/types.h"
#include "runtime/draw/draw_engine.h"
#include "base/win/dib.h"
#include "base/win/gdi.h"
#include "base/win/rect.h"
#include "runtime/logic/nine_part.h"
#include "runtime/logic/tile_fold.h"
#include "runtime/text/unicode_string.h"

using namespace hexmoor::rt;
using hexmoor::FromRECT;
using hexmoor::Rect;

namespace {

HDC ScratchDC() {
    CDrawEngine* engine = GetThreadDrawEngine(GetCurrentThreadId());
    return engine ? engine->ScratchDC() : nullptr;
}

// The part of a width by height image that a caller's source rectangle
// names: the whole image when there is none or it is all zero.
Rect SourcePart(int width, int height, const RECT* source) {
    if (source && (source->left || source->top || source->right || source->bottom)) return FromRECT(*source);
    return {0, 0, width, height};
}

SIZE BitmapSize(HBITMAP bitmap) {
    BITMAP bm{};
    if (!bitmap || !GetObjectW(bitmap, sizeof bm, &bm)) return {0, 0};
    return {bm.bmWidth, bm.bmHeight};
}

// True when every pixel the copies write into `dc` can be read back as
// written: a bitmap's DC with no clipping, mirroring or scaling, and the
// copies' area inside the bitmap.
bool ReadsBackInside(HDC dc, const std::vector<FoldedCopy>& copies) {
    if (GetObjectType(dc) != OBJ_MEMDC || GetLayout(dc) != 0 || GetMapMode(dc) != MM_TEXT ||
        GetGraphicsMode(dc) != GM_COMPATIBLE)
        return false;
    BITMAP bm{};
    const HGDIOBJ bitmap = GetCurrentObject(dc, OBJ_BITMAP);
    if (!bitmap || !GetObjectW(bitmap, sizeof bm, &bm)) return false;
    const hexmoor::win::Region clip(CreateRectRgn(0, 0, 0, 0));
    if (!clip || GetClipRgn(dc, clip.Get()) != 0) return false;
    POINT viewport{}, window{};
    GetViewportOrgEx(dc, &viewport);
    GetWindowOrgEx(dc, &window);
    const int dx = viewport.x - window.x, dy = viewport.y - window.y;
    for (const FoldedCopy& c : copies) {
        if (c.dest.left + dx < 0 || c.dest.top + dy < 0 || c.dest.right + dx > bm.bmWidth ||
            c.dest.bottom + dy > bm.bmHeight)
            return false;
    }
    return true;
}

// The one GDI blitter: plain copies where sizes match, stretches elsewhere.
// Repeated tile columns are copied from the ones already drawn where the
// destination allows reading them back: fewer, larger copies.
BOOL BlitOps(HDC dest, HDC source, const std::vector<BlitOp>& ops) {
    const std::vector<FoldedCopy> folded = FoldRepeatedColumns(ops);
    if (folded.size() < ops.size() && ReadsBackInside(dest, folded)) {
        BOOL result = TRUE;
        for (const FoldedCopy& c : folded) {
            if (!c.fromDest && (c.source.Width() != c.dest.Width() || c.source.Height() != c.dest.Height())) {
                result = StretchBlt(dest, c.dest.left, c.dest.top, c.dest.Width(), c.dest.Height(), source,
                                    c.source.left, c.source.top, c.source.Width(), c.source.Height(), SRCCOPY);
                continue;
            }
            result = BitBlt(dest, c.dest.left, c.dest.top, c.dest.Width(), c.dest.Height(), c.fromDest ? dest : source,
                            c.source.left, c.source.top, SRCCOPY);
        }
        return result;
    }
    BOOL result = TRUE;
    for (const BlitOp& op : ops) {
        if (op.source.Width() == op.dest.Width() && op.source.Height() == op.dest.Height()) {
            result = BitBlt(dest, op.dest.left, op.dest.top, op.dest.Width(), op.dest.Height(), source, op.source.left,
                            op.source.top, SRCCOPY);
        } else {
            result = StretchBlt(dest, op.dest.left, op.dest.top, op.dest.Width(), op.dest.Height(), source,
                                op.source.left, op.source.top, op.source.Width(), op.source.Height(), SRCCOPY);
        }
    }
    return result;
}

// The GDI+ blitter: every copy is one DrawImage, blended over what is there.
BOOL BlitOpsGdiPlus(HDC dest, Gdiplus::Image* image, const std::vector<BlitOp>& ops,
                    const Gdiplus::ImageAttributes* attributes) {
    Gdiplus::Graphics graphics(dest);
    Gdiplus::Status status = Gdiplus::Ok;
    for (const BlitOp& op : ops) {
        const Gdiplus::Rect to(op.dest.left, op.dest.top, op.dest.Width(), op.dest.Height());
        status = graphics.DrawImage(image, to, op.source.left, op.source.top, op.source.Width(), op.source.Height(),
                                    Gdiplus::UnitPixel, attributes);
    }
    return status == Gdiplus::Ok;
}

} // namespace

CTWDraw::CTWDraw() { Init(); }

CTWDraw::CTWDraw(HDC dc, const RECT* rect, BOOL translate) {
    Init();
    AttachDC(dc, rect, translate);
}

CTWDraw::CTWDraw(HWND hwnd, int mode, const RECT* rect, BOOL translate) {
    Init();
    Begin(hwnd, mode, rect, translate);
}

CTWDraw::~CTWDraw() { Release(); }

void CTWDraw::Init() {
    target_ = nullptr;
    offset_ = {0, 0};
    bufferRect_ = {0, 0, 0, 0};
    buffered_ = translate_ = FALSE;
    hwnd_ = nullptr;
    mode_ = kGiven;
    unmirror_ = TRUE;
    bufferLayout_ = 0;
    ownedDc_ = FALSE;
}

BOOL CTWDraw::AttachDC(HDC dc, const RECT* rect, BOOL translate) {
    target_ = dc;
    mode_ = kGiven;
    translate_ = translate;
    CreateBuffer(rect);
    return TRUE;
}

BOOL CTWDraw::BeginPaintOr(HDC given, HWND hwnd, const RECT* rect, BOOL translate) {
    return given ? AttachDC(given, rect, translate) : Begin(hwnd, kBeginPaint, rect, translate);
}

BOOL CTWDraw::Begin(HWND hwnd, int mode, const RECT* rect, BOOL translate) {
    mode_ = mode;
    hwnd_ = hwnd;
    translate_ = translate;
    switch (mode) {
    case kBeginPaint:
        paint_ = hexmoor::win::PaintScope(hwnd);
        target_ = paint_.Dc();
        break;
    case kGetDC:
    case kGetWindowDC:
        windowDc_ = hexmoor::win::WindowDC(hwnd, mode == kGetWindowDC);
        target_ = windowDc_.Get();
        break;
    default: break;
    }
    CreateBuffer(rect);
    return target_ != nullptr;
}

BOOL CTWDraw::CreateCompatible(HDC dc) {
    ownedTarget_ = hexmoor::win::MemoryDC(dc);
    target_ = ownedTarget_.Get();
    ownedDc_ = target_ != nullptr;
    return ownedDc_;
}

BOOL CTWDraw::CreateBuffer(const RECT* rect) {
    if (!rect || !target_) return FALSE;
    const int w = rect->right - rect->left, h = rect->bottom - rect->top;
    if (w <= 0 || h <= 0) return FALSE;
    bufferDc_ = hexmoor::win::MemoryDC(target_);
    if (!bufferDc_) return FALSE;
    if (unmirror_) {
        bufferLayout_ = GetLayout(bufferDc_.Get());
        if (bufferLayout_ & LAYOUT_RTL) SetLayout(bufferDc_.Get(), bufferLayout_ & ~LAYOUT_RTL);
    }
    bufferBitmap_.Reset(hexmoor::win::CreateScreenBitmap(w, h));
    if (!bufferBitmap_) {
        bufferDc_.Reset();
        return FALSE;
    }
    buffered_ = TRUE;
    bufferRect_ = *rect;
    SelectClipRgn(bufferDc_.Get(), nullptr);
    SelectClipRgn(target_, nullptr);
    bufferSelect_ = hexmoor::win::SelectGuard(bufferDc_.Get(), bufferBitmap_.Get());
    return TRUE;
}

void CTWDraw::Flush() {
    if (!buffered_ || !bufferBitmap_) return;
    const int w = bufferRect_.right - bufferRect_.left, h = bufferRect_.bottom - bufferRect_.top;
    hexmoor::win::MemoryDC copy(bufferDc_.Get());
    hexmoor::win::SelectGuard select(copy.Get(), bufferBitmap_.Get());
    const int sx = translate_ ? 0 : bufferRect_.left, sy = translate_ ? 0 : bufferRect_.top;
    BitBlt(target_, bufferRect_.left + offset_.x, bufferRect_.top + offset_.y, w, h, copy.Get(), sx, sy, SRCCOPY);
}

BOOL CTWDraw::Release() {
    if (!target_) return TRUE;
    if (buffered_) {
        // The bitmap leaves the buffer DC before Flush selects it elsewhere.
        bufferSelect_.Restore();
        Flush();
        bufferBitmap_.Reset();
        bufferDc_.Reset();
        buffered_ = FALSE;
        bufferRect_ = {0, 0, 0, 0};
    }
    BOOL result = TRUE;
    if (ownedDc_) {
        ownedTarget_.Reset();
        ownedDc_ = FALSE;
    } else if (mode_ == kBeginPaint) {
        result = paint_.End();
    } else if (mode_ == kGetDC || mode_ == kGetWindowDC) {
        result = windowDc_.Close();
    }
    target_ = nullptr;
    mode_ = kGiven;
    return result;
}

RECT CTWDraw::ToBufferRect(int left, int top, int right, int bottom) const {
    if (!Translating()) return {left, top, right, bottom};
    return {left - bufferRect_.left, top - bufferRect_.top, right - bufferRect_.left, bottom - bufferRect_.top};
}

void CTWDraw::ToBufferRectPtr(RECT* out, const RECT* in) const {
    if (out && in) *out = ToBufferRect(in->left, in->top, in->right, in->bottom);
}

POINT CTWDraw::ToBufferPoint(int x, int y) const {
    if (!Translating()) return {x, y};
    return {x - bufferRect_.left, y - bufferRect_.top};
}

POINT CTWDraw::FromBufferPoint(int x, int y) const {
    if (!Translating()) return {x, y};
    return {x + bufferRect_.left, y + bufferRect_.top};
}

int CTWDraw::ExcludeClip(const RECT* r) {
    const RECT b = ToBufferRect(r->left, r->top, r->right, r->bottom);
    return ExcludeClipRect(GetDrawDC(), b.left, b.top, b.right, b.bottom);
}

int CTWDraw::IntersectClip(const RECT* r) {
    const RECT b = ToBufferRect(r->left, r->top, r->right, r->bottom);
    return IntersectClipRect(GetDrawDC(), b.left, b.top, b.right, b.bottom);
}

BOOL CTWDraw::Rectangle(const RECT* r) {
    const RECT b = ToBufferRect(r->left, r->top, r->right, r->bottom);
    return ::Rectangle(GetDrawDC(), b.left, b.top, b.right, b.bottom);
}

BOOL CTWDraw::FillSolidRect(const RECT* r, COLORREF color) {
    const RECT b = ToBufferRect(r->left, r->top, r->right, r->bottom);
    ::SetBkColor(GetDrawDC(), color);
    return ExtTextOutA(GetDrawDC(), 0, 0, ETO_OPAQUE, &b, nullptr, 0, nullptr);
}

SIZE CTWDraw::GetTextExtentA(const char* text, int length) {
    SIZE size{0, 0};
    if (!text) return size;
    if (length < 0) length = int(strlen(text));
    if (!GetTextExtentPointA(GetDrawDC(), text, length, &size)) return {0, 0};
    return size;
}

SIZE CTWDraw::GetTextExtentW(const wchar_t* text, int length) {
    SIZE size{0, 0};
    if (!text) return size;
    if (length < 0) length = int(wcslen(text));
    if (!GetTextExtentPointW(GetDrawDC(), text, length, &size)) return {0, 0};
    return size;
}

POINT CTWDraw::SetBrushOrg(int x, int y) {
    const POINT b = ToBufferPoint(x, y);
    POINT old{0, 0};
    if (!SetBrushOrgEx(GetDrawDC(), b.x, b.y, &old)) return {0, 0};
    return old;
}

POINT CTWDraw::MoveTo(int x, int y) {
    const POINT b = ToBufferPoint(x, y);
    POINT old{0, 0};
    if (!MoveToEx(GetDrawDC(), b.x, b.y, &old)) return {0, 0};
    return old;
}

BOOL CTWDraw::LineTo(int x, int y) {
    const POINT b = ToBufferPoint(x, y);
    return ::LineTo(GetDrawDC(), b.x, b.y);
}

BOOL CTWDraw::DrawIconState(const POINT* at, int cx, int cy, HICON icon, UINT stateFlags, HBRUSH brush) {
    const POINT b = ToBufferPoint(at->x, at->y);
    return DrawStateA(GetDrawDC(), brush, nullptr, reinterpret_cast<LPARAM>(icon), 0, b.x, b.y, cx, cy,
                      DST_ICON | stateFlags);
}

BOOL CTWDraw::PatBltXYWH(int x, int y, int width, int height, DWORD rop) {
    const POINT b = ToBufferPoint(x, y);
    return ::PatBlt(GetDrawDC(), b.x, b.y, width, height, rop);
}

BOOL CTWDraw::PatBlt(const RECT* r, DWORD rop) {
    return PatBltXYWH(r->left, r->top, r->right - r->left, r->bottom - r->top, rop);
}

// --- bitmaps ----------------------------------------------------------------

BOOL CTWDraw::BitBltBitmap(const RECT* dest, HBITMAP bitmap, int sourceX, int sourceY) {
    const HDC scratch = ScratchDC();
    if (!scratch || !bitmap || !dest) return FALSE;
    const RECT b = ToBufferRect(dest->left, dest->top, dest->right, dest->bottom);
    hexmoor::win::SelectGuard select(scratch, bitmap);
    return BitBlt(GetDrawDC(), b.left, b.top, b.right - b.left, b.bottom - b.top, scratch, sourceX, sourceY, SRCCOPY);
}

BOOL CTWDraw::DrawBitmapAt(const POINT* at, HBITMAP bitmap) {
    const SIZE size = BitmapSize(bitmap);
    const RECT dest{at->x, at->y, at->x + size.cx, at->y + size.cy};
    return BitBltBitmap(&dest, bitmap, 0, 0);
}

BOOL CTWDraw::StretchBitmap(const RECT* dest, HBITMAP bitmap, const RECT* source) {
    const HDC scratch = ScratchDC();
    if (!scratch || !bitmap || !dest) return FALSE;
    const SIZE size = BitmapSize(bitmap);
    const Rect s = SourcePart(size.cx, size.cy, source);
    const RECT b = ToBufferRect(dest->left, dest->top, dest->right, dest->bottom);
    const HDC dc = GetDrawDC();
    const int oldMode = SetStretchBltMode(dc, COLORONCOLOR);
    SetBrushOrgEx(dc, 0, 0, nullptr);
    hexmoor::win::SelectGuard select(scratch, bitmap);
    const BOOL result = StretchBlt(dc, b.left, b.top, b.right - b.left, b.bottom - b.top, scratch, s.left, s.top,
                                   s.right - s.left, s.bottom - s.top, SRCCOPY);
    SetStretchBltMode(dc, oldMode);
    return result;
}

BOOL CTWDraw::TileBitmap(const RECT* dest, HBITMAP bitmap, const RECT* source) {
    const HDC scratch = ScratchDC();
    if (!scratch || !bitmap || !dest) return FALSE;
    const SIZE size = BitmapSize(bitmap);
    const Rect s = SourcePart(size.cx, size.cy, source);
    const RECT b = ToBufferRect(dest->left, dest->top, dest->right, dest->bottom);
    // An empty source or destination has nothing to repeat: nothing is drawn.
    const std::vector<BlitOp> ops = PlanTiledImage(s, FromRECT(b));
    if (ops.empty()) return FALSE;
    hexmoor::win::SelectGuard select(scratch, bitmap);
    return BlitOps(GetDrawDC(), scratch, ops);
}

BOOL CTWDraw::DrawImageAt(const POINT* at, const CMrgBitmap* image) {
    if (!image || !at) return FALSE;
    if (!image->IsGdiplus()) return DrawBitmapAt(at, image->GetHBitmap());
    Gdiplus::Bitmap* bitmap = image->GetGdiplusBitmap();
    if (!bitmap) return FALSE;
    const POINT b = ToBufferPoint(at->x, at->y);
    const BlitOp op{{0, 0, int(bitmap->GetWidth()), int(bitmap->GetHeight())},
                    Rect::XYWH(b.x, b.y, int(bitmap->GetWidth()), int(bitmap->GetHeight()))};
    return BlitOpsGdiPlus(GetDrawDC(), bitmap, {op}, nullptr);
}

BOOL CTWDraw::StretchImage(const RECT* dest, const CMrgBitmap* image, const RECT* source) {
    if (!image || !dest) return FALSE;
    if (!image->IsGdiplus()) return StretchBitmap(dest, image->GetHBitmap(), source);
    Gdiplus::Bitmap* bitmap = image->GetGdiplusBitmap();
    if (!bitmap) return FALSE;
    const int iw = int(bitmap->GetWidth()), ih = int(bitmap->GetHeight());
    Rect s = SourcePart(iw, ih, source);
    const RECT b = ToBufferRect(dest->left, dest->top, dest->right, dest->bottom);
    // Interpolation reads past the last source pixel when enlarging: use one
    // pixel less along an axis that is stretched.
    if (ih < b.bottom - b.top && ih > 1) s.bottom -= 1;
    if (iw < b.right - b.left && iw > 1) s.right -= 1;
    return BlitOpsGdiPlus(GetDrawDC(), bitmap, {{s, FromRECT(b)}}, nullptr);
}

BOOL CTWDraw::TileImage(const RECT* dest, const CMrgBitmap* image, const RECT* source) {
    if (!image || !dest) return FALSE;
    if (!image->IsGdiplus()) return TileBitmap(dest, image->GetHBitmap(), source);
    Gdiplus::Bitmap* bitmap = image->GetGdiplusBitmap();
    if (!bitmap) return FALSE;
    const Rect s = SourcePart(int(bitmap->GetWidth()), int(bitmap->GetHeight()), source);
    const RECT b = ToBufferRect(dest->left, dest->top, dest->right, dest->bottom);
    const std::vector<BlitOp> ops = PlanTiledImage(s, FromRECT(b));
    if (ops.empty()) return FALSE;
    return BlitOpsGdiPlus(GetDrawDC(), bitmap, ops, nullptr);
}

BOOL CTWDraw::DrawSkinImage(const RECT* dest, const CMrgBitmap* image, BOOL centreOnly, const FadeRecord* fade) {
    if (!image || !dest || !image->HasImage()) return FALSE;
    if (!image->IsGdiplus() && !fade)
        return DrawMarginImageGdi(dest->left, dest->top, dest->right, dest->bottom, image, centreOnly, FALSE);
    return DrawMarginImageGdiPlus(dest->left, dest->top, dest->right, dest->bottom, image, centreOnly, FALSE, fade);
}

BOOL CTWDraw::DrawSkinImageFarAligned(const RECT* dest, const CMrgBitmap* image, BOOL centreOnly) {
    if (!image || !dest || !image->HasImage()) return FALSE;
    if (!image->IsGdiplus())
        return DrawMarginImageGdi(dest->left, dest->top, dest->right, dest->bottom, image, centreOnly, TRUE);
    return DrawMarginImageGdiPlus(dest->left, dest->top, dest->right, dest->bottom, image, centreOnly, TRUE, nullptr);
}

namespace {
std::vector<BlitOp> PlanFor(const CMrgBitmap* image, const RECT& b, BOOL centreOnly, BOOL farAligned, bool alpha) {
    NinePartOptions options;
    options.centreOnly = centreOnly != FALSE;
    options.farAligned = farAligned != FALSE;
    options.shrinkStretched = alpha;
    return PlanNinePart({image->GetWidth(), image->GetHeight()}, FromRECT(b),
                        {image->GetLeft(), image->GetTop(), image->GetRight(), image->GetBottom()},
                        {image->GetDrawMode(), image->GetMrgDrawMode()}, options);
}
} // namespace

BOOL CTWDraw::DrawMarginImageGdi(int left, int top, int right, int bottom, const CMrgBitmap* image, BOOL centreOnly,
                                 BOOL farAligned) {
    const HDC scratch = ScratchDC();
    if (!scratch || !image) return FALSE;
    const HBITMAP bitmap = image->GetHBitmap();
    if (!bitmap) return FALSE;
    const RECT b = ToBufferRect(left, top, right, bottom);
    const std::vector<BlitOp> ops = PlanFor(image, b, centreOnly, farAligned, false);
    const HDC dc = GetDrawDC();
    const int oldMode = SetStretchBltMode(dc, HALFTONE);
    SetBrushOrgEx(dc, 0, 0, nullptr);
    BOOL result;
    {
        hexmoor::win::SelectGuard select(scratch, bitmap);
        result = BlitOps(dc, scratch, ops);
    }
    SetStretchBltMode(dc, oldMode);
    return result;
}

BOOL CTWDraw::DrawMarginImageGdiPlus(int left, int top, int right, int bottom, const CMrgBitmap* image, BOOL centreOnly,
                                     BOOL farAligned, const FadeRecord* fade) {
    if (!image) return FALSE;
    const RECT b = ToBufferRect(left, top, right, bottom);
    const std::vector<BlitOp> ops = PlanFor(image, b, centreOnly, farAligned, true);
    std::unique_ptr<Gdiplus::Bitmap> wrapper;
    Gdiplus::Bitmap* source = nullptr;
    if (image->IsGdiplus()) {
        source = image->GetGdiplusBitmap();
    } else {
        wrapper.reset(Gdiplus::Bitmap::FromHBITMAP(image->GetHBitmap(), nullptr));
        source = wrapper.get();
    }
    if (!source) return FALSE;
    if (!fade) return BlitOpsGdiPlus(GetDrawDC(), source, ops, nullptr);

    // A fade draws every area with its alpha scaled by the current value.
    std::unique_ptr<Gdiplus::Bitmap> argb;
    if (image->IsGdiplus()) {
        argb =
            std::make_unique<Gdiplus::Bitmap>(INT(source->GetWidth()), INT(source->GetHeight()), PixelFormat32bppARGB);
        Gdiplus::Graphics g(argb.get());
        g.DrawImage(source, Gdiplus::Rect(0, 0, INT(source->GetWidth()), INT(source->GetHeight())), 0, 0,
                    INT(source->GetWidth()), INT(source->GetHeight()), Gdiplus::UnitPixel);
        source = argb.get();
    }
    Gdiplus::ColorMatrix matrix{};
    for (int i = 0; i < 5; ++i) matrix.m[i][i] = 1.0f;
    matrix.m[3][3] = fade->current;
    Gdiplus::ImageAttributes attributes;
    attributes.SetColorMatrix(&matrix, Gdiplus::ColorMatrixFlagsDefault, Gdiplus::ColorAdjustTypeBitmap);
    return BlitOpsGdiPlus(GetDrawDC(), source, ops, &attributes);
}

// --- text ---------------------------------------------------------------------

int CTWDraw::DrawTextW(const wchar_t* text, int count, RECT* rect, UINT format) {
    const HDC dc = GetDrawDC();
    if (!(bufferLayout_ & LAYOUT_RTL)) return ::DrawTextW(dc, text, count, rect, format);
    if (format & DT_CALCRECT) return ::DrawTextW(dc, text, count, rect, (format ^ DT_RIGHT) | DT_RTLREADING);
    // Right-to-left target with an unmirrored buffer: draw the text into a
    // bitmap and copy it mirrored, so the final mirrored blit shows it the
    // right way round.
    const int w = rect->right - rect->left, h = rect->bottom - rect->top;
    if (w <= 0 || h <= 0) return 1;
    Gdiplus::Bitmap bitmap(w, h, PixelFormat32bppARGB);
    {
        Gdiplus::Graphics g(&bitmap);
        const HDC textDc = g.GetHDC();
        ::SetTextColor(textDc, ::GetTextColor(dc));
        ::SetBkMode(textDc, ::GetBkMode(dc));
        ::SetBkColor(textDc, ::GetBkColor(dc));
        LOGFONTW lf{};
        GetObjectW(GetCurrentObject(dc, OBJ_FONT), sizeof lf, &lf);
        lf.lfQuality = NONANTIALIASED_QUALITY;
        hexmoor::win::Font font(CreateFontIndirectW(&lf));
        {
            hexmoor::win::SelectGuard select(textDc, font.Get());
            RECT local{0, 0, w, h};
            ::DrawTextW(textDc, text, count, &local, (format ^ DT_RIGHT) | DT_RTLREADING);
        }
        g.ReleaseHDC(textDc);
    }
    Gdiplus::Graphics target(dc);
    const Gdiplus::GraphicsContainer container = target.BeginContainer();
    target.TranslateTransform(Gdiplus::REAL(rect->left + rect->right), 0);
    target.ScaleTransform(-1.0f, 1.0f);
    target.DrawImage(&bitmap, INT(rect->left), INT(rect->top));
    target.EndContainer(container);
    return 1;
}

int CTWDraw::DrawTextU(const CUnicodeString* text, int count, RECT* rect, UINT format) {
    return text ? DrawTextW(text->Str().c_str(), count, rect, format) : 0;
}
