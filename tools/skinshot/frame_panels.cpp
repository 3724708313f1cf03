#include "tools/skinshot/frame_panels.h"

#include <atomic>
#include <cstdio>
#include <functional>
#include <thread>

#include "runtime/frame/menu_bar.h"
#include "runtime/frame/frame_skin_wnd.h"
#include "runtime/logic/frame_layout.h"
#include "runtime/twf_api.h"
#include "tools/skinshot/panel_kit.h"

namespace skinshot {

namespace {

// Where panel windows are put on the screen while they are read.
constexpr int kScreenX = 40, kScreenY = 40;

void Settle() {
    for (int i = 0; i < 3; ++i) {
        PumpAll();
        Sleep(15);
    }
}

LRESULT CALLBACK FrameProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_SYSCOMMAND && (wp & 0xFFF0) == SC_CLOSE) return 0; // panels close themselves
    return DefWindowProcW(hwnd, msg, wp, lp);
}

LRESULT CALLBACK ChildProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) { return DefMDIChildProcW(hwnd, msg, wp, lp); }

const wchar_t kFrameClass[] = L"SkinshotFrame";
const wchar_t kChildClass[] = L"SkinshotMdiChild";

void RegisterClasses() {
    WNDCLASSW wc{};
    HINSTANCE instance = GetModuleHandleW(nullptr);
    if (!GetClassInfoW(instance, kFrameClass, &wc)) {
        wc.lpfnWndProc = &FrameProc;
        wc.hInstance = instance;
        wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        wc.hIcon = LoadIconW(nullptr, IDI_APPLICATION);
        wc.hbrBackground = HBRUSH(COLOR_WINDOW + 1);
        wc.lpszClassName = kFrameClass;
        RegisterClassW(&wc);
    }
    if (!GetClassInfoW(instance, kChildClass, &wc)) {
        wc = {};
        wc.lpfnWndProc = &ChildProc;
        wc.hInstance = instance;
        wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        wc.hIcon = LoadIconW(nullptr, IDI_APPLICATION);
        wc.hbrBackground = HBRUSH(COLOR_WINDOW + 1);
        wc.lpszClassName = kChildClass;
        RegisterClassW(&wc);
    }
}

// A menu bar with a normal item, a greyed one and two more.
HMENU MakeMenu() {
    HMENU bar = CreateMenu();
    HMENU file = CreatePopupMenu();
    AppendMenuW(file, MF_STRING, 101, L"&Open");
    AppendMenuW(bar, MF_POPUP, UINT_PTR(file), L"&File");
    HMENU window = CreatePopupMenu();
    AppendMenuW(window, MF_STRING, 102, L"&Tile");
    AppendMenuW(bar, MF_POPUP, UINT_PTR(window), L"&Window");
    AppendMenuW(bar, MF_STRING | MF_GRAYED, 103, L"&Greyed");
    AppendMenuW(bar, MF_STRING, 104, L"&Help");
    return bar;
}

HWND MakeFrame(DWORD exStyle, int width, int height, bool menu) {
    return CreateWindowExW(exStyle, kFrameClass, L"Skinshot frame", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN | WS_VISIBLE,
                           kScreenX, kScreenY, width, height, nullptr, menu ? MakeMenu() : nullptr,
                           GetModuleHandleW(nullptr), nullptr);
}

void Skin(HWND frame, bool skinned) {
    if (!skinned) return;
    AttachBaseSkinnedObject(frame);
    ApplySkinToWindow(frame, 0);
}

RECT RectIn(HWND window, HWND panel) {
    RECT r, p;
    GetWindowRect(window, &r);
    GetWindowRect(panel, &p);
    OffsetRect(&r, -p.left, -p.top);
    return r;
}

// Reads the window's screen area (layered windows over it included).
Panel Read(HWND window) {
    Panel panel;
    RECT r;
    GetWindowRect(window, &r);
    panel.width = r.right - r.left;
    panel.height = r.bottom - r.top;
    {
        const hexmoor::win::WindowDC screen(nullptr);
        panel.picture.Reset(CreateCompatibleBitmap(screen.Get(), panel.width, panel.height));
    }
    hexmoor::win::MemoryDC memory(nullptr);
    hexmoor::win::SelectGuard select(memory.Get(), panel.picture.Get());
    ReadScreen(memory.Get(), 0, 0, r);
    return panel;
}

void MoveCursor(POINT p) {
    SetCursorPos(p.x, p.y);
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = MOUSEEVENTF_MOVE;
    SendInput(1, &input, sizeof input);
}

void MouseButton(DWORD flags) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    SendInput(1, &input, sizeof input);
}

