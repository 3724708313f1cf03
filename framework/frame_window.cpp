#include "framework/frame_window.h"

#include <windowsx.h>

#include "base/win/gdi.h"
#include "base/win/rect.h"
#include "framework/application.h"
#include "framework/strings.h"

namespace hexmoor::fw {

namespace {
constexpr UINT kIdleMessageId = 57345; // "Ready"
} // namespace

FrameWindow::FrameWindow() = default;

FrameWindow::~FrameWindow() {
    if (accel_) DestroyAcceleratorTable(accel_);
}

bool FrameWindow::CreateFrame(UINT resourceId, const std::wstring& title, DWORD style, DWORD exStyle) {
    WindowArgs a;
    a.exStyle = exStyle;
    a.text = title;
    a.style = style;
    a.x = a.y = a.width = a.height = CW_USEDEFAULT;
    a.menuOrId = LoadMenuW(ResourceModule(), MAKEINTRESOURCEW(resourceId));
    a.icon = LoadIconW(ResourceModule(), MAKEINTRESOURCEW(resourceId));
    a.smallIcon =
        static_cast<HICON>(LoadImageW(ResourceModule(), MAKEINTRESOURCEW(resourceId), IMAGE_ICON,
                                      GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), LR_SHARED));
    a.classStyle = CS_DBLCLKS;
    accel_ = LoadAcceleratorsW(ResourceModule(), MAKEINTRESOURCEW(resourceId));
    return Create(a);
}

bool FrameWindow::PreTranslateMessage(MSG& msg) {
    if (msg.message >= WM_KEYFIRST && msg.message <= WM_KEYLAST && accel_)
        return TranslateAcceleratorW(Handle(), accel_, &msg) != 0;
    return false;
}

std::vector<CommandTable*> FrameWindow::Route(HWND start) const {
    std::vector<CommandTable*> route;
    if (!start) start = GetFocus();
    for (HWND h = start; h && h != Handle(); h = GetParent(h))
        if (Window* w = Window::FromHandle(h))
            if (CommandTable* t = w->Commands()) route.push_back(t);
    route.push_back(const_cast<CommandTable*>(&commands_));
    if (Application* app = Application::Current()) route.push_back(&app->Commands());
    return route;
}

CommandState FrameWindow::QueryCommand(unsigned id, HWND start) const {
    auto route = Route(start);
    return fw::QueryCommand(route, id).state;
}

bool FrameWindow::RunCommand(unsigned id, HWND start) {
    // A command that throws is abandoned with a message naming it; what it
    // had changed is its own to undo (the editor's roads change the skin
    // only once nothing more can fail).
    try {
        auto route = Route(start);
        return ExecuteCommand(route, id);
    } catch (...) {
        if (Application* app = Application::Current()) app->ReportFailure(CommandName(id), std::current_exception());
        return true;
    }
}

std::wstring CommandName(unsigned id) {
    std::wstring name = TooltipPart(LoadText(id));
    if (name.empty()) name = PromptPart(LoadText(id));
    return name.empty() ? L"The command" : name;
}

void FrameWindow::UpdateMenu(HMENU menu, HWND start, bool nested) {
    auto route = Route(start);
    int count = GetMenuItemCount(menu);
    for (int i = 0; i < count; ++i) {
        MENUITEMINFOW mii{};
        mii.cbSize = sizeof mii;
        mii.fMask = MIIM_ID | MIIM_FTYPE | MIIM_SUBMENU;
        if (!GetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &mii)) continue;
        if (mii.hSubMenu && nested) UpdateMenu(mii.hSubMenu, start, true);
        if (mii.hSubMenu || (mii.fType & MFT_SEPARATOR) || mii.wID == 0) continue;
        CommandState s = fw::QueryCommand(route, mii.wID).state;
        MENUITEMINFOW set{};
        set.cbSize = sizeof set;
        set.fMask = MIIM_STATE | MIIM_FTYPE;
        set.fType = (mii.fType & ~MFT_RADIOCHECK) | (s.radio ? MFT_RADIOCHECK : 0);
        set.fState = (s.enabled ? MFS_ENABLED : MFS_GRAYED) | (s.checked ? MFS_CHECKED : 0);
        SetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &set);
    }
}

void FrameWindow::TrackContextMenu(HMENU popup, POINT screen, HWND owner) {
    // Tracked without notifications, so sub-popups get no WM_INITMENUPOPUP:
    // the whole tree is prepared here.
    UpdateMenu(popup, owner, true);
    menuImages_.Apply(popup, true);
    UINT id = static_cast<UINT>(TrackPopupMenu(popup, TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_NONOTIFY, screen.x,
                                               screen.y, 0, Handle(), nullptr));
    if (id) RunCommand(id, owner);
}

