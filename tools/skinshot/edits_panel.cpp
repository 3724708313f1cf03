#include "tools/skinshot/edits_panel.h"

#include <richedit.h>

#include <algorithm>
#include <functional>

#include "base/win/dib.h"
#include "base/win/gdi.h"
#include "runtime/twf_api.h"

namespace skinshot {

namespace {

constexpr int kWidth = 640, kHeight = 320;
// Where the open drop list of the dropped combo is shown on the sheet.
constexpr POINT kDropListAt{384, 216};
constexpr int kComboWidth = 140;

void Pump() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

// One item: its window and, for the states that focus or input ends again,
// how they are shown around the item's own picture.
struct Item {
    int kind;
    const char* state;
    HWND window;
    std::function<void(HWND)> show;
    std::function<void(HWND)> undo;
    // A second window shown while the item is in its state (the open drop
    // list of a dropped combo), captured as its own item at a place of the
    // sheet.
    std::function<HWND(HWND)> companion;
    int companionKind = 0;
    const char* companionState = nullptr;
};

HWND DropListOf(HWND combo) {
    COMBOBOXINFO info{};
    info.cbSize = sizeof(info);
    return SendMessageW(combo, CB_GETCOMBOBOXINFO, 0, reinterpret_cast<LPARAM>(&info)) ? info.hwndList : nullptr;
}

HWND Make(HWND host, DWORD ex, const wchar_t* cls, const wchar_t* text, DWORD style, int x, int y, int w, int h) {
    return CreateWindowExW(ex, cls, text, WS_CHILD | WS_VISIBLE | style, x, y, w, h, host, nullptr,
                           GetModuleHandleW(nullptr), nullptr);
}

HWND MakeCombo(HWND host, DWORD style, int x, int y, int h) {
    HWND combo = Make(host, 0, L"COMBOBOX", L"", style | WS_VSCROLL | WS_TABSTOP, x, y, kComboWidth, h);
    for (const wchar_t* text : {L"First", L"Second", L"Third", L"Fourth", L"Fifth"})
        SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
    SendMessageW(combo, CB_SETCURSEL, 1, 0);
    return combo;
}

} // namespace

Panel MakeEditsPanel(bool skinned) {
    LoadLibraryW(L"riched20.dll");
    HWND host = CreateWindowExW(0, L"#32770", L"", WS_POPUP | WS_VISIBLE, 0, 0, kWidth, kHeight, nullptr, nullptr,
                                GetModuleHandleW(nullptr), nullptr);
    if (!host) return {};
    // Holds the focus while no item asks for it.
    HWND anchor = Make(host, 0, L"BUTTON", L"", BS_CHECKBOX, 0, kHeight - 4, 2, 2);
    std::vector<Item> items;
    const DWORD edge = WS_EX_CLIENTEDGE;
    const char* editStates[] = {"normal", "focused", "disabled", "readonly", "password"};
    for (int i = 0; i < 5; ++i) {
        const std::string state = editStates[i];
        const DWORD style = ES_AUTOHSCROLL | (state == "password" ? ES_PASSWORD : 0);
        HWND edit = Make(host, edge, L"EDIT", L"Edit text", style, 8, 8 + i * 34, 150, 26);
        Item item{3, editStates[i], edit, nullptr, nullptr};
        if (state == "focused") {
            item.show = [](HWND w) {
                SetFocus(w);
                SendMessageW(w, EM_SETSEL, 0, 3);
                HideCaret(w);
            };
        } else if (state == "disabled") {
            EnableWindow(edit, FALSE);
        } else if (state == "readonly") {
            SendMessageW(edit, EM_SETREADONLY, TRUE, 0);
        }
        items.push_back(std::move(item));
    }
    std::wstring lines;
    for (int i = 1; i <= 12; ++i)
        lines += L"Line " + std::to_wstring(i) + L" of a multi-line edit that is wider than its box\r\n";
    HWND multi = Make(host, edge, L"EDIT", lines.c_str(),
                      ES_MULTILINE | ES_AUTOVSCROLL | ES_AUTOHSCROLL | WS_VSCROLL | WS_HSCROLL, 170, 8, 200, 120);
    items.push_back({3, "multiline", multi, nullptr, nullptr});
    HWND rich = Make(host, edge, RICHEDIT_CLASSW, L"Rich edit text", ES_MULTILINE, 170, 140, 200, 60);
    if (rich) items.push_back({3, "rich", rich, nullptr, nullptr});

    const char* comboStates[] = {"normal", "hot", "dropped", "focused", "disabled"};
    for (int i = 0; i < 5; ++i) {
        const std::string state = comboStates[i];
        HWND combo = MakeCombo(host, CBS_DROPDOWNLIST, 384, 8 + i * 34, 150);
        Item item{13, comboStates[i], combo, nullptr, nullptr};
        if (state == "hot") {
            item.show = [](HWND w) {
                RECT r{};
                GetClientRect(w, &r);
                SendMessageW(w, WM_MOUSEMOVE, 0, MAKELPARAM(r.right - 6, r.bottom / 2));
            };
            item.undo = [](HWND w) {
                SendMessageW(w, WM_MOUSEMOVE, 0, MAKELPARAM(2, 2));
                SendMessageW(w, WM_MOUSELEAVE, 0, 0);
            };
        } else if (state == "dropped") {
            item.show = [](HWND w) { SendMessageW(w, CB_SHOWDROPDOWN, TRUE, 0); };
            item.undo = [](HWND w) { SendMessageW(w, CB_SHOWDROPDOWN, FALSE, 0); };
            item.companion = DropListOf;
            item.companionKind = 14;
            item.companionState = "droplist";
        } else if (state == "focused") {
            item.show = [](HWND w) { SetFocus(w); };
        } else if (state == "disabled") {
            EnableWindow(combo, FALSE);
        }
        items.push_back(std::move(item));
    }
    items.push_back({13, "dropdown", MakeCombo(host, CBS_DROPDOWN, 384, 178, 150), nullptr, nullptr});
    items.push_back({13, "simple", MakeCombo(host, CBS_SIMPLE, 540, 8, 120), nullptr, nullptr});

    if (skinned) ApplySkinToWindow(host, 1);
    SetFocus(anchor);
    for (int i = 0; i < 3; ++i) {
        Pump();
        RedrawWindow(host, nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW | RDW_ERASENOW);
        Sleep(30);
    }
    Pump();

    Panel result;
    const BITMAPINFO bi = hexmoor::win::TopDown32BitInfo(kWidth, kHeight);
    void* bits = nullptr;
    result.picture.Reset(CreateDIBSection(nullptr, &bi, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!result.picture || !bits) {
        DestroyWindow(host);
        return {};
    }
    result.width = kWidth;
    result.height = kHeight;
    hexmoor::win::MemoryDC memory(nullptr);
    hexmoor::win::SelectGuard select(memory.Get(), result.picture.Get());
    {
        hexmoor::win::WindowDC source(host, true);
        BitBlt(memory.Get(), 0, 0, kWidth, kHeight, source.Get(), 0, 0, SRCCOPY);
    }
    RECT hostRect{};
    GetWindowRect(host, &hostRect);
    for (Item& item : items) {
        RECT r{};
        GetWindowRect(item.window, &r);
        OffsetRect(&r, -hostRect.left, -hostRect.top);
        result.items.push_back({item.kind, item.state, r});
        if (!item.show) continue;
        item.show(item.window);
        Pump();
        RedrawWindow(item.window, nullptr, nullptr,
                     RDW_INVALIDATE | RDW_FRAME | RDW_ERASE | RDW_UPDATENOW | RDW_ERASENOW | RDW_ALLCHILDREN);
        {
            hexmoor::win::WindowDC source(item.window, true);
            BitBlt(memory.Get(), r.left, r.top, r.right - r.left, r.bottom - r.top, source.Get(), 0, 0, SRCCOPY);
        }
        if (const HWND other = item.companion ? item.companion(item.window) : nullptr;
            other && IsWindowVisible(other)) {
            RedrawWindow(other, nullptr, nullptr,
                         RDW_INVALIDATE | RDW_FRAME | RDW_ERASE | RDW_UPDATENOW | RDW_ERASENOW | RDW_ALLCHILDREN);
            RECT o{};
            GetWindowRect(other, &o);
            const int w = std::min<int>(o.right - o.left, kWidth - kDropListAt.x);
            const int h = std::min<int>(o.bottom - o.top, kHeight - 6 - kDropListAt.y);
            {
                hexmoor::win::WindowDC source(other, true);
                BitBlt(memory.Get(), kDropListAt.x, kDropListAt.y, w, h, source.Get(), 0, 0, SRCCOPY);
            }
            result.items.push_back({item.companionKind,
                                    item.companionState,
                                    {kDropListAt.x, kDropListAt.y, kDropListAt.x + w, kDropListAt.y + h}});
        }
        if (item.undo) item.undo(item.window);
        SetFocus(anchor);
        Pump();
    }
    GdiFlush();
    DestroyWindow(host);
    return result;
}

} // namespace skinshot