// From the helper thread: waits, for at most two seconds, until `reached`
// holds, then until the window's thread has finished the message that got
// it there (its paint included). Input is handled when the window's thread
// gets to it, which under load can be long after SendInput returned.
void WaitUntil(HWND window, const std::function<bool()>& reached) {
    for (int i = 0; i < 400 && !reached(); ++i) Sleep(5);
    DWORD_PTR ignored = 0;
    SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, 2000, &ignored);
}

void TapKey(WORD vk) {
    INPUT input[2] = {};
    input[0].type = input[1].type = INPUT_KEYBOARD;
    input[0].ki.wVk = input[1].ki.wVk = vk;
    input[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, input, sizeof(INPUT));
}

// The centre of a caption button: from the skinned frame's own layout, or,
// for the system's frame, by walking the caption for the button's hit code.
bool FindButton(HWND frame, int systemHit, int skinnedButton, POINT* out) {
    RECT r;
    GetWindowRect(frame, &r);
    if (CFrameSkinWnd* skinned = GetFrameSkinWnd(frame); skinned && skinned->HasSidePainters()) {
        const hexmoor::Rect b = hexmoor::rt::CaptionButtonRect(skinnedButton, skinned->ButtonsInput());
        if (b.IsEmpty()) return false;
        *out = {r.left + (b.left + b.right) / 2, r.top + (b.top + b.bottom) / 2};
        return true;
    }
    // One row through the middle of the system's caption, from the right.
    const int y = r.top + GetSystemMetrics(SM_CYFRAME) + GetSystemMetrics(SM_CYCAPTION) / 2;
    for (int x = r.right - 2; x >= r.right - 160 && x > r.left; x -= 2)
        if (SendMessageW(frame, WM_NCHITTEST, 0, MAKELPARAM(x, y)) == systemHit) {
            *out = {x - 4, y};
            return true;
        }
    return false;
}

// The skinned menu bar of a frame, or null for the system's bar.
CTWWndMenu* SkinnedBar(HWND frame) {
    CFrameSkinWnd* skinned = GetFrameSkinWnd(frame);
    return skinned && skinned->GetMenuBar() && skinned->GetMenuBar()->GetMenuHandle() ? skinned->GetMenuBar() : nullptr;
}

// The centre of a menu-bar item in screen coordinates.
bool FindBarItem(HWND frame, int index, POINT* out) {
    RECT r;
    GetWindowRect(frame, &r);
    if (CTWWndMenu* bar = SkinnedBar(frame)) {
        const auto items = bar->ItemRects();
        if (index >= int(items.size())) return false;
        const hexmoor::Rect& item = items[std::size_t(index)];
        *out = {r.left + (item.left + item.right) / 2, r.top + (item.top + item.bottom) / 2};
        return true;
    }
    RECT item;
    if (!GetMenuItemRect(frame, GetMenu(frame), UINT(index), &item)) return false;
    *out = {(item.left + item.right) / 2, (item.top + item.bottom) / 2};
    return true;
}

struct ButtonPanel {
    const char* name;
    int systemHit;     // the system's hit code of the button
    int skinnedButton; // the skinned frame's button code
};

} // namespace

