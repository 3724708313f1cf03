#include "framework/window.h"

#include <map>
#include <mutex>
#include <shared_mutex>
#include <tuple>
#include <unordered_map>

namespace hexmoor::fw {

namespace {

// Whether the window has a border, caption, menu or scroll bars: anything
// between its window rectangle and its client area.
bool HasNonClientArea(HWND hwnd) {
    RECT window{}, client{};
    if (!GetWindowRect(hwnd, &window) || !GetClientRect(hwnd, &client)) return true;
    MapWindowPoints(hwnd, nullptr, reinterpret_cast<POINT*>(&client), 2);
    return !EqualRect(&window, &client);
}

// The windows of this process bound to objects, by handle. Only this
// process's own objects can be bound, so a table here answers every lookup
// without a window property (each property call is a trip to the window
// server under Wine, and lookups run for every command, notification and
// pre-translated message); GWLP_USERDATA stays free for whoever else works
// on the window.
struct Binding {
    Window* object = nullptr;
    // Subclassed windows: the procedure our subclass replaced. A binding
    // without an object but with a procedure is a subclass that could not be
    // taken off (another one was put on top of ours): it passes messages on.
    WNDPROC previous = nullptr;
    // The parent and control id when bound: owner-draw measuring names the
    // control by id only, and asking the system for the child by id
    // (GetDlgItem) lists the parent's children through the window server.
    HWND parent = nullptr;
    int id = 0;
};

struct BindingTable {
    std::shared_mutex lock;
    std::unordered_map<HWND, Binding> bindings;

    Binding Find(HWND hwnd) {
        std::shared_lock guard(lock);
        auto it = bindings.find(hwnd);
        return it == bindings.end() ? Binding{} : it->second;
    }
    void Set(HWND hwnd, Binding binding) {
        std::unique_lock guard(lock);
        bindings[hwnd] = binding;
    }
    void Erase(HWND hwnd) {
        std::unique_lock guard(lock);
        bindings.erase(hwnd);
    }
    // The bound child of parent with this id as recorded at binding; null
    // when none was recorded so.
    HWND FindChild(HWND parent, int id) {
        std::shared_lock guard(lock);
        for (const auto& [hwnd, binding] : bindings)
            if (binding.object && binding.parent == parent && binding.id == id) return hwnd;
        return nullptr;
    }
};

BindingTable& Bindings() {
    static BindingTable table;
    return table;
}

} // namespace

HINSTANCE ResourceModule() { return GetModuleHandleW(nullptr); }

std::wstring OwnWindowClass(HICON icon, HICON smallIcon, HBRUSH background, UINT classStyle) {
    static std::map<std::tuple<HICON, HICON, HBRUSH, UINT>, std::wstring> registered;
    auto key = std::make_tuple(icon, smallIcon, background, classStyle);
    if (auto it = registered.find(key); it != registered.end()) return it->second;
    std::wstring name = L"HexmoorWindow" + std::to_wstring(registered.size());
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.style = classStyle;
    wc.lpfnWndProc = &Window::OwnClassProc;
    // The bound object also sits in the window's own extra bytes, where the
    // window procedure finds it on every message without a property lookup
    // (a trip to the window server under Wine).
    wc.cbWndExtra = sizeof(Window*);
    wc.hInstance = ResourceModule();
    wc.hIcon = icon;
    // Without a small icon the system scales one from the big icon, through
    // screen-compatible bitmaps (display round trips under Wine).
    wc.hIconSm = smallIcon;
    // The system's shared arrow, looked up once: each lookup costs display
    // driver round trips under Wine.
    static const HCURSOR arrow = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    wc.hCursor = arrow;
    wc.hbrBackground = background;
    wc.lpszClassName = name.c_str();
    if (!RegisterClassExW(&wc)) return {};
    registered.emplace(key, name);
    return name;
}

Window::~Window() {
    if (hwnd_) {
        HWND h = hwnd_;
        Unbind();
        DestroyWindow(h);
    }
}

Window* Window::FromHandle(HWND hwnd) {
    if (!hwnd) return nullptr;
    return Bindings().Find(hwnd).object;
}

void Window::Bind(HWND hwnd, Kind kind) {
    hwnd_ = hwnd;
    kind_ = kind;
    const bool child = (GetWindowLongPtrW(hwnd, GWL_STYLE) & WS_CHILD) != 0;
    Bindings().Set(hwnd, Binding{this, kind == Kind::Subclassed ? previousProc_ : nullptr,
                                 child ? GetParent(hwnd) : nullptr, child ? GetDlgCtrlID(hwnd) : 0});
    if (kind == Kind::OwnClass) SetWindowLongPtrW(hwnd, 0, reinterpret_cast<LONG_PTR>(this));
}

void Window::Unbind() {
    if (!hwnd_) return;
    if (kind_ == Kind::OwnClass) SetWindowLongPtrW(hwnd_, 0, 0);
    if (kind_ == Kind::Subclassed && previousProc_) {
        // Our subclass comes off only while it is the window's procedure;
        // under another one it stays and passes every message on.
        auto ours = reinterpret_cast<LONG_PTR>(&Window::SubclassProc);
        if (GetWindowLongPtrW(hwnd_, GWLP_WNDPROC) == ours) {
            SetWindowLongPtrW(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previousProc_));
            Bindings().Erase(hwnd_);
        } else {
            Bindings().Set(hwnd_, Binding{nullptr, previousProc_, nullptr, 0});
        }
    } else {
        Bindings().Erase(hwnd_);
    }
    previousProc_ = nullptr;
    hwnd_ = nullptr;
}

