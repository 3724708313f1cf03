#include "editor/shell/toolbar24.h"

namespace hexmoor::shell {

CToolBar24BitCtrl::~CToolBar24BitCtrl() {
    for (HIMAGELIST l : {disabled_, hot_, normal_})
        if (l) ImageList_Destroy(l);
}

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

HIMAGELIST CToolBar24BitCtrl::LoadList(UINT bitmapId, bool greyed) {
    HBITMAP bmp = static_cast<HBITMAP>(LoadImageW(fw::ResourceModule(), MAKEINTRESOURCEW(bitmapId), IMAGE_BITMAP, 0, 0,
                                                  LR_CREATEDIBSECTION | LR_DEFAULTSIZE));
    if (!bmp) return nullptr;
    DIBSECTION ds{};
    if (greyed && GetObjectW(bmp, sizeof ds, &ds) == sizeof ds && ds.dsBm.bmBitsPixel == 24 && ds.dsBm.bmBits) {
        // Rows are padded to four bytes; work row by row so padding never
        // joins a pixel.
        auto* bits = static_cast<std::uint8_t*>(ds.dsBm.bmBits);
        std::size_t row = static_cast<std::size_t>(ds.dsBm.bmWidthBytes);
        for (LONG y = 0; y < ds.dsBm.bmHeight; ++y)
            GreyPixels({bits + row * static_cast<std::size_t>(y), static_cast<std::size_t>(ds.dsBm.bmWidth) * 3}, key_);
    }
    // The key colour (the bitmap's background) becomes the mask, so the
    // buttons show whatever the pane paints behind them, on every look.
    HIMAGELIST list = ImageList_Create(imageSize_.cx, imageSize_.cy, ILC_COLOR24 | ILC_MASK, imageCount_, 1);
    ImageList_AddMasked(list, bmp, RGB(key_.r, key_.g, key_.b));
    DeleteObject(bmp);
    return list;
}

void CToolBar24BitCtrl::LoadImages(UINT normal, UINT disabled, UINT hot) {
    for (HIMAGELIST* l : {&disabled_, &hot_, &normal_})
        if (*l) {
            ImageList_Destroy(*l);
            *l = nullptr;
        }
    normal_ = LoadList(normal, false);
    // Without art of its own the disabled set is the normal one greyed, so
    // a disabled button never looks enabled.
    disabled_ = LoadList(disabled, disabled == normal);
    hot_ = LoadList(hot, false);
    SendMessageW(Handle(), TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(normal_));
    SendMessageW(Handle(), TB_SETDISABLEDIMAGELIST, 0, reinterpret_cast<LPARAM>(disabled_));
    SendMessageW(Handle(), TB_SETHOTIMAGELIST, 0, reinterpret_cast<LPARAM>(hot_));
}

LRESULT CToolBar24BitCtrl::WindowProc(UINT msg, WPARAM wp, LPARAM lp) {
    // Huge sizes (seen while the pane is being laid out) never reach the
    // control, which would otherwise lay out thousands of pixels of buttons.
    if (msg == WM_SIZE && (LOWORD(lp) >= 3000 || HIWORD(lp) >= 3000)) return 0;
    return Window::WindowProc(msg, wp, lp);
}

} // namespace hexmoor::shell