std::vector<Panel> MakeFramePanels(bool skinned) {
    RegisterClasses();
    std::vector<Panel> panels;
    POINT parked;
    GetCursorPos(&parked);
    // A window to take activation away for the inactive looks.
    HWND other = CreateWindowExW(0, kFrameClass, L"other", WS_POPUP | WS_VISIBLE, 1200, 1000, 20, 20, nullptr, nullptr,
                                 GetModuleHandleW(nullptr), nullptr);
    // `input` runs on a helper thread while this thread keeps the window's
    // messages going (the system's caption buttons run a modal loop while
    // held); it makes the state and reads the panel itself at that moment.
    auto simple = [&](const char* state, DWORD ex, bool active, const std::function<void(HWND, Panel&)>& input) {
        HWND frame = MakeFrame(ex, 320, 220, true);
        Skin(frame, skinned);
        SetForegroundWindow(active ? frame : other);
        Settle();
        Panel panel;
        if (input) {
            std::atomic<bool> done{false};
            std::thread helper([&] {
                input(frame, panel);
                done = true;
            });
            while (!done) {
                PumpAll();
                Sleep(5);
            }
            helper.join();
            Settle();
        } else {
            panel = Read(frame);
        }
        if (!panel.picture) panel = Read(frame);
        panel.items.push_back({2, state, RectIn(frame, frame)});
        panels.push_back(std::move(panel));
        DestroyWindow(frame);
        Settle();
    };
    simple("active", 0, true, nullptr);
    simple("inactive", 0, false, nullptr);
    simple("help", WS_EX_CONTEXTHELP, true, nullptr);

    const ButtonPanel buttons[] = {{"close", HTCLOSE, hexmoor::rt::kCloseButton},
                                   {"maximize", HTMAXBUTTON, hexmoor::rt::kMaximizeButton},
                                   {"minimize", HTMINBUTTON, hexmoor::rt::kMinimizeButton},
                                   {"help", HTHELP, hexmoor::rt::kHelpButton}};
    for (const ButtonPanel& b : buttons) {
        for (const bool pressed : {false, true}) {
            const std::string state = std::string(b.name) + (pressed ? "-pressed" : "-hot");
            POINT at{};
            bool found = false;
            simple(state.c_str(), WS_EX_CONTEXTHELP, true, [&](HWND frame, Panel& panel) {
                found = FindButton(frame, b.systemHit, b.skinnedButton, &at);
                if (!found) return;
                CFrameSkinWnd* skinnedFrame = GetFrameSkinWnd(frame);
                MoveCursor(at);
                Sleep(100);
                if (skinnedFrame) WaitUntil(frame, [&] { return skinnedFrame->GetHotButton() == b.skinnedButton; });
                if (pressed) {
                    MouseButton(MOUSEEVENTF_LEFTDOWN);
                    Sleep(150);
                    if (skinnedFrame)
                        WaitUntil(frame, [&] { return skinnedFrame->GetPressedButton() == b.skinnedButton; });
                }
                panel = Read(frame);
                if (pressed) {
                    // Let go away from the button, so nothing is carried out.
                    MoveCursor({kScreenX + 700, kScreenY + 600});
                    Sleep(100);
                    MouseButton(MOUSEEVENTF_LEFTUP);
                    Sleep(100);
                }
            });
        }
    }

    simple("bar-hot", 0, true, [&](HWND frame, Panel& panel) {
        POINT at{};
        if (FindBarItem(frame, 1, &at)) MoveCursor(at);
        Sleep(200);
        if (CTWWndMenu* bar = SkinnedBar(frame)) WaitUntil(frame, [&] { return bar->GetHotItem() == 1; });
        panel = Read(frame);
    });
    simple("bar-keyboard", 0, true, [&](HWND frame, Panel& panel) {
        TapKey(VK_MENU);
        Sleep(250);
        if (CTWWndMenu* bar = SkinnedBar(frame)) WaitUntil(frame, [&] { return bar->InKeyboardMode(); });
        panel = Read(frame);
        TapKey(VK_ESCAPE);
        Sleep(100);
    });

    // MDI: a frame with its client and three children (active, inactive,
    // minimised), and a frame whose child is maximised.
    for (const bool maximized : {false, true}) {
        HWND frame = MakeFrame(0, 560, 400, true);
        RECT c;
        GetClientRect(frame, &c);
        CLIENTCREATESTRUCT ccs{GetSubMenu(GetMenu(frame), 1), 5000};
        HWND client = CreateWindowExW(WS_EX_CLIENTEDGE, L"MDICLIENT", nullptr, WS_CHILD | WS_CLIPCHILDREN | WS_VISIBLE,
                                      0, 0, c.right, c.bottom, frame, nullptr, GetModuleHandleW(nullptr), &ccs);
        HWND minimized = CreateMDIWindowW(kChildClass, L"Minimised", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10, 200, 140,
                                          client, GetModuleHandleW(nullptr), 0);
        HWND inactive = CreateMDIWindowW(kChildClass, L"Inactive", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 20, 20, 220, 150,
                                         client, GetModuleHandleW(nullptr), 0);
        HWND active = CreateMDIWindowW(kChildClass, L"Active", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 200, 120, 240, 160,
                                       client, GetModuleHandleW(nullptr), 0);
        if (skinned) {
            AttachBaseSkinnedObject(frame);
            ApplySkinToWindow(frame, 0);
            ApplySkinToWindow(client, 1);
        }
        SetForegroundWindow(frame);
        Settle();
        GetClientRect(frame, &c);
        MoveWindow(client, 0, 0, c.right, c.bottom, TRUE);
        ShowWindow(minimized, SW_MINIMIZE);
        if (maximized) SendMessageW(client, WM_MDIMAXIMIZE, WPARAM(active), 0);
        SendMessageW(client, WM_MDIACTIVATE, WPARAM(active), 0);
        Settle();
        Panel panel = Read(frame);
        if (maximized) {
            panel.items.push_back({2, "mdi-maximized", RectIn(frame, frame)});
        } else {
            panel.items.push_back({23, "mdi-client", RectIn(client, frame)});
            panel.items.push_back({2, "mdi-active", RectIn(active, frame)});
            panel.items.push_back({2, "mdi-inactive", RectIn(inactive, frame)});
            panel.items.push_back({2, "mdi-minimized", RectIn(minimized, frame)});
        }
        panels.push_back(std::move(panel));
        DestroyWindow(frame);
        Settle();
    }
    DestroyWindow(other);
    SetCursorPos(parked.x, parked.y);
    return panels;
}

} // namespace skinshot
