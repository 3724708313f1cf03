#include "editor/shell/toolbar24.h"

namespace hexmoor::shell {

void ReplaceKeyColor(std::span<std::uint8_t> pixels, KeyColor key, COLORREF replacement) {
    for (std::size_t i = 0; i + 2 < pixels.size(); i += 3) {
        if (pixels[i] == key.b && pixels[i + 1] == key.g && pixels[i + 2] == key.r) {
            pixels[i] = GetBValue(replacement);
            pixels[i + 1] = GetGValue(replacement);
            pixels[i + 2] = GetRValue(replacement);
        }
    }
}

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

HIMAGELIST CToolBar24BitCtrl::LoadList(UINT bitmapId) {
    HBITMAP bmp = static_cast<HBITMAP>(LoadImageW(fw::ResourceModule(), MAKEINTRESOURCEW(bitmapId), IMAGE_BITMAP, 0, 0,
                                                  LR_CREATEDIBSECTION | LR_DEFAULTSIZE));
    if (!bmp) return nullptr;
    DIBSECTION ds{};
    if (GetObjectW(bmp, sizeof ds, &ds) == sizeof ds && ds.dsBm.bmBitsPixel == 24 && ds.dsBm.bmBits) {
        // Rows are padded to four bytes; recolour row by row so padding
        // never joins a pixel.
        auto* bits = static_cast<std::uint8_t*>(ds.dsBm.bmBits);
        std::size_t row = static_cast<std::size_t>(ds.dsBm.bmWidthBytes);
        COLORREF menu = GetSysColor(COLOR_MENU);
        for (LONG y = 0; y < ds.dsBm.bmHeight; ++y)
            ReplaceKeyColor({bits + row * static_cast<std::size_t>(y), static_cast<std::size_t>(ds.dsBm.bmWidth) * 3},
                            key_, menu);
    }
    HIMAGELIST list = ImageList_Create(imageSize_.cx, imageSize_.cy, ILC_COLOR24, imageCount_, 1);
    ImageList_Add(list, bmp, nullptr);
    DeleteObject(bmp);
    return list;
}

void CToolBar24BitCtrl::LoadImages(UINT normal, UINT disabled, UINT hot) {
    for (HIMAGELIST* l : {&disabled_, &hot_, &normal_})
        if (*l) {
            ImageList_Destroy(*l);
            *l = nullptr;
        }
    normal_ = LoadList(normal);
    disabled_ = LoadList(disabled);
    hot_ = LoadList(hot);
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