void FrameWindow::OnIdleUpdate() {
    // One route serves every button: asking for the focus per button cost a
    // server round trip each under Wine.
    const auto route = Route(nullptr);
    toolbar_.UpdateButtons([&route](unsigned id) { return fw::QueryCommand(route, id).state; });
    status_.UpdateIndicators();
    if (docks_) docks_->OnIdle();
    if (inMenu_) return;
    // The prompt of the toolbar button under the mouse, else the idle text.
    unsigned hotCommand = 0;
    if (toolbar_.Handle()) {
        int hot = static_cast<int>(SendMessageW(toolbar_.Handle(), TB_GETHOTITEM, 0, 0));
        TBBUTTON b{};
        if (hot >= 0 &&
            SendMessageW(toolbar_.Handle(), TB_GETBUTTON, static_cast<WPARAM>(hot), reinterpret_cast<LPARAM>(&b)))
            hotCommand = static_cast<unsigned>(b.idCommand);
    }
    status_.SetPrompt(hotCommand ? PromptPart(LoadText(hotCommand)) : LoadText(kIdleMessageId));
}

bool FrameWindow::StatusBarVisible() const { return status_.Handle() && ShownInParent(status_.Handle()); }

void FrameWindow::ShowStatusBar(bool show) {
    if (!status_.Handle()) return;
    ShowWindow(status_.Handle(), show ? SW_SHOWNA : SW_HIDE);
    RecalcLayout();
}

void FrameWindow::SetLookColors(const LookColors& colors, bool systemMenuBar) {
    if (docks_) docks_->SetLook(colors);
    if (HMENU bar = GetMenu(Handle())) {
        menuBrush_.Reset(systemMenuBar ? nullptr : CreateSolidBrush(colors.menuBar));
        MENUINFO mi{};
        mi.cbSize = sizeof mi;
        mi.fMask = MIM_BACKGROUND;
        mi.hbrBack = menuBrush_.Get();
        SetMenuInfo(bar, &mi);
        // Only the colour changes, not the bar's size: a hidden frame draws
        // it when it shows (the redraw recomputes the whole frame, several
        // display round trips under Wine).
        if (IsWindowVisible(Handle())) DrawMenuBar(Handle());
    }
    lookColors_ = colors;
    systemMenuBar_ = systemMenuBar;
    PaintMenuBar();
    toolbar_.SetBackground(colors.barFace);
    toolbar_.SetTextColors(colors.barText, colors.barTextDisabled);
    if (systemMenuBar)
        status_.SetColors(CLR_INVALID, CLR_INVALID);
    else
        status_.SetColors(colors.statusBar, colors.statusText);
    RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
}

void FrameWindow::PaintMenuBar() {
    // The menu bar in the look's colours. The menu's own background brush
    // does this on Windows; Wine paints the bar in the system's menu colour
    // whatever the brush, so the bar is painted over after every time the
    // system draws it (non-client painting, activation, the end of a menu).
    HMENU menu = GetMenu(Handle());
    if (!menu || systemMenuBar_ || !IsWindowVisible(Handle())) return;
    MENUBARINFO bar{};
    bar.cbSize = sizeof bar;
    if (!GetMenuBarInfo(Handle(), OBJID_MENU, 0, &bar)) return;
    RECT window;
    GetWindowRect(Handle(), &window);
    auto local = [&](RECT r) {
        OffsetRect(&r, -window.left, -window.top);
        return r;
    };
    const win::WindowDC owner(Handle(), true);
    HDC dc = owner.Get();
    if (!dc) return;
    RECT all = local(bar.rcBar);
    SetBkColor(dc, lookColors_.menuBar);
    ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &all, nullptr, 0, nullptr);
    NONCLIENTMETRICSW ncm{};
    ncm.cbSize = sizeof ncm;
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof ncm, &ncm, 0);
    const win::Font font(CreateFontIndirectW(&ncm.lfMenuFont));
    const win::SelectGuard select(dc, font.Get());
    SetBkMode(dc, TRANSPARENT);
    int count = GetMenuItemCount(menu);
    for (int i = 0; i < count; ++i) {
        MENUBARINFO item{};
        item.cbSize = sizeof item;
        if (!GetMenuBarInfo(Handle(), OBJID_MENU, i + 1, &item)) continue;
        wchar_t text[128]{};
        GetMenuStringW(menu, static_cast<UINT>(i), text, 128, MF_BYPOSITION);
        UINT state = GetMenuState(menu, static_cast<UINT>(i), MF_BYPOSITION);
        ::SetTextColor(dc, (state & (MF_GRAYED | MF_DISABLED)) ? lookColors_.barTextDisabled : lookColors_.menuText);
        RECT r = local(item.rcBar);
        DrawTextW(dc, text, -1, &r, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
    }
}

void FrameWindow::CreateDocks() {
    docks_ = std::make_unique<DockManager>(Handle());
    docks_->onChanged = [this] { RecalcLayout(); };
}

