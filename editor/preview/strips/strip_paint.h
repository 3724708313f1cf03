#pragma once
// Paints the simulated .NET strips from the skin, item by item: each strip
// is a function of a DC, the strip window's size and the element objects,
// so it runs on a memory DC as well as in a window's paint. A missing or
// switched-off element paints its fallback picture, with black texts and
// grey ones for the items marked disabled.

#include <windows.h>

#include <functional>

#include "base/geometry.h"
#include "editor/preview/strips/strip_tables.h"

class CTwfObj;

namespace hexmoor::preview {

// Draws a fallback picture (a "PNG" resource by id) at its natural size.
using FallbackPainter = std::function<void(HDC, int pictureId, Point at)>;
// The program's own "PNG" resources.
void DrawPngResource(HDC dc, int pictureId, Point at);

// The strip texts' font: the element's own font, else the strip window's
// font, else the system's default GUI font.
HFONT StripFont(const CTwfObj* element, HFONT windowFont);

// Grey and black: the texts of a disabled element.
inline constexpr COLORREF kDisabledGreyText = 0x808080;

void PaintToolStrip(HDC dc, Size size, const CTwfObj* toolStrip, HFONT windowFont,
                    const FallbackPainter& fallback = DrawPngResource);
void PaintStatusStrip(HDC dc, Size size, const CTwfObj* statusStrip, HFONT windowFont,
                      const FallbackPainter& fallback = DrawPngResource);
// The bar and the menus are judged separately; the font comes from the bar.
void PaintMenuStrip(HDC dc, Size size, const CTwfObj* menuStrip, const CTwfObj* dropDownMenus, HFONT windowFont,
                    const FallbackPainter& fallback = DrawPngResource);

} // namespace hexmoor::preview
