#include "editor/preview/strips/strip_paint.h"

#include <cstring>
#include <span>
#include <vector>

#include "base/win/gdi.h"
#include "base/win/rect.h"
#include "model/mrg_bitmap.h"
#include "model/platform/image.h"
#include "model/twf_obj.h"
#include "runtime/draw/tw_draw.h"
#include "runtime/window_helpers.h"

namespace hexmoor::preview {

namespace {

bool IsOn(const CTwfObj* element) { return element && element->IsEnabled(); }

// Fills the plan's areas white, or draws its fallback picture.
void PaintPlanGround(HDC dc, const StripPlan& plan, bool enabled, bool outlined, const FallbackPainter& fallback) {
    if (!enabled) {
        if (fallback) fallback(dc, plan.fallbackPicture, plan.fallbackAt);
        return;
    }
    CTWDraw draw(dc, nullptr, FALSE);
    if (!outlined) {
        for (const Rect& r : plan.whiteFill) {
            const RECT area = ToRECT(r);
            draw.FillSolidRect(&area, 0xFFFFFF);
        }
        return;
    }
    // Each menu: white, then a black one-pixel outline around it.
    win::Pen pen(::CreatePen(PS_SOLID, 1, 0));
    win::SelectGuard penGuard(dc, pen.Get());
    win::SelectGuard brushGuard(dc, ::GetStockObject(WHITE_BRUSH));
    for (const Rect& r : plan.whiteFill) {
        const RECT area = ToRECT(r);
        draw.FillSolidRect(&area, 0xFFFFFF);
        draw.Rectangle(&area);
    }
}

void PaintPlanItems(HDC dc, const StripPlan& plan, const CTwfObj* element, bool menus) {
    const bool enabled = IsOn(element);
    CTWDraw draw(dc, nullptr, FALSE);
    for (const StripItemSpec& item : plan.items) {
        if (enabled) {
            RECT area = ToRECT(item.rect);
            draw.DrawSkinImage(&area, element->GetImage(item.image), FALSE, nullptr);
        }
        if (item.text.empty()) continue;
        const COLORREF colour =
            enabled ? element->GetColor(item.colour) : (item.greyWhenDisabled ? kDisabledGreyText : COLORREF(0));
        ::SetTextColor(dc, colour);
        PlacedText placed{item.rect, kStripTextFormat};
        if (menus) placed = PlaceMenuText(item);
        RECT area = ToRECT(placed.rect);
        ::DrawTextA(dc, item.text.c_str(), -1, &area, placed.format);
    }
}

// Transparent text in the strip font around a paint.
class TextScope {
public:
    TextScope(HDC dc, HFONT font) : mode_(dc, ::SetBkMode(dc, TRANSPARENT)), font_(dc, font) {}

private:
    struct Mode {
        Mode(HDC dc, int previous) : dc(dc), previous(previous) {}
        ~Mode() { ::SetBkMode(dc, previous); }
        HDC dc;
        int previous;
    } mode_;
    win::SelectGuard font_;
};

} // namespace

HFONT StripFont(const CTwfObj* element, HFONT windowFont) {
    if (element && element->GetFont() && element->GetFont()->GetSafeHandle())
        return element->GetFont()->GetSafeHandle();
    return rt::FontOrDefault(windowFont);
}

void DrawPngResource(HDC dc, int pictureId, Point at) {
    HMODULE module = ::GetModuleHandleW(nullptr);
    HRSRC found = ::FindResourceW(module, MAKEINTRESOURCEW(pictureId), L"PNG");
    if (!found) return;
    HGLOBAL loaded = ::LoadResource(module, found);
    const void* bytes = loaded ? ::LockResource(loaded) : nullptr;
    const DWORD size = ::SizeofResource(module, found);
    if (!bytes || !size) return;
    platform::DecodedImage decoded =
        platform::DecodeImageStream(std::span<const std::uint8_t>(static_cast<const std::uint8_t*>(bytes), size));
    if (!decoded.png) return;
    const CMrgBitmap picture(std::move(decoded.png), MrgBitmapParams{});
    CTWDraw draw(dc, nullptr, FALSE);
    const POINT point{at.x, at.y};
    draw.DrawImageAt(&point, &picture);
}

void PaintToolStrip(HDC dc, Size size, const CTwfObj* toolStrip, HFONT windowFont, const FallbackPainter& fallback) {
    const StripPlan plan = ToolStripPlan(size.cx);
    TextScope text(dc, StripFont(toolStrip, windowFont));
    PaintPlanGround(dc, plan, IsOn(toolStrip), false, fallback);
    PaintPlanItems(dc, plan, toolStrip, false);
}

void PaintStatusStrip(HDC dc, Size size, const CTwfObj* statusStrip, HFONT windowFont,
                      const FallbackPainter& fallback) {
    const StripPlan plan = StatusStripPlan(size.cx, size.cy);
    TextScope text(dc, StripFont(statusStrip, windowFont));
    PaintPlanGround(dc, plan, IsOn(statusStrip), false, fallback);
    PaintPlanItems(dc, plan, statusStrip, false);
}

void PaintMenuStrip(HDC dc, Size size, const CTwfObj* menuStrip, const CTwfObj* dropDownMenus, HFONT windowFont,
                    const FallbackPainter& fallback) {
    TextScope text(dc, StripFont(menuStrip, windowFont));
    const StripPlan bar = MenuStripBarPlan(size.cx);
    PaintPlanGround(dc, bar, IsOn(menuStrip), false, fallback);
    PaintPlanItems(dc, bar, menuStrip, false);
    const StripPlan menus = DropDownMenusPlan();
    PaintPlanGround(dc, menus, IsOn(dropDownMenus), true, fallback);
    PaintPlanItems(dc, menus, dropDownMenus, true);
}

} // namespace hexmoor::preview
