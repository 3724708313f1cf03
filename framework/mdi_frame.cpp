#include "framework/mdi_frame.h"

#include <algorithm>

#include "framework/application.h"

namespace hexmoor::fw {

MdiFrameWindow::MdiFrameWindow() = default;
MdiFrameWindow::~MdiFrameWindow() = default;

bool MdiFrameWindow::CreateMdiFrame(const MdiFrameArgs& args) {
    windowMenuIndex_ = args.windowMenuIndex;
    if (args.menu) menus_.emplace_back(args.menu);
    WindowArgs w;
    w.exStyle = args.exStyle;
    w.text = args.title;
    w.style = args.style;
    w.x = args.place.left;
    w.y = args.place.top;
    w.width = args.place.right - args.place.left;
    w.height = args.place.bottom - args.place.top;
    w.parent = args.parent;
    w.menuOrId = args.menu;
    w.icon = args.icon;
    w.background = reinterpret_cast<HBRUSH>(COLOR_APPWORKSPACE + 1);
    return Create(w);
}

void MdiFrameWindow::AddBar(HWND bar, bool top) {
    bars_.push_back({bar, top});
    RecalcLayout();
}

void MdiFrameWindow::RecalcLayout() {
    if (!Handle() || !client_) return;
    RECT r{};
    GetClientRect(Handle(), &r);
    for (const Bar& bar : bars_) {
        if (!IsWindow(bar.hwnd) || !(GetWindowLongPtrW(bar.hwnd, GWL_STYLE) & WS_VISIBLE)) continue;
        RECT own{};
        GetWindowRect(bar.hwnd, &own);
        const int height = own.bottom - own.top;
        const int y = bar.top ? r.top : r.bottom - height;
        SetWindowPos(bar.hwnd, nullptr, r.left, y, r.right - r.left, height, SWP_NOZORDER | SWP_NOACTIVATE);
        if (bar.top)
            r.top += height;
        else
            r.bottom -= height;
    }
    SetWindowPos(client_, nullptr, r.left, r.top, std::max<int>(r.right - r.left, 0),
                 std::max<int>(r.bottom - r.top, 0), SWP_NOZORDER | SWP_NOACTIVATE);
}

HWND MdiFrameWindow::ActiveChild() const {
    return client_ ? reinterpret_cast<HWND>(SendMessageW(client_, WM_MDIGETACTIVE, 0, 0)) : nullptr;
}

HMENU MdiFrameWindow::KeepMenu(win::Menu menu) {
    HMENU h = menu.Get();
    if (h) menus_.push_back(std::move(menu));
    return h;
}

HMENU MdiFrameWindow::WindowMenuOf(HMENU menu) const {
    return (menu && windowMenuIndex_ >= 0) ? GetSubMenu(menu, windowMenuIndex_) : nullptr;
}

std::vector<CommandTable*> MdiFrameWindow::Route() const {
    std::vector<CommandTable*> route;
    if (Window* child = FromHandle(ActiveChild()))
        if (CommandTable* t = child->Commands()) route.push_back(t);
    route.push_back(const_cast<CommandTable*>(&commands_));
    if (Application* app = Application::Current()) route.push_back(&app->Commands());
    return route;
}

bool MdiFrameWindow::RunCommand(unsigned id) { return ExecuteCommand(Route(), id); }

bool MdiFrameWindow::PreTranslateMessage(MSG& msg) {
    return client_ && msg.message >= WM_KEYFIRST && msg.message <= WM_KEYLAST && TranslateMDISysAccel(client_, &msg);
}

void MdiFrameWindow::UpdatePopup(HMENU popup) {
    const std::vector<CommandTable*> route = Route();
    const int count = GetMenuItemCount(popup);
    for (int i = 0; i < count; ++i) {
        const UINT id = GetMenuItemID(popup, i);
        if (id == 0 || id == UINT(-1)) continue; // separators and sub-popups
        // The children's entries of the window list belong to the client.
        if (id >= 0xFF00) continue;
        const CommandQuery q = QueryCommand(route, id);
        EnableMenuItem(popup, i, MF_BYPOSITION | (q.state.enabled ? MF_ENABLED : MF_GRAYED));
        CheckMenuItem(popup, i, MF_BYPOSITION | (q.state.checked ? MF_CHECKED : MF_UNCHECKED));
    }
}

LRESULT MdiFrameWindow::WindowProc(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_CREATE: {
        CLIENTCREATESTRUCT ccs{};
        ccs.hWindowMenu = WindowMenuOf(GetMenu(Handle()));
        ccs.idFirstChild = 0xFF00;
        client_ = CreateWindowExW(WS_EX_CLIENTEDGE, L"MDICLIENT", nullptr,
                                  WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS, 0, 0, 0, 0, Handle(),
                                  nullptr, ResourceModule(), &ccs);
        if (!client_) return -1;
        return OnCreateFrame(reinterpret_cast<CREATESTRUCTW*>(lp));
    }
    case WM_SIZE:
        OnSize(static_cast<UINT>(wp), LOWORD(lp), HIWORD(lp));
        RecalcLayout();
        return 0; // the frame lays the client out itself
    case WM_INITMENUPOPUP:
        if (!HIWORD(lp)) UpdatePopup(reinterpret_cast<HMENU>(wp));
        break;
    case WM_COMMAND:
        // Menu and accelerator commands take the route; notifications of
        // the frame's own children (bars) go their usual way.
        if (lp == 0 && LOWORD(wp) < 0xF000 && RunCommand(LOWORD(wp))) return 0;
        break;
    case WM_DESTROY:
        // The menus are the frame's to free: none stays attached to go
        // with the window.
        SetMenu(Handle(), nullptr);
        break;
    default: break;
    }
    return Window::WindowProc(msg, wp, lp);
}

