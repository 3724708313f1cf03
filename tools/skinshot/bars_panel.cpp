#include "tools/skinshot/bars_panel.h"

#include <commctrl.h>

#include <iterator>

#include "base/win/dib.h"
#include "base/win/gdi.h"
#include "runtime/twf_api.h"

namespace skinshot {

namespace {

constexpr int kPanelWidth = 400;
constexpr int kPanelHeight = 160;
constexpr int kBarWidth = 320, kBarHeight = 30;

void Settle() {
    for (int i = 0; i < 8; ++i) {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        Sleep(10);
    }
}

void Mouse(DWORD flags) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    SendInput(1, &input, sizeof input);
}

void MoveTo(POINT screen) {
    SetCursorPos(screen.x, screen.y);
    Mouse(MOUSEEVENTF_MOVE);
}

TBBUTTON Button(int id, BYTE state, BYTE style, int bitmap = I_IMAGENONE, const wchar_t* text = nullptr) {
    TBBUTTON b{};
    b.iBitmap = bitmap;
    b.idCommand = id;
    b.fsState = state;
    b.fsStyle = style;
    b.iString = text ? reinterpret_cast<INT_PTR>(text) : -1;
    return b;
}

HWND MakeToolbar(HWND host, int y, int id) {
    HWND bar = CreateWindowExW(
        0, TOOLBARCLASSNAMEW, L"", WS_CHILD | WS_VISIBLE | CCS_NORESIZE | CCS_NOPARENTALIGN | CCS_NODIVIDER, 8, y,
        kBarWidth, kBarHeight, host, reinterpret_cast<HMENU>(INT_PTR(id)), GetModuleHandleW(nullptr), nullptr);
    SendMessageW(bar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    // Texts show the enabled and the disabled text colour.
    TBBUTTON buttons[] = {Button(101, TBSTATE_ENABLED, BTNS_BUTTON, I_IMAGENONE, L"Open"),
                          Button(102, TBSTATE_ENABLED | TBSTATE_CHECKED, BTNS_CHECK, I_IMAGENONE, L"Bold"),
                          Button(103, 0, BTNS_BUTTON, I_IMAGENONE, L"Cut"), Button(0, TBSTATE_ENABLED, BTNS_SEP, 8),
                          Button(104, TBSTATE_ENABLED, BTNS_DROPDOWN, I_IMAGENONE, L"More")};
    SendMessageW(bar, TB_ADDBUTTONSW, std::size(buttons), reinterpret_cast<LPARAM>(buttons));
    SendMessageW(bar, TB_SETEXTENDEDSTYLE, 0, TBSTYLE_EX_DRAWDDARROWS);
    return bar;
}

// The centre of a toolbar's first button on the screen.
POINT FirstButton(HWND bar) {
    RECT r{};
    SendMessageW(bar, TB_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&r));
    POINT p{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    ClientToScreen(bar, &p);
    return p;
}

} // namespace

Panel MakeBarsPanel(bool skinned) {
    INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_BAR_CLASSES};
    InitCommonControlsEx(&icc);
    HWND host = CreateWindowExW(0, L"#32770", L"", WS_POPUP | WS_VISIBLE, 0, 0, kPanelWidth, kPanelHeight, nullptr,
                                nullptr, GetModuleHandleW(nullptr), nullptr);
    if (!host) return {};
    HWND normal = MakeToolbar(host, 8, 501);
    HWND hot = MakeToolbar(host, 8 + (kBarHeight + 8), 502);
    HWND pressed = MakeToolbar(host, 8 + 2 * (kBarHeight + 8), 503);
    HWND status = CreateWindowExW(0, STATUSCLASSNAMEW, L"",
                                  WS_CHILD | WS_VISIBLE | SBARS_SIZEGRIP | CCS_NORESIZE | CCS_NOPARENTALIGN, 8,
                                  8 + 3 * (kBarHeight + 8), kBarWidth, 22, host, reinterpret_cast<HMENU>(INT_PTR(504)),
                                  GetModuleHandleW(nullptr), nullptr);
    // The last pane stops short of the grip, which shows beside it.
    const int parts[] = {100, 200, kBarWidth - 30};
    SendMessageW(status, SB_SETPARTS, 3, reinterpret_cast<LPARAM>(parts));
    SendMessageW(status, SB_SETTEXTW, 0, reinterpret_cast<LPARAM>(L"Ready"));
    SendMessageW(status, SB_SETTEXTW, 1, reinterpret_cast<LPARAM>(L"Line 1"));
    SendMessageW(status, SB_SETTEXTW, 2, reinterpret_cast<LPARAM>(L"Col 1"));

    if (skinned) ApplySkinToWindow(host, 1);
    MoveTo({kPanelWidth + 200, kPanelHeight + 200});
    Settle();
    RedrawWindow(host, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    Settle();

    Panel result;
    const BITMAPINFO bi = hexmoor::win::TopDown32BitInfo(kPanelWidth, kPanelHeight);
    void* bits = nullptr;
    result.picture.Reset(CreateDIBSection(nullptr, &bi, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!result.picture || !bits) {
        DestroyWindow(host);
        return {};
    }
    result.width = kPanelWidth;
    result.height = kPanelHeight;
    hexmoor::win::MemoryDC memory(nullptr);
    hexmoor::win::SelectGuard select(memory.Get(), result.picture.Get());
    {
        hexmoor::win::WindowDC source(host, true);
        BitBlt(memory.Get(), 0, 0, kPanelWidth, kPanelHeight, source.Get(), 0, 0, SRCCOPY);
    }
    RECT hostRect{};
    GetWindowRect(host, &hostRect);
    auto take = [&](HWND w, int kind, const char* state) {
        RECT r{};
        GetWindowRect(w, &r);
        OffsetRect(&r, -hostRect.left, -hostRect.top);
        RedrawWindow(w, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ERASE | RDW_UPDATENOW);
        hexmoor::win::WindowDC source(w, true);
        BitBlt(memory.Get(), r.left, r.top, r.right - r.left, r.bottom - r.top, source.Get(), 0, 0, SRCCOPY);
        result.items.push_back({kind, state, r});
    };
    take(normal, 11, "normal");
    // The pointer over the first button, then the left button held on it.
    MoveTo(FirstButton(hot));
    Settle();
    take(hot, 11, "hot");
    MoveTo(FirstButton(pressed));
    Settle();
    Mouse(MOUSEEVENTF_LEFTDOWN);
    Settle();
    take(pressed, 11, "pressed");
    Mouse(MOUSEEVENTF_LEFTUP);
    MoveTo({kPanelWidth + 200, kPanelHeight + 200});
    Settle();
    take(status, 12, "normal");
    GdiFlush();
    DestroyWindow(host);
    return result;
}

} // namespace skinshot
