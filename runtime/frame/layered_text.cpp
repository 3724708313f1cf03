#include "runtime/frame/layered_text.h"

#include <gdiplus.h>

#include <algorithm>
#include <memory>
#include <string>

#include "model/platform/imaging.h"

namespace hexmoor::rt {

namespace {
// The GDI+ font of a GDI font: its face at its pixel height, or the generic
// sans-serif family when the face is not known to GDI+.
std::unique_ptr<Gdiplus::Font> FontOf(HFONT font) {
    LOGFONTW lf{};
    if (!font || !GetObjectW(font, sizeof lf, &lf)) GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof lf, &lf);
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
    Gdiplus::StringFormat format(Gdiplus::StringFormatFlagsNoWrap |
                                 (rtl ? Gdiplus::StringFormatFlagsDirectionRightToLeft : 0));
    format.SetAlignment(Gdiplus::StringAlignmentNear);
    format.SetTrimming(Gdiplus::StringTrimmingEllipsisCharacter);
    const Gdiplus::RectF layout(float(left), float(corners[0].y), float(right - left),
                                float(corners[1].y - corners[0].y));
    const std::wstring owned(text);
    graphics.DrawString(owned.c_str(), INT(owned.size()), gdiplusFont.get(), layout, &format, &brush);
    graphics.Flush(Gdiplus::FlushIntentionSync);
    return true;
}

} // namespace hexmoor::rt
