#include "editor/shell/toolbar24.h"

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

void CToolBar24BitCtrl::LoadImages(UINT normal, UINT disabled, UINT hot) {
    fw::ToolbarImageOptions options;
    options.imageSize = imageSize_;
    options.initialCount = imageCount_;
    options.loadFlags = LR_CREATEDIBSECTION | LR_DEFAULTSIZE;
    options.key = key_;
    options.keyReplacement = GetSysColor(COLOR_MENU);
    lists_.Load(normal, hot, disabled, options);
    lists_.ApplyTo(Handle());
}

LRESULT CToolBar24BitCtrl::WindowProc(UINT msg, WPARAM wp, LPARAM lp) {
    // Huge sizes (seen while the pane is being laid out) never reach the
    // control, which would otherwise lay out thousands of pixels of buttons.
    if (msg == WM_SIZE && (LOWORD(lp) >= 3000 || HIWORD(lp) >= 3000)) return 0;
    return Window::WindowProc(msg, wp, lp);
}

} // namespace hexmoor::shell