bool Window::Create(const WindowArgs& args) {
    if (hwnd_) return false;
    if (args.className.empty()) {
        std::wstring cls = OwnWindowClass(args.icon, args.smallIcon, args.background, args.classStyle);
        HWND h = CreateWindowExW(args.exStyle, cls.c_str(), args.text.c_str(), args.style, args.x, args.y, args.width,
                                 args.height, args.parent, args.menuOrId, ResourceModule(), this);
        if (!h && hwnd_) Unbind();
        return h != nullptr;
    }
    HWND h = CreateWindowExW(args.exStyle, args.className.c_str(), args.text.c_str(), args.style, args.x, args.y,
                             args.width, args.height, args.parent, args.menuOrId, ResourceModule(), nullptr);
    return h && Attach(h);
}

bool Window::Attach(HWND hwnd) {
    if (hwnd_ || !hwnd || !IsWindow(hwnd)) return false;
    Binding existing = Bindings().Find(hwnd);
    if (existing.object) return false;
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    if (pid != GetCurrentProcessId()) return false;
    if (existing.previous) {
        // Our earlier subclass is still in the chain: it takes this object.
        previousProc_ = existing.previous;
        Bind(hwnd, Kind::Subclassed);
        return true;
    }
    // Plain subclassing through the window procedure: the common controls'
    // subclass helper looks its chain up in a window property on every
    // message, a trip to the window server under Wine.
    previousProc_ = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(hwnd, GWLP_WNDPROC));
    if (!previousProc_) return false;
    Bind(hwnd, Kind::Subclassed);
    SetLastError(0);
    if (!SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Window::SubclassProc)) &&
        GetLastError() != 0) {
        Bindings().Erase(hwnd);
        previousProc_ = nullptr;
        hwnd_ = nullptr;
        return false;
    }
    return true;
}

void Window::Detach() { Unbind(); }

void Window::Destroy() {
    if (hwnd_) DestroyWindow(hwnd_);
}

LRESULT CALLBACK Window::OwnClassProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    auto* self = reinterpret_cast<Window*>(GetWindowLongPtrW(hwnd, 0));
    if (!self && msg == WM_NCCREATE) {
        // Bound here, at the first message that carries the creation data:
        // an MDI child's comes inside the record of its MDI creation.
        const auto* cs = reinterpret_cast<CREATESTRUCTW*>(lp);
        if ((cs->dwExStyle & WS_EX_MDICHILD) && cs->lpCreateParams)
            self = reinterpret_cast<Window*>(static_cast<const MDICREATESTRUCTW*>(cs->lpCreateParams)->lParam);
        else
            self = static_cast<Window*>(cs->lpCreateParams);
        if (self) self->Bind(hwnd, Kind::OwnClass);
    }
    if (!self) return DefWindowProcW(hwnd, msg, wp, lp);
    return self->Dispatch(msg, wp, lp);
}

LRESULT CALLBACK Window::SubclassProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    Binding b = Bindings().Find(hwnd);
    if (b.object && b.object->hwnd_ == hwnd) return b.object->Dispatch(msg, wp, lp);
    if (!b.previous) return DefWindowProcW(hwnd, msg, wp, lp);
    LRESULT r = CallWindowProcW(b.previous, hwnd, msg, wp, lp);
    if (msg == WM_NCDESTROY) Bindings().Erase(hwnd);
    return r;
}

LRESULT Window::Dispatch(UINT msg, WPARAM wp, LPARAM lp) {
    ++nesting_;
    LRESULT r = WindowProc(msg, wp, lp);
    if (msg == WM_NCDESTROY) {
        // The handle is gone: no binding of it may outlive it.
        HWND gone = hwnd_;
        Unbind();
        if (gone) Bindings().Erase(gone);
        finalPending_ = true;
    }
    --nesting_;
    // The final hook runs once the outermost message of the window returned,
    // so an owner that frees the object there never frees a running frame.
    if (nesting_ == 0 && finalPending_) {
        finalPending_ = false;
        OnFinalMessage();
    }
    return r;
}

