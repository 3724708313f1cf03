#include "runtime/frame/layered_caption.h"

#include <gdiplus.h>

#include <algorithm>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "base/win/dib.h"
#include "base/win/gdi.h"

#include "model/platform/imaging.h"
#include "runtime/window_helpers.h"

namespace hexmoor::rt {

namespace {
// The GDI+ font of a GDI font: its face at its pixel height, or the generic
// sans-serif family when the face is not known to GDI+.
std::unique_ptr<Gdiplus::Font> FontOf(HFONT font) {
    const LOGFONTW lf = LogFontOrDefault(font);
    int style = Gdiplus::FontStyleRegular;
    if (lf.lfWeight >= FW_BOLD) style |= Gdiplus::FontStyleBold;
    if (lf.lfItalic) style |= Gdiplus::FontStyleItalic;
    if (lf.lfUnderline) style |= Gdiplus::FontStyleUnderline;
    if (lf.lfStrikeOut) style |= Gdiplus::FontStyleStrikeout;
    const float size = float(lf.lfHeight ? std::abs(lf.lfHeight) : 13);
    auto made = std::make_unique<Gdiplus::Font>(lf.lfFaceName, size, style, Gdiplus::UnitPixel);
    if (made->GetLastStatus() == Gdiplus::Ok) return made;
    made = std::make_unique<Gdiplus::Font>(Gdiplus::FontFamily::GenericSansSerif(), size, style, Gdiplus::UnitPixel);
    return made->GetLastStatus() == Gdiplus::Ok ? std::move(made) : nullptr;
}
} // namespace

bool DrawLayeredText(HDC dc, std::wstring_view text, const RECT& box, HFONT font, COLORREF colour) {
    if (!dc || text.empty() || !hexmoor::platform::ImagingAvailable()) return false;
    DIBSECTION dib{};
    HGDIOBJ selected = GetCurrentObject(dc, OBJ_BITMAP);
    if (!selected || GetObjectW(selected, sizeof dib, &dib) != sizeof dib || !dib.dsBm.bmBits ||
        dib.dsBm.bmBitsPixel != 32)
        return false;
    const int width = dib.dsBm.bmWidth, height = dib.dsBm.bmHeight;
    const int stride = dib.dsBm.bmWidthBytes;
    // A bottom-up section is read from its last row upwards.
    auto* bits = static_cast<BYTE*>(dib.dsBm.bmBits);
    const bool bottomUp = dib.dsBmih.biHeight > 0;
    Gdiplus::Bitmap target(width, height, bottomUp ? -stride : stride, PixelFormat32bppPARGB,
                           bottomUp ? bits + std::ptrdiff_t(height - 1) * stride : bits);
    if (target.GetLastStatus() != Gdiplus::Ok) return false;

    // The box in the bitmap's pixels: through the DC's window origin, and
    // mirrored for a right-to-left DC.
    POINT corners[2] = {{box.left, box.top}, {box.right, box.bottom}};
    LPtoDP(dc, corners, 2);
    const bool rtl = (GetLayout(dc) & LAYOUT_RTL) != 0;
    // A mirrored DC maps a point x to width - 1 - x: the box's pixels start
    // one further right.
    const int shift = rtl ? 1 : 0;
    const int left = std::min(corners[0].x, corners[1].x) + shift;
    const int right = std::max(corners[0].x, corners[1].x) + shift;
    if (right <= left || corners[1].y <= corners[0].y) return true;

    std::unique_ptr<Gdiplus::Font> gdiplusFont = FontOf(font);
    if (!gdiplusFont) return false;
    Gdiplus::Graphics graphics(&target);
    graphics.SetTextRenderingHint(Gdiplus::TextRenderingHintAntiAlias);
    Gdiplus::SolidBrush brush(Gdiplus::Color(254, GetRValue(colour), GetGValue(colour), GetBValue(colour)));
    // Right-to-left text is read from the box's right edge (aligned there
    // rather than through the format's direction flag, which Wine's GDI+
    // ignores).
    Gdiplus::StringFormat format(Gdiplus::StringFormatFlagsNoWrap);
    format.SetAlignment(rtl ? Gdiplus::StringAlignmentFar : Gdiplus::StringAlignmentNear);
    format.SetTrimming(Gdiplus::StringTrimmingEllipsisCharacter);
    const Gdiplus::RectF layout(float(left), float(corners[0].y), float(right - left),
                                float(corners[1].y - corners[0].y));
    const std::wstring owned(text);
    graphics.DrawString(owned.c_str(), INT(owned.size()), gdiplusFont.get(), layout, &format, &brush);
    graphics.Flush(Gdiplus::FlushIntentionSync);
    return true;
}

namespace {
// The pixels of a bitmap as 32-bit top-down rows (alpha as stored, 0 for
// bitmaps without alpha).
std::vector<std::uint32_t> PixelsOf(HBITMAP bitmap, int width, int height) {
    std::vector<std::uint32_t> pixels(std::size_t(width) * std::size_t(height));
    BITMAPINFO info = hexmoor::win::TopDown32BitInfo(width, height);
    const hexmoor::win::WindowDC screen(nullptr);
    const int rows = GetDIBits(screen.Get(), bitmap, 0, UINT(height), pixels.data(), &info, DIB_RGB_COLORS);
    if (rows != height) pixels.clear();
    return pixels;
}
} // namespace

bool DrawLayeredIcon(HDC dc, HICON icon, const RECT& rect) {
    if (!dc || !icon || rect.right <= rect.left || rect.bottom <= rect.top) return false;
    ICONINFO info{};
    if (!GetIconInfo(icon, &info)) return false;
    hexmoor::win::Bitmap colourBitmap(info.hbmColor), maskBitmap(info.hbmMask);
    BITMAP bm{};
    if (!colourBitmap || !GetObjectW(colourBitmap.Get(), sizeof bm, &bm) || bm.bmWidth <= 0 || bm.bmHeight <= 0)
        return false;
    const int width = bm.bmWidth, height = bm.bmHeight;
    std::vector<std::uint32_t> colour = PixelsOf(colourBitmap.Get(), width, height);
    std::vector<std::uint32_t> mask =
        maskBitmap ? PixelsOf(maskBitmap.Get(), width, height) : std::vector<std::uint32_t>();
    if (colour.empty()) return false;
    const bool ownAlpha = bm.bmBitsPixel == 32 &&
                          std::any_of(colour.begin(), colour.end(), [](std::uint32_t p) { return (p >> 24) != 0; });

    // A premultiplied copy of the icon, blended into the bitmap.
    const BITMAPINFO header = hexmoor::win::TopDown32BitInfo(width, height);
    void* bits = nullptr;
    hexmoor::win::Bitmap premultiplied(CreateDIBSection(nullptr, &header, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!premultiplied || !bits) return false;
    auto* out = static_cast<std::uint32_t*>(bits);
    for (std::size_t i = 0; i < colour.size(); ++i) {
        const std::uint32_t p = colour[i];
        // Without alpha of its own, a black mask pixel is opaque.
        const std::uint32_t a = ownAlpha ? (p >> 24) : (mask.empty() || (mask[i] & 0xFFFFFF) == 0 ? 255u : 0u);
        const std::uint32_t r = ((p >> 16) & 0xFF) * a / 255, g = ((p >> 8) & 0xFF) * a / 255, b = (p & 0xFF) * a / 255;
        out[i] = (a << 24) | (r << 16) | (g << 8) | b;
    }
    const hexmoor::win::MemoryDC source(dc);
    if (!source) return false;
    const hexmoor::win::SelectGuard select(source.Get(), premultiplied.Get());
    const BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    const BOOL drawn = GdiAlphaBlend(dc, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
                                     source.Get(), 0, 0, width, height, blend);
    return drawn != FALSE;
}

} // namespace hexmoor::rt
