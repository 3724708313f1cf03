#include "runtime/controls/static_base.h"

#include "runtime/controls/control_gate.h"
#include "runtime/draw/tw_draw.h"
#include "runtime/logic/align.h"
#include "runtime/logic/button_format.h"
#include "runtime/text/support_unicode.h"

using namespace hexmoor;
using namespace hexmoor::rt;

unsigned CTWStaticBase::GetTextFormat(DWORD style) { return button::StaticTextFormat(style); }

LRESULT CTWStaticBase::EraseBackground(HDC dc, HWND child, const RECT* rect) {
    return EraseWithParent(hWnd_, dc, child, rect);
}

void CTWStaticBase::DrawBackground(CTWDraw& draw, const RECT&) { EraseBackground(draw.GetDrawDC(), hWnd_, nullptr); }

void CTWStaticBase::DrawCaption(CTWDraw& draw, const RECT& rect) {
    const CSupportUnicode unicode = Unicode();
    const CUnicodeString text = unicode.GetText();
    const HDC dc = draw.GetDrawDC();
    const int mode = ::SetBkMode(dc, TRANSPARENT);
    const COLORREF previous = ::SetTextColor(dc, HasCustomColor() ? GetCustomColor() : GetTextColor(0));
    hexmoor::win::SelectGuard selectedFont = SelectWindowFont(dc);
    const DWORD style = DWORD(GetWindowLongPtrW(hWnd_, GWL_STYLE));
    const unsigned format = GetTextFormat(style) | DT_EXPANDTABS;
    if (button::StaticCaptionDrawsInPlace(style)) {
        // The measured box would start at the box's own corner: one draw.
        RECT box = rect;
        unicode.DrawUnicodeText(dc, text, -1, &box, format);
    } else {
        RECT measured = rect;
        unicode.DrawUnicodeText(dc, text, -1, &measured, (format & ~(DT_CENTER | DT_VCENTER)) | DT_CALCRECT);
        ContentLayout layout;
        layout.firstCode = layout.secondCode = button::StaticAlignment(style);
        layout.firstWidth = measured.right - measured.left;
        layout.firstHeight = measured.bottom - measured.top;
        const auto placed = AlignTwoRectsInBox({rect.left, rect.top, rect.right, rect.bottom}, layout).first;
        RECT box{placed.left, placed.top, placed.right, placed.bottom};
        unicode.DrawUnicodeText(dc, text, -1, &box, format);
    }
    selectedFont.Restore();
    ::SetTextColor(dc, previous);
    ::SetBkMode(dc, mode);
}