HWND Window::ChildWithId(int id) const {
    // The table first, checked against the window as it is now (a pane may
    // have moved to another parent since); the system's search otherwise.
    HWND child = Bindings().FindChild(hwnd_, id);
    if (child && GetParent(child) == hwnd_ && GetDlgCtrlID(child) == id) return child;
    return GetDlgItem(hwnd_, id);
}

LRESULT Window::DefaultProc(UINT msg, WPARAM wp, LPARAM lp) {
    switch (kind_) {
    case Kind::Subclassed:
        if (previousProc_) return CallWindowProcW(previousProc_, hwnd_, msg, wp, lp);
        break;
    case Kind::Dialog: defaultRequested_ = true; return 0;
    case Kind::OwnClass: return DefaultOwnClassProc(msg, wp, lp);
    }
    return DefWindowProcW(hwnd_, msg, wp, lp);
}

LRESULT Window::DefaultOwnClassProc(UINT msg, WPARAM wp, LPARAM lp) { return DefWindowProcW(hwnd_, msg, wp, lp); }

LRESULT Window::WindowProc(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_CREATE:
        if (kind_ == Kind::OwnClass) return OnCreate(reinterpret_cast<CREATESTRUCTW*>(lp));
        break;
    case WM_DESTROY: OnDestroy(); break;
    case WM_SIZE: OnSize(static_cast<UINT>(wp), LOWORD(lp), HIWORD(lp)); break;
    case WM_PAINT:
        if (OnPaint()) return 0;
        break;
    case WM_ERASEBKGND:
        if (OnEraseBackground(reinterpret_cast<HDC>(wp))) return 1;
        break;
    case WM_TIMER: OnTimer(wp); break;
    case WM_NCPAINT:
        // Nothing to paint outside the client area: the default would fetch
        // a window DC (under Wine several server round trips) to draw nothing.
        if (!HasNonClientArea(hwnd_)) return 0;
        break;
    case WM_CLOSE:
        if (OnClose()) return 0;
        break;
    case WM_COMMAND: {
        HWND control = reinterpret_cast<HWND>(lp);
        LRESULT result = 0;
        if (Window* child = control ? FromHandle(control) : nullptr;
            child && child != this && child->OnReflectedCommand(HIWORD(wp), result))
            return result;
        if (OnCommand(LOWORD(wp), HIWORD(wp), control)) return 0;
        break;
    }
    case WM_NOTIFY: {
        auto* hdr = reinterpret_cast<NMHDR*>(lp);
        LRESULT result = 0;
        if (Window* child = FromHandle(hdr->hwndFrom); child && child != this && child->OnReflectedNotify(hdr, result))
            return result;
        if (OnNotify(hdr, result)) return result;
        break;
    }
    case WM_DRAWITEM: {
        auto* dis = reinterpret_cast<DRAWITEMSTRUCT*>(lp);
        if (dis->CtlType != ODT_MENU)
            if (Window* child = FromHandle(dis->hwndItem); child && child->OnReflectedDrawItem(dis)) return TRUE;
        break;
    }
    case WM_MEASUREITEM: {
        auto* mis = reinterpret_cast<MEASUREITEMSTRUCT*>(lp);
        if (mis->CtlType != ODT_MENU)
            if (Window* child = FromHandle(ChildWithId(static_cast<int>(mis->CtlID)));
                child && child->OnReflectedMeasureItem(mis))
                return TRUE;
        break;
    }
    default: break;
    }
    return DefaultProc(msg, wp, lp);
}

void ShowErasingInPaint(HWND hwnd, bool activate) {
    if (IsWindowVisible(hwnd)) {
        ShowWindow(hwnd, activate ? SW_SHOW : SW_SHOWNA);
        return;
    }
    // ShowWindow tells the window first, then shows it with SetWindowPos,
    // which erases the newly visible windows at once unless asked to leave
    // that to their paint. Neither sizes or moves the window.
    SendMessageW(hwnd, WM_SHOWWINDOW, TRUE, 0);
    UINT flags = SWP_SHOWWINDOW | SWP_DEFERERASE | SWP_NOMOVE | SWP_NOSIZE;
    if (!activate) flags |= SWP_NOACTIVATE | SWP_NOZORDER;
    SetWindowPos(hwnd, HWND_TOP, 0, 0, 0, 0, flags);
}

} // namespace hexmoor::fw