LRESULT MdiFrameWindow::DefaultOwnClassProc(UINT msg, WPARAM wp, LPARAM lp) {
    return DefFrameProcW(Handle(), client_, msg, wp, lp);
}

bool MdiChildWindow::CreateChild(MdiFrameWindow& frame, const std::wstring& title, HMENU menu, DWORD style,
                                 HICON icon) {
    if (Handle() || !frame.Client()) return false;
    frame_ = &frame;
    menu_ = menu;
    const std::wstring cls = OwnWindowClass(icon, nullptr, reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1), CS_DBLCLKS);
    MDICREATESTRUCTW mcs{};
    mcs.szClass = cls.c_str();
    mcs.szTitle = title.c_str();
    mcs.hOwner = ResourceModule();
    mcs.x = mcs.y = mcs.cx = mcs.cy = CW_USEDEFAULT;
    mcs.style = style;
    mcs.lParam = reinterpret_cast<LPARAM>(this);
    HWND h = reinterpret_cast<HWND>(SendMessageW(frame.Client(), WM_MDICREATE, 0, reinterpret_cast<LPARAM>(&mcs)));
    return h != nullptr && Handle() == h;
}

LRESULT MdiChildWindow::WindowProc(UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_MDIACTIVATE && frame_ && reinterpret_cast<HWND>(lp) == Handle()) {
        // Activated: the frame shows this child's menu.
        HMENU menu = menu_ ? menu_ : GetMenu(frame_->Handle());
        SendMessageW(frame_->Client(), WM_MDISETMENU, reinterpret_cast<WPARAM>(menu),
                     reinterpret_cast<LPARAM>(frame_->WindowMenuOf(menu)));
        DrawMenuBar(frame_->Handle());
    }
    return Window::WindowProc(msg, wp, lp);
}

LRESULT MdiChildWindow::DefaultOwnClassProc(UINT msg, WPARAM wp, LPARAM lp) {
    return DefMDIChildProcW(Handle(), msg, wp, lp);
}

} // namespace hexmoor::fw
