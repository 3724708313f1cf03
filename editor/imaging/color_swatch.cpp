#include "editor/imaging/color_swatch.h"

#include "base/win/gdi.h"
#include "editor/imaging/child_window.h"

namespace hexmoor::preview {

bool ColorSwatch::Create(HWND parent, const RECT& rect, int id, const wchar_t* text) {
    return CreateChildWindow(*this, parent, rect, id, WS_CHILD | WS_VISIBLE, text);
}

void ColorSwatch::SetSecondColor(ColorRef color) {
    state_.red = static_cast<int>(color & 0xFF);
    state_.green = static_cast<int>((color >> 8) & 0xFF);
    state_.blue = static_cast<int>((color >> 16) & 0xFF);
    state_.tolerance = false;
}

void ColorSwatch::SetTolerance(int red, int green, int blue) {
    state_.red = red;
    state_.green = green;
    state_.blue = blue;
    state_.tolerance = true;
}

ColorRef ColorSwatch::GetSecondColor() const {
    return static_cast<ColorRef>(state_.red & 0xFF) | (static_cast<ColorRef>(state_.green & 0xFF) << 8) |
           (static_cast<ColorRef>(state_.blue & 0xFF) << 16);
}

void ColorSwatch::Repaint() {
    if (Handle()) ::RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

bool ColorSwatch::OnEraseBackground(HDC) {
    return true; // the paint covers every pixel
}

bool ColorSwatch::OnPaint() {
    win::PaintScope paint(Handle());
    HDC dc = paint.Dc();
    RECT client{};
    ::GetClientRect(Handle(), &client);
    const Rect area{client.left, client.top, client.right, client.bottom};
    for (const SwatchBand& band : SwatchBands(state_, area)) {
        const RECT r{band.rect.left, band.rect.top, std::min(band.rect.right, area.right), band.rect.bottom};
        win::Brush brush(::CreateSolidBrush(band.color));
        ::FillRect(dc, &r, brush.Get());
    }
    ::FrameRect(dc, &client, static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH)));
    return true;
}

} // namespace hexmoor::preview
