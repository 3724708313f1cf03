#include "tools/skinshot/menu_panel.h"

#include <string>

#include "base/win/dib.h"
#include "base/win/gdi.h"
#include "runtime/controls/popup_menu.h"
#include "runtime/wnd/object_registry.h"
#include "runtime/twf_api.h"

namespace skinshot {

namespace {

constexpr int kGap = 8;
constexpr int kShots = 4;

// Item positions of the panel's popup.
enum : int { kNormal, kDisabled, kSeparator, kSubmenu, kChecked, kRadio, kCount };

HMENU BuildPopup() {
    HMENU sub = CreatePopupMenu();
    AppendMenuW(sub, MF_STRING, 201, L"Inside");
    HMENU menu = CreatePopupMenu();
    AppendMenuW(menu, MF_STRING, 101, L"&Open\tCtrl+O");
    AppendMenuW(menu, MF_STRING | MF_GRAYED, 102, L"&Disabled");
    AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(menu, MF_POPUP, UINT_PTR(sub), L"&More");
    AppendMenuW(menu, MF_STRING | MF_CHECKED, 104, L"&Checked");
    AppendMenuW(menu, MF_STRING, 105, L"&Radio");
    CheckMenuRadioItem(menu, kRadio, kRadio, kRadio, MF_BYPOSITION);
    return menu;
}

void Highlight(HMENU menu, int index) {
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        MENUITEMINFOW info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_STATE;
        if (!GetMenuItemInfoW(menu, UINT(i), TRUE, &info)) continue;
        if (i == index)
            info.fState |= MFS_HILITE;
        else
            info.fState &= ~UINT(MFS_HILITE);
        SetMenuItemInfoW(menu, UINT(i), TRUE, &info);
    }
}

struct Shots {
    HMENU menu = nullptr;
    bool taken = false;
    Panel panel;
};
Shots* g_shots = nullptr;

// Takes the four pictures once the menu loop is idle, then ends the menu.
void TakeShots(HWND popup) {
    Shots& shots = *g_shots;
    shots.taken = true;
    RECT r{};
    GetWindowRect(popup, &r);
    const int w = r.right - r.left, h = r.bottom - r.top;
    const BITMAPINFO bi = hexmoor::win::TopDown32BitInfo(kShots * (w + kGap), h);
    void* bits = nullptr;
    shots.panel.picture.Reset(CreateDIBSection(nullptr, &bi, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!shots.panel.picture) {
        EndMenu();
        return;
    }
    shots.panel.width = kShots * (w + kGap);
    shots.panel.height = h;
    hexmoor::win::MemoryDC memory(nullptr);
    hexmoor::win::SelectGuard select(memory.Get(), shots.panel.picture.Get());
    PatBlt(memory.Get(), 0, 0, shots.panel.width, h, BLACKNESS);
    const struct {
        const char* state;
        int item;
        bool pressed;
    } states[kShots] = {{"normal", kNormal, false},
                        {"submenu-hot", kSubmenu, false},
                        {"disabled-hot", kDisabled, false},
                        {"pressed", kNormal, true}};
    auto* object = dynamic_cast<CTWMenu*>(GetSkinnedWindowObject(popup));
    for (int i = 0; i < kShots; ++i) {
        Highlight(shots.menu, states[i].item);
        RedrawWindow(popup, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW | RDW_ERASENOW);
        if (states[i].pressed && object) object->DrawItem(states[i].item, 2);
        {
            hexmoor::win::WindowDC source(popup, true);
            BitBlt(memory.Get(), i * (w + kGap), 0, w, h, source.Get(), 0, 0, SRCCOPY);
        }
        shots.panel.items.push_back({16, states[i].state, {i * (w + kGap), 0, i * (w + kGap) + w, h}});
    }
    GdiFlush();
    EndMenu();
}

LRESULT CALLBACK OwnerProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_ENTERIDLE && wp == MSGF_MENU && g_shots && !g_shots->taken && lp) {
        TakeShots(reinterpret_cast<HWND>(lp));
        return 0;
    }
    return DefWindowProcW(hwnd, msg, wp, lp);
}

} // namespace

Panel MakeMenuPanel(bool skinned) {
    static const wchar_t kClass[] = L"HexmoorSkinshotMenuOwner";
    WNDCLASSW wc{};
    wc.lpfnWndProc = &OwnerProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = kClass;
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    RegisterClassW(&wc);
    HWND owner = CreateWindowExW(0, kClass, L"", WS_POPUP | WS_VISIBLE, 0, 0, 120, 40, nullptr, nullptr,
                                 GetModuleHandleW(nullptr), nullptr);
    if (!owner) return {};
    if (skinned) {
        AttachBaseSkinnedObject(owner);
        ApplySkinToWindow(owner, 0);
    }
    SetForegroundWindow(owner);
    Shots shots;
    shots.menu = BuildPopup();
    g_shots = &shots;
    TrackPopupMenu(shots.menu, TPM_LEFTALIGN | TPM_TOPALIGN, 20, 20, 0, owner, nullptr);
    g_shots = nullptr;
    DestroyMenu(shots.menu);
    DestroyWindow(owner);
    return std::move(shots.panel);
}

} // namespace skinshot