void FrameWindow::RecalcLayout() {
    // While the frame is being created its parts come one by one: the
    // WM_SIZE that follows creation lays them all out once.
    if (!Handle() || creating_) return;
    RECT rc;
    GetClientRect(Handle(), &rc);
    laidOut_ = {rc.right - rc.left, rc.bottom - rc.top};
    Rect area = FromRECT(rc);
    // The bars count by their own visibility, so that a layout made while
    // the frame is still hidden is already the one it shows with.
    if (toolbar_.Handle() && ShownInParent(toolbar_.Handle())) {
        int h = toolbar_.Height();
        SetWindowPos(toolbar_.Handle(), nullptr, 0, 0, area.Width(), h, SWP_NOZORDER | SWP_NOACTIVATE);
        area.top += h;
    }
    if (StatusBarVisible()) {
        SendMessageW(status_.Handle(), WM_SIZE, 0, 0);
        status_.Relayout();
        area.bottom -= status_.Height();
    }
    Rect center = area;
    if (docks_) {
        docks_->Apply(area);
        center = docks_->Geometry().center;
    }
    if (view_)
        SetWindowPos(view_, nullptr, center.left, center.top, center.Width(), center.Height(),
                     SWP_NOZORDER | SWP_NOACTIVATE);
}

bool FrameWindow::OnCommand(UINT id, UINT code, HWND control) {
    // Menu items (0), accelerators (1) and toolbar buttons (a clicked
    // button's code is 0 as well); other control notifications are not
    // commands.
    if (code > 1) return false;
    if (control && control != toolbar_.Handle()) return false;
    RunCommand(id);
    return true;
}

LRESULT FrameWindow::WindowProc(UINT msg, WPARAM wp, LPARAM lp) {
    Point p{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
    switch (msg) {
    case WM_CREATE: {
        creating_ = true;
        const LRESULT r = Window::WindowProc(msg, wp, lp);
        creating_ = false;
        return r;
    }
    case WM_SIZE:
        // The first show of a frame laid out while hidden reports the size
        // it already has: laying everything out again, now on the screen,
        // would only move each pane to where it is.
        if (wp == SIZE_MINIMIZED || laidOut_ != Size{LOWORD(lp), HIWORD(lp)}) RecalcLayout();
        return 0;
    case WM_INITMENUPOPUP:
        if (!HIWORD(lp)) {
            OnMenuOpening(reinterpret_cast<HMENU>(wp));
            UpdateMenu(reinterpret_cast<HMENU>(wp));
            menuImages_.Apply(reinterpret_cast<HMENU>(wp), false);
        }
        return 0;
    case WM_ENTERMENULOOP: inMenu_ = true; break;
    case WM_EXITMENULOOP:
        inMenu_ = false;
        status_.SetPrompt(LoadText(kIdleMessageId));
        PaintMenuBar();
        break;
    case WM_NCPAINT:
    case WM_NCACTIVATE: {
        LRESULT r = Window::WindowProc(msg, wp, lp);
        PaintMenuBar();
        return r;
    }
    case WM_MENUSELECT: {
        UINT flags = HIWORD(wp);
        UINT id = LOWORD(wp);
        if (flags == 0xFFFF && !lp)
            status_.SetPrompt(LoadText(kIdleMessageId));
        else if (!(flags & (MF_POPUP | MF_SEPARATOR)) && id)
            status_.SetPrompt(PromptPart(LoadText(id)));
        else
            status_.SetPrompt(L"");
        return 0;
    }
    case WM_NOTIFY: {
        auto* hdr = reinterpret_cast<NMHDR*>(lp);
        if (hdr->code == TTN_GETDISPINFOW) {
            // Toolbar tooltips: the second line of the command's text.
            auto* di = reinterpret_cast<NMTTDISPINFOW*>(lp);
            static std::wstring tip;
            tip = TooltipPart(LoadText(static_cast<UINT>(hdr->idFrom)));
            di->lpszText = tip.data();
            return 0;
        }
        break;
    }
    case WM_SETCURSOR:
        if (docks_ && reinterpret_cast<HWND>(wp) == Handle() && LOWORD(lp) == HTCLIENT) {
            POINT c;
            GetCursorPos(&c);
            ScreenToClient(Handle(), &c);
            if (docks_->OnSetCursor({c.x, c.y})) return TRUE;
        }
        break;
    case WM_LBUTTONDOWN:
        if (docks_ && docks_->OnLButtonDown(p)) return 0;
        break;
    case WM_MOUSEMOVE:
        if (docks_) docks_->OnMouseMove(p);
        break;
    case WM_LBUTTONUP:
        if (docks_) docks_->OnLButtonUp(p);
        break;
    case WM_TIMER:
        if (docks_ && wp == DockManager::kTimerId) {
            docks_->OnTimer();
            return 0;
        }
        break;
    case DockManager::kFloatMoved:
        if (docks_) docks_->OnFloatMoveEnded(static_cast<int>(wp));
        return 0;
    case WM_ERASEBKGND: return 1;
    case WM_PAINT: {
        const win::PaintScope paint(Handle());
        if (docks_) docks_->Paint(paint.Dc());
        return 0;
    }
    default: break;
    }
    return Window::WindowProc(msg, wp, lp);
}

} // namespace hexmoor::fw
