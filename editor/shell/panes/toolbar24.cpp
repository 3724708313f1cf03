#include "editor/shell/panes/toolbar24.h"

#include <utility>

namespace hexmoor::shell {

bool CToolBar24BitCtrl::CreateIn(HWND parent, UINT id, DWORD style) {
    fw::WindowArgs a;
    a.className = TOOLBARCLASSNAMEW;
    a.style = style;
    a.parent = parent;
    a.menuOrId = reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id));
    if (!Create(a)) return false;
    SendMessageW(Handle(), TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    return true;
}

void GreyPixels(std::span<std::uint8_t> pixels, KeyColor key) {
    for (std::size_t i = 0; i + 2 < pixels.size(); i += 3) {
        std::uint8_t& b = pixels[i];
        std::uint8_t& g = pixels[i + 1];
        std::uint8_t& r = pixels[i + 2];
        if (b == key.b && g == key.g && r == key.r) continue;
        // Luminance, lifted towards a light grey and flattened: the shape
        // stays readable, the colour goes.
        int lum = (r * 30 + g * 59 + b * 11) / 100;
        auto grey = static_cast<std::uint8_t>((lum + 2 * 168) / 3);
        if (grey == key.r && grey == key.g && grey == key.b) ++grey; // never the key
        b = g = r = grey;
    }
}

void CToolBar24BitCtrl::LoadImages(UINT normal, UINT disabled, UINT hot) {
    // The key colour (the bitmaps' background) becomes the mask, so the
    // buttons show whatever the pane paints behind them, on every look.
    fw::ToolbarImageOptions options;
    options.imageSize = imageSize_;
    options.initialCount = imageCount_;
    options.loadFlags = LR_CREATEDIBSECTION | LR_DEFAULTSIZE;
    options.transparent = RGB(key_.r, key_.g, key_.b);
    lists_.normal = fw::LoadToolbarImageList(normal, options);
    lists_.hot = fw::LoadToolbarImageList(hot, options);
    // Without art of its own the disabled set is the normal one greyed, so
    // a disabled button never looks enabled.
    if (disabled == normal) options.editRow = [key = key_](std::span<std::uint8_t> row) { GreyPixels(row, key); };
    lists_.disabled = fw::LoadToolbarImageList(disabled, options);
    SendMessageW(Handle(), TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(lists_.normal.Get()));
    SendMessageW(Handle(), TB_SETDISABLEDIMAGELIST, 0, reinterpret_cast<LPARAM>(lists_.disabled.Get()));
    SendMessageW(Handle(), TB_SETHOTIMAGELIST, 0, reinterpret_cast<LPARAM>(lists_.hot.Get()));
}

LRESULT CToolBar24BitCtrl::WindowProc(UINT msg, WPARAM wp, LPARAM lp) {
    // Huge sizes (seen while the pane is being laid out) never reach the
    // control, which would otherwise lay out thousands of pixels of buttons.
    if (msg == WM_SIZE && (LOWORD(lp) >= 3000 || HIWORD(lp) >= 3000)) return 0;
    if (msg == WM_MOUSEMOVE && makeTooltip_) std::exchange(makeTooltip_, nullptr)();
    return BufferedPaintWindow::WindowProc(msg, wp, lp);
}

} // namespace hexmoor::shell
