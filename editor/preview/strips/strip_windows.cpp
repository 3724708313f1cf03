#include "editor/preview/strips/strip_windows.h"

#include <commctrl.h>

#include "base/win/dib.h"
#include "editor/preview/strips/strip_paint.h"
#include "model/twf_manager.h"
#include "model/twf_skin.h"
#include "resources/strip_samples_ids.h"
#include "runtime/draw/tw_draw.h"
#include "runtime/twf_api.h"

namespace hexmoor::preview {

const CTwfObj* StripElement(WORD type) {
    CTwfManager* manager = GetRuntimeSkinManager();
    CTwfSkin* skin = manager ? manager->GetMainSkin() : nullptr;
    return skin ? skin->FindObject(type, L"") : nullptr;
}

bool CStaticBaseStrip::CreateStrip(HWND dialog, UINT id, const RECT& place) {
    fw::WindowArgs args;
    args.className = L"Static";
    args.style = WS_CHILD | WS_VISIBLE | SS_CENTER;
    args.x = place.left;
    args.y = place.top;
    args.width = place.right - place.left;
    args.height = place.bottom - place.top;
    args.parent = dialog;
    args.menuOrId = reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id));
    if (!Create(args)) return false;
    const win::WindowDC screen(nullptr);
    LOGFONTW lf{};
    lf.lfHeight = -MulDiv(8, GetDeviceCaps(screen.Get(), LOGPIXELSY), 72);
    lf.lfCharSet = DEFAULT_CHARSET;
    wcscpy(lf.lfFaceName, L"MS Sans Serif");
    font_.Reset(CreateFontIndirectW(&lf));
    CreateHosted();
    return true;
}

HWND CStaticBaseStrip::Host(const wchar_t* cls, UINT id, const RECT& r, DWORD style, const wchar_t* text, bool font) {
    HWND h = CreateWindowExW(0, cls, text, style, r.left, r.top, r.right - r.left, r.bottom - r.top, Handle(),
                             reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)), fw::ResourceModule(), nullptr);
    if (h && font) SendMessageW(h, WM_SETFONT, reinterpret_cast<WPARAM>(font_.Get()), TRUE);
    return h;
}

void CStaticBaseStrip::DrawParentBackground(HDC dc) {
    HWND parent = GetParent(Handle());
    RECT parentClient{}, mine{};
    GetClientRect(parent, &parentClient);
    GetClientRect(Handle(), &mine);
    if (parentClient.right <= 0 || parentClient.bottom <= 0) return;
    win::MemoryDC memory(nullptr);
    win::Bitmap bitmap(win::CreateScreenBitmap(parentClient.right, parentClient.bottom));
    win::SelectGuard select(memory.Get(), bitmap.Get());
    // The dialog (a skinned sample) paints its background into the copy.
    SendMessageW(parent, WM_ERASEBKGND, reinterpret_cast<WPARAM>(memory.Get()), 0);
    MapWindowPoints(Handle(), parent, reinterpret_cast<POINT*>(&mine), 2);
    BitBlt(dc, 0, 0, mine.right - mine.left, mine.bottom - mine.top, memory.Get(), mine.left, mine.top, SRCCOPY);
}

void CStaticBaseStrip::PaintPicture(HDC dc) {
    RECT client{};
    GetClientRect(Handle(), &client);
    DrawParentBackground(dc);
    PaintStrip(dc, Size{client.right, client.bottom},
               reinterpret_cast<HFONT>(SendMessageW(Handle(), WM_GETFONT, 0, 0)));
}

bool CStaticBaseStrip::OnPaint() {
    RECT client{};
    GetClientRect(Handle(), &client);
    // Drawn into one buffer and copied to the window at the end.
    CTWDraw draw(Handle(), CTWDraw::kBeginPaint, &client, FALSE);
    if (HDC dc = draw.GetDrawDC()) PaintPicture(dc);
    return true;
}

void CStaticMenuStrip::CreateHosted() {
    const DWORD combo = WS_CHILD | WS_VISIBLE | CBS_DROPDOWN, edit = WS_CHILD | WS_VISIBLE | WS_BORDER;
    HWND barCombo = Host(L"ComboBox", IDC_STRIP_BAR_COMBO, {230, 2, 351, 26}, combo, L"", true);
    HWND barEdit = Host(L"Edit", IDC_STRIP_BAR_EDIT, {353, 4, 453, 24}, edit, L"EditBox", true);
    HWND menuEdit = Host(L"Edit", IDC_STRIP_MENU_EDIT, {44, 72, 144, 92}, edit, L"EditBox", true);
    HWND disabledEdit =
        Host(L"Edit", IDC_STRIP_MENU_EDIT_DISABLED, {44, 116, 144, 136}, edit | WS_DISABLED, L"EditBox", true);
    HWND menuCombo = Host(L"ComboBox", IDC_STRIP_MENU_COMBO, {206, 59, 326, 83}, combo, L"", true);
    for (HWND c : {barCombo, menuCombo})
        for (const wchar_t* item : {L"Item1", L"Item22", L"Item333", L"Item4444"})
            SendMessageW(c, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
    for (HWND e : {barEdit, menuEdit, disabledEdit}) {
        SetWindowLongPtrW(e, GWL_EXSTYLE, GetWindowLongPtrW(e, GWL_EXSTYLE) | WS_EX_CLIENTEDGE);
        SetWindowPos(e, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED);
    }
}

void CStaticMenuStrip::PaintStrip(HDC dc, Size size, HFONT windowFont) {
    PaintMenuStrip(dc, size, StripElement(43), StripElement(42), windowFont);
}

void CStaticToolStrip::PaintStrip(HDC dc, Size size, HFONT windowFont) {
    PaintToolStrip(dc, size, StripElement(40), windowFont);
}

void CStaticStatusStrip::CreateHosted() {
    HWND bar = CreateWindowExW(WS_EX_CLIENTEDGE, PROGRESS_CLASSW, nullptr, WS_CHILD | WS_VISIBLE, 463, 3, 100, 16,
                               Handle(), reinterpret_cast<HMENU>(static_cast<UINT_PTR>(IDC_STRIP_PROGRESS)),
                               fw::ResourceModule(), nullptr);
    if (bar) SendMessageW(bar, PBM_SETPOS, 30, 0);
}

void CStaticStatusStrip::PaintStrip(HDC dc, Size size, HFONT windowFont) {
    PaintStatusStrip(dc, size, StripElement(41), windowFont);
}

} // namespace hexmoor::preview
