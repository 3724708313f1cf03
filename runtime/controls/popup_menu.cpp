#include "runtime/controls/popup_menu.h"

#include <algorithm>
#include <atomic>

#include "base/win/dib.h"
#include "base/win/gdi.h"
#include "base/win/rect.h"
#include "model/font.h"
#include "model/mrg_bitmap.h"
#include "model/twf_obj.h"
#include "model/twf_skin.h"
#include "runtime/controls/control_gate.h"
#include "runtime/frame/menu_bar.h"
#include "runtime/draw/tw_draw.h"
#include "runtime/logic/popup_menu_look.h"
#include "runtime/wnd/object_registry.h"
#include "runtime/messages.h"
#include "runtime/runtime_state.h"
#include "runtime/text/support_unicode.h"
#include "runtime/window_helpers.h"
#include "runtime/window_rects.h"

using namespace hexmoor;
using namespace hexmoor::rt;
using namespace hexmoor::win;
namespace pm = hexmoor::rt::popup;

namespace {

constexpr UINT kMnSizeWindow = 0x1E2, kMnGetHMenu = 0x1E1, kMnSelectItem = 0x1E5, kMnButtonDown = 0x1ED,
               kMnButtonUp = 0x1EF;
// Where the system's own drawing into the popup's DC is sent.
constexpr int kFarOrigin = 10000;
constexpr int kMaxItemText = 1024;

// The skinned popups of the thread and the hook that serves them while any
// is alive with the menu loop's button messages.
thread_local std::vector<CTWMenu*> g_popups;
thread_local HHOOK g_filterHook = nullptr;

LRESULT CALLBACK PopupFilterHookProc(int code, WPARAM wp, LPARAM lp) {
    if (code == MSGF_MENU) {
        const auto* msg = reinterpret_cast<const MSG*>(lp);
        if (msg && (msg->message == WM_LBUTTONDOWN || msg->message == WM_LBUTTONUP)) {
            const std::vector<CTWMenu*> popups = g_popups;
            for (CTWMenu* popup : popups)
                if (std::find(g_popups.begin(), g_popups.end(), popup) != g_popups.end())
                    popup->OnFilterButton(msg->message, msg->pt);
        }
    }
    return CallNextHookEx(g_filterHook, code, wp, lp);
}

void Register(CTWMenu* popup) {
    if (std::find(g_popups.begin(), g_popups.end(), popup) != g_popups.end()) return;
    g_popups.push_back(popup);
    const DWORD thread = GetCurrentThreadId();
    if (!g_filterHook) g_filterHook = SetWindowsHookExW(WH_MSGFILTER, &PopupFilterHookProc, nullptr, thread);
}

void Unregister(CTWMenu* popup) {
    g_popups.erase(std::remove(g_popups.begin(), g_popups.end(), popup), g_popups.end());
    if (!g_popups.empty()) return;
    if (g_filterHook) UnhookWindowsHookEx(std::exchange(g_filterHook, nullptr));
}

void SetOrigin(HWND hwnd, int at) {
    if (!hwnd || !IsWindow(hwnd)) return;
    const WindowDC dc(hwnd);
    if (dc) SetWindowOrgEx(dc.Get(), at, at, nullptr);
}

// Paints with the window origin at 0, 0 and gives the DC back exactly as it
// came (origin, clip region and selections), so that the popup's own DC
// keeps hiding the system's drawing afterwards.
// A 32-bit DIB section: drawing into it stays in the process, where a
// bitmap compatible with a window's DC may live in the display server.
Bitmap MakeDib(int width, int height) {
    const BITMAPINFO info = TopDown32BitInfo(width, height);
    void* bits = nullptr;
    return Bitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
}

// The flags of one item that choose its drawn state.
pm::ItemFlags FlagsOf(HMENU menu, int index) {
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_SUBMENU;
    pm::ItemFlags flags;
    if (!GetMenuItemInfoW(menu, UINT(index), TRUE, &info)) return flags;
    flags.separator = (info.fType & MFT_SEPARATOR) != 0;
    flags.grayed = (info.fState & MF_GRAYED) != 0;
    flags.disabled = !flags.grayed && (info.fState & MF_DISABLED);
    flags.submenu = info.hSubMenu != nullptr;
    return flags;
}

// The keyboard-cues setting, read when a popup learns its menu.
std::atomic<bool> g_keyboardCues{true};

class OwnPainting {
public:
    explicit OwnPainting(HDC dc) : saved_(dc) { SetWindowOrgEx(dc, 0, 0, nullptr); }

private:
    SavedDC saved_;
};

// Posted to a popup opened from a menu bar in keyboard mode: its first item
// becomes the menu's focused one.
UINT SelectFirstMessage() {
    static const UINT message = RegisterWindowMessageW(L"HexmoorPopupSelectFirst");
    return message;
}

} // namespace

void SyncSkinnedPopups() {
    const std::vector<CTWMenu*> popups = g_popups;
    for (CTWMenu* popup : popups)
        if (std::find(g_popups.begin(), g_popups.end(), popup) != g_popups.end()) popup->SyncItems();
}

CTWMenu::CTWMenu() {
    // Popup menus are skinned from their creation on; their owner decides
    // later whether they stay so.
    active_ = TRUE;
}

CTWMenu::~CTWMenu() { Unregister(this); }

std::vector<CTWMenu*> CTWMenu::LivePopups() { return g_popups; }

BOOL CTWMenu::Enable(BOOL on) {
    CTWWnd::Enable(on);
    if (!hWnd_) return TRUE;
    if (on) {
        SetWindowClassStyle(hWnd_, CS_OWNDC, true);
        Register(this);
        HideSystemDrawing();
    } else {
        ShowSystemDrawing();
    }
    return TRUE;
}

void CTWMenu::Detach() {
    ShowSystemDrawing();
    Unregister(this);
    CTWWnd::Detach();
}

void CTWMenu::HideSystemDrawing() {
    if (!systemDrawn_) SetOrigin(hWnd_, kFarOrigin);
}

void CTWMenu::ShowSystemDrawing() { SetOrigin(hWnd_, 0); }

bool CTWMenu::IsDrawing() const { return !systemDrawn_ && menu_ && !PassesThrough(*this); }

bool CTWMenu::HasBorderImage() const { return element_ && element_->GetImage(pm::id::kBorder); }

void CTWMenu::GetRect(RECT* out) const {
    if (!out) return;
    *out = {0, 0, 0, 0};
    if (!element_) return;
    out->left = LONG(element_->GetNumber(pm::id::kBorderLeft));
    out->top = LONG(element_->GetNumber(pm::id::kBorderTop));
    out->right = LONG(element_->GetNumber(pm::id::kBorderRight));
    out->bottom = LONG(element_->GetNumber(pm::id::kBorderBottom));
}

void CTWMenu::Reset(const std::wstring& name) {
    imageCache_.clear();
    buffer_.Reset();
    if (name != elementName_) elementName_ = name;
    if (CTwfSkin* skin = GetTwfSkin()) SetSkin(skin, WORD(type_), name);
    CTWWnd::Reset(name);
}

HFONT CTWMenu::GetFont() {
    if (element_ && element_->GetFont()) return element_->GetFont()->GetSafeHandle();
    if (!ownedFont_) ownedFont_ = CreateSystemMenuFont();
    return ownedFont_ ? ownedFont_.Get() : WindowFontOrDefault(hWnd_);
}

// --- the menu and its owner --------------------------------------------------------

void CTWMenu::GoSystemDrawn() {
    systemDrawn_ = true;
    SetActive(FALSE, scope_);
    ShowSystemDrawing();
    RedrawWindow(hWnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ERASENOW | RDW_FRAME);
}

HWND CTWMenu::OwnerWindow() const {
    // The popup's owner window where the system gives it one, else the
    // window that last opened a menu.
    const HWND owner = GetWindow(hWnd_, GW_OWNER);
    return owner ? owner : GetMenuOwnerWindow();
}

void CTWMenu::SetupMenu() {
    HMENU menu = reinterpret_cast<HMENU>(SendMessageW(hWnd_, kMnGetHMenu, 0, 0));
    if (!menu || !IsMenu(menu)) return;
    menu_ = menu;
    const HWND owner = OwnerWindow();
    CTWWnd* ownerObject = owner ? GetSkinnedWindowObject(owner) : nullptr;
    if (!ownerObject) ownerObject = owner ? GetSkinnedFrameObject(owner) : nullptr;
    if (!ownerObject) {
        GoSystemDrawn();
        return;
    }
    CTwfSkin* ownerSkin = ownerObject->GetTwfSkin();
    if (ownerSkin && ownerSkin != GetTwfSkin()) SetSkin(ownerSkin, WORD(type_), elementName_);
    SetActive(ownerObject->IsActive(), ownerObject->GetScope());
    skinId_ = ownerObject->GetSkinId();
    const int count = GetMenuItemCount(menu_);
    for (int i = 0; i < count; ++i) {
        MENUITEMINFOW info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_FTYPE;
        if (GetMenuItemInfoW(menu_, UINT(i), TRUE, &info) && (info.fType & MFT_OWNERDRAW)) {
            GoSystemDrawn();
            return;
        }
    }
    if (PassesThrough(*this)) {
        GoSystemDrawn();
        return;
    }
    BOOL cues = TRUE;
    SystemParametersInfoW(SPI_GETKEYBOARDCUES, 0, &cues, 0);
    g_keyboardCues = cues != FALSE;
    painted_.assign(std::size_t(std::max(0, count)), -1);
    CTWWndMenu* bar = CTWWndMenu::TrackingMenuBar();
    if (bar && bar->InKeyboardMode() && count > 0) {
        MENUITEMINFOW info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_STATE;
        if (GetMenuItemInfoW(menu_, 0, TRUE, &info)) {
            info.fState |= MFS_HILITE;
            SetMenuItemInfoW(menu_, 0, TRUE, &info);
        }
        SelectItemHidden(0);
        // Where the popup does not take MN_SELECTITEM, the menu's own focus
        // moves to item 0 through the owner once the menu loop runs, so
        // that the next key goes on from there.
        PostMessageW(hWnd_, SelectFirstMessage(), 0, 0);
        selected_ = 0;
    }
}

// --- items ---------------------------------------------------------------------------

RECT CTWMenu::ItemRect(int index) const {
    RECT r{0, 0, 0, 0};
    if (!GetMenuItemRect(nullptr, menu_, UINT(index), &r)) return {0, 0, 0, 0};
    // Screen to client, for either layout direction.
    MapWindowPoints(nullptr, hWnd_, reinterpret_cast<POINT*>(&r), 2);
    if (r.left > r.right) std::swap(r.left, r.right);
    return r;
}

int CTWMenu::RequestedState(int index) const {
    const UINT state = GetMenuState(menu_, UINT(index), MF_BYPOSITION);
    if (state == UINT(-1) || !(state & MF_HILITE)) return pm::state::kNormal;
    return index == pressed_ ? pm::state::kPressed : pm::state::kHot;
}

int CTWMenu::PaintedState(int index) const {
    return index >= 0 && index < int(painted_.size()) ? painted_[std::size_t(index)] : -1;
}

void CTWMenu::DrawItem(int index, int requested, HDC dc) {
    if (!IsDrawing() || index < 0 || index >= GetMenuItemCount(menu_)) return;
    const int drawn = pm::DrawnState(requested, FlagsOf(menu_, index));
    const RECT rc = ItemRect(index);
    if (dc) {
        OwnPainting own(dc);
        PaintItem(dc, index, drawn, rc);
    } else {
        WindowDC client(hWnd_);
        if (!client) return;
        OwnPainting own(client.Get());
        PaintItem(client.Get(), index, drawn, rc);
    }
}

void CTWMenu::PaintItem(HDC dc, int index, int drawn, const RECT& rc) {
    // The index may come from a WM_DRAWITEM anybody can send.
    const int count = GetMenuItemCount(menu_);
    if (index < 0 || index >= count) return;
    if (painted_.size() < std::size_t(count)) painted_.resize(std::size_t(count), -1);
    painted_[std::size_t(index)] = drawn;
    if (IsRectEmpty(&rc)) return;
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_SUBMENU;
    GetMenuItemInfoW(menu_, UINT(index), TRUE, &info);
    CTWDraw draw(dc, nullptr, FALSE);
    if (info.fType & MFT_SEPARATOR) {
        DrawItemImage(dc, pm::id::kSeparator, rc);
        return;
    }
    const pm::Look look = pm::LookOf(drawn, info.hSubMenu != nullptr);
    DrawItemImage(dc, WORD(look.image), rc);
    const HWND owner = OwnerWindow();
    const bool farText = owner && (GetWindowLongPtrW(owner, GWL_EXSTYLE) & WS_EX_RIGHT);
    const bool rtl = (GetWindowLongPtrW(hWnd_, GWL_EXSTYLE) & WS_EX_LAYOUTRTL) != 0;
    const pm::ItemBoxes boxes =
        pm::LayoutItem(FromRECT(rc), {GetSystemMetrics(SM_CXMENUCHECK), GetSystemMetrics(SM_CYMENUCHECK)},
                       GetSystemMetrics(SM_CXHSCROLL), false);
    if (look.arrow) {
        const RECT arrow = ToRECT(boxes.arrow);
        if (const CMrgBitmap* image = element_->GetImage(WORD(look.arrow)))
            draw.DrawSkinImage(&arrow, image, FALSE, nullptr);
    }
    if (info.fState & MFS_CHECKED) {
        const bool radio = (info.fType & MFT_RADIOCHECK) != 0;
        CTwfObj* marks = FindSkinElement(WORD(radio ? 7 : 6), elementName_);
        const CMrgBitmap* image =
            marks ? marks->GetImage(WORD(radio ? pm::id::kRadioImage : pm::id::kCheckImage)) : nullptr;
        const RECT box = ToRECT(boxes.check);
        if (image) draw.DrawSkinImage(&box, image, FALSE, nullptr);
    }
    wchar_t buffer[kMaxItemText + 1] = {};
    GetMenuStringW(menu_, UINT(index), buffer, kMaxItemText, MF_BYPOSITION);
    const auto [label, accelerator] = pm::SplitAtTab(buffer);
    SelectGuard font(dc, GetFont());
    const int mode = SetBkMode(dc, TRANSPARENT);
    const COLORREF colour = SetTextColor(dc, element_->GetColor(WORD(look.colour)));
    UINT format = DT_VCENTER | DT_SINGLELINE;
    if (!g_keyboardCues) format |= DT_HIDEPREFIX;
    if (farText || rtl) format |= DT_RIGHT;
    RECT text = ToRECT(boxes.text);
    DrawTextW(dc, label.c_str(), int(label.size()), &text, format);
    if (!accelerator.empty()) {
        RECT farBox = ToRECT(boxes.accelerator);
        DrawTextW(dc, accelerator.c_str(), int(accelerator.size()), &farBox,
                  (format & ~UINT(DT_RIGHT)) | ((farText || rtl) ? DT_LEFT : DT_RIGHT));
    }
    SetTextColor(dc, colour);
    SetBkMode(dc, mode);
}

void CTWMenu::DrawItemImage(HDC dc, WORD id, const RECT& rc) {
    // Items of one popup share their sizes: each image is laid out once per
    // size (over white) and copied from then on.
    const int w = rc.right - rc.left, h = rc.bottom - rc.top;
    if (w <= 0 || h <= 0) return;
    const auto key = std::make_tuple(id, w, h);
    auto it = imageCache_.find(key);
    if (it == imageCache_.end()) {
        if (imageCache_.size() > 64) imageCache_.clear();
        MemoryDC memory(dc);
        Bitmap bitmap = MakeDib(w, h);
        if (!memory || !bitmap) return;
        {
            SelectGuard select(memory.Get(), bitmap.Get());
            CTWDraw draw(memory.Get(), nullptr, FALSE);
            const RECT all{0, 0, w, h};
            draw.FillSolidRect(&all, RGB(255, 255, 255));
            if (const CMrgBitmap* image = element_->GetImage(id)) draw.DrawSkinImage(&all, image, FALSE, nullptr);
        }
        it = imageCache_.emplace(key, std::move(bitmap)).first;
    }
    if (!cacheDc_) cacheDc_ = MemoryDC(nullptr);
    SelectGuard select(cacheDc_.Get(), it->second.Get());
    BitBlt(dc, rc.left, rc.top, w, h, cacheDc_.Get(), 0, 0, SRCCOPY);
}

void CTWMenu::PaintPopupMenuItems(HDC dc) {
    if (!IsDrawing() || !dc) return;
    RECT client{};
    GetClientRect(hWnd_, &client);
    if (IsRectEmpty(&client)) return;
    // Everything is drawn into a memory bitmap and shown with one copy: the
    // window's DC is the slow way to the screen.
    if (!bufferDc_) bufferDc_ = MemoryDC(nullptr);
    if (!buffer_ || bufferSize_.cx != client.right || bufferSize_.cy != client.bottom) {
        buffer_ = MakeDib(client.right, client.bottom);
        bufferSize_ = {client.right, client.bottom};
    }
    if (!bufferDc_ || !buffer_) return;
    {
        SelectGuard select(bufferDc_.Get(), buffer_.Get());
        const HDC mem = bufferDc_.Get();
        // What the items leave of the client area (the system's margins, a
        // column break's empty end) takes the normal item image.
        DrawItemImage(mem, pm::id::kImageNormal, client);
        const int count = GetMenuItemCount(menu_);
        for (int i = 0; i < count; ++i)
            PaintItem(mem, i, pm::DrawnState(RequestedState(i), FlagsOf(menu_, i)), ItemRect(i));
        // A popup the system gives no non-client area shows the outline of
        // a skin without border image around its client area.
        RECT window{};
        GetWindowRect(hWnd_, &window);
        if (!HasBorderImage() && window.right - window.left == client.right &&
            window.bottom - window.top == client.bottom) {
            Pen pen(CreatePen(PS_SOLID, 1, element_->GetColor(pm::id::kOutline)));
            SelectGuard usePen(mem, pen.Get());
            SelectGuard noBrush(mem, GetStockObject(NULL_BRUSH));
            ::Rectangle(mem, client.left, client.top, client.right, client.bottom);
        }
        OwnPainting own(dc);
        BitBlt(dc, 0, 0, client.right, client.bottom, mem, 0, 0, SRCCOPY);
    }
}

void CTWMenu::SyncItems() {
    if (!hWnd_ || !IsWindow(hWnd_) || !IsWindowVisible(hWnd_) || !IsDrawing()) return;
    const int count = GetMenuItemCount(menu_);
    int hilite = -1;
    for (int i = 0; i < count; ++i)
        if (GetMenuState(menu_, UINT(i), MF_BYPOSITION) & MF_HILITE) {
            hilite = i;
            break;
        }
    SelectItem(hilite);
    WindowDC client(hWnd_);
    if (!client) return;
    for (int i = 0; i < count; ++i) {
        const int drawn = pm::DrawnState(RequestedState(i), FlagsOf(menu_, i));
        if (PaintedState(i) != drawn) DrawItem(i, RequestedState(i), client.Get());
    }
}

void CTWMenu::SelectItem(int index) {
    // A menu bar in keyboard mode marked item 0 when the popup opened; the
    // first real selection elsewhere takes the mark away.
    CTWWndMenu* bar = CTWWndMenu::TrackingMenuBar();
    if (bar && bar->InKeyboardMode() && index != 0 && menu_ && (GetMenuState(menu_, 0, MF_BYPOSITION) & MF_HILITE)) {
        MENUITEMINFOW info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_STATE;
        if (index > 0 && GetMenuItemInfoW(menu_, 0, TRUE, &info)) {
            info.fState &= ~UINT(MFS_HILITE);
            SetMenuItemInfoW(menu_, 0, TRUE, &info);
            DrawItem(0, pm::state::kNormal);
        }
    }
    if (index == selected_) return;
    if (pressed_ >= 0 && pressed_ != index) pressed_ = -1;
    selected_ = index;
}

void CTWMenu::SelectItemHidden(int index) {
    // The system's own drawing of the selection goes to the far origin.
    HideSystemDrawing();
    SendMessageW(hWnd_, kMnSelectItem, WPARAM(index), 0);
}

void CTWMenu::OnFilterButton(UINT msg, POINT screen) {
    if (!IsDrawing() || !IsWindowVisible(hWnd_)) return;
    if (msg == WM_LBUTTONDOWN) {
        if (WindowFromPoint(screen) != hWnd_) return;
        const int index = MenuItemFromPoint(nullptr, menu_, screen);
        if (index < 0) return;
        const UINT state = GetMenuState(menu_, UINT(index), MF_BYPOSITION);
        if (state == UINT(-1) || (state & (MF_SEPARATOR | MF_DISABLED | MF_GRAYED))) return;
        pressed_ = index;
        DrawItem(index, pm::state::kPressed);
    } else if (pressed_ >= 0) {
        const int was = pressed_;
        pressed_ = -1;
        DrawItem(was, RequestedState(was));
    }
}

// --- border --------------------------------------------------------------------------

LRESULT CTWMenu::CalcBorderSize(BOOL calcValidRects, LPARAM params) {
    if (!HasBorderImage() || !menu_) return Default();
    // The system reserves no border of its own; the client is the proposed
    // rectangle less the skin's border widths.
    auto* rect = reinterpret_cast<RECT*>(params);
    if (!rect) return 0;
    const bool rtl = (GetWindowLongPtrW(hWnd_, GWL_EXSTYLE) & (WS_EX_LAYOUTRTL | WS_EX_RTLREADING)) != 0;
    const Insets insets = pm::BorderInsets(
        long(element_->GetNumber(pm::id::kBorderLeft)), long(element_->GetNumber(pm::id::kBorderTop)),
        long(element_->GetNumber(pm::id::kBorderRight)), long(element_->GetNumber(pm::id::kBorderBottom)), rtl);
    (void)calcValidRects;
    rect->left += insets.left;
    rect->top += insets.top;
    rect->right -= insets.right;
    rect->bottom -= insets.bottom;
    if (rect->right < rect->left) rect->right = rect->left;
    if (rect->bottom < rect->top) rect->bottom = rect->top;
    return 0;
}

LRESULT CTWMenu::OnNcCalcSize(BOOL calcValidRects, LPARAM params) { return CalcBorderSize(calcValidRects, params); }

LRESULT CTWMenu::PaintBorder(HDC given) {
    if (!IsDrawing()) return 0;
    {
        // Nothing to paint where the system gives the popup no frame.
        RECT client{}, window{};
        GetClientRect(hWnd_, &client);
        GetWindowRect(hWnd_, &window);
        if (client.right == window.right - window.left && client.bottom == window.bottom - window.top) return 0;
    }
    WindowDC own;
    HDC dc = given;
    if (!dc) {
        own = WindowDC(hWnd_, true);
        dc = own.Get();
    }
    if (!dc) return 0;
    OwnPainting painting(dc);
    const CWindowRect wr(hWnd_);
    RECT window{0, 0, wr.Width(), wr.Height()};
    RECT client{};
    GetClientRect(hWnd_, &client);
    POINT origin{0, 0};
    ClientToScreen(hWnd_, &origin);
    OffsetRect(&client, origin.x - wr.left, origin.y - wr.top);
    if (EqualRect(&client, &window)) return 0;
    ExcludeClipRect(dc, client.left, client.top, client.right, client.bottom);
    CTWDraw draw(dc, nullptr, FALSE);
    if (const CMrgBitmap* border = element_->GetImage(pm::id::kBorder)) {
        draw.FillSolidRect(&window, RGB(255, 255, 255));
        draw.DrawSkinImage(&window, border, FALSE, nullptr);
        return 0;
    }
    if (const CMrgBitmap* image = element_->GetImage(pm::id::kImageNormal))
        draw.DrawSkinImage(&window, image, FALSE, nullptr);
    draw.Release();
    Pen pen(CreatePen(PS_SOLID, 1, element_->GetColor(pm::id::kOutline)));
    SelectGuard usePen(dc, pen.Get());
    SelectGuard noBrush(dc, GetStockObject(NULL_BRUSH));
    ::Rectangle(dc, window.left, window.top, window.right, window.bottom);
    return 0;
}

LRESULT CTWMenu::OnNcPaint(HDC dc) { return PaintBorder(dc); }

LRESULT CTWMenu::OnPrintClient(HDC dc, DWORD) {
    PaintPopupMenuItems(dc);
    return 0;
}

void CTWMenu::Resize() {
    if (!HasBorderImage() || !menu_ || !IsDrawing()) return;
    RECT r{};
    GetWindowRect(hWnd_, &r);
    RECT border{};
    GetRect(&border);
    const int width = r.right - r.left - 2 * GetSystemMetrics(SM_CXDLGFRAME) + border.left + border.right;
    const int height = r.bottom - r.top - 2 * GetSystemMetrics(SM_CYDLGFRAME) + border.top + border.bottom;
    SetWindowPos(hWnd_, nullptr, 0, 0, std::max(1, width), std::max(1, height),
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOOWNERZORDER);
}

// --- messages ------------------------------------------------------------------------

LRESULT CTWMenu::DefaultWithOriginMoved() {
    HideSystemDrawing();
    return Default();
}

LRESULT CTWMenu::WindowProc(UINT msg, WPARAM wp, LPARAM lp) {
    if (systemDrawn_ || PassesThrough(*this)) return Default();
    if (!menu_ && msg != kMnGetHMenu) {
        SetupMenu();
        if (systemDrawn_ || PassesThrough(*this)) return Default();
    }
    if (msg == SelectFirstMessage() && msg) {
        if (menu_ && selected_ == 0 && (GetMenuState(menu_, 0, MF_BYPOSITION) & MF_HILITE))
            if (HWND owner = OwnerWindow()) HiliteMenuItem(owner, menu_, 0, MF_BYPOSITION | MF_HILITE);
        return 0;
    }
    switch (msg) {
    case WM_PAINT: {
        if (!menu_) return Default();
        PaintScope paint(hWnd_);
        PaintPopupMenuItems(paint.Dc());
        return 0;
    }
    case WM_ERASEBKGND: return menu_ ? 1 : Default();
    case WM_PRINTCLIENT: PaintPopupMenuItems(reinterpret_cast<HDC>(wp)); return 0;
    case WM_PRINT: {
        const LRESULT result = Default();
        if (lp & PRF_NONCLIENT) PaintBorder(reinterpret_cast<HDC>(wp));
        if (lp & PRF_CLIENT) PaintPopupMenuItems(reinterpret_cast<HDC>(wp));
        return result;
    }
    case WM_NCPAINT: return menu_ ? OnNcPaint(nullptr) : Default();
    case WM_NCCALCSIZE: return OnNcCalcSize(BOOL(wp), lp);
    case 0xAE:
    case 0xAF: return 0;
    case WM_DRAWITEM: {
        auto* item = reinterpret_cast<DRAWITEMSTRUCT*>(lp);
        if (wp != 0 || !item || item->CtlType != ODT_MENU || !menu_) return CTWWnd::WindowProc(msg, wp, lp);
        OwnPainting own(item->hDC);
        PaintItem(item->hDC, int(item->CtlID), int(item->itemState), item->rcItem);
        return TRUE;
    }
    case WM_WINDOWPOSCHANGING: {
        auto* pos = reinterpret_cast<WINDOWPOS*>(lp);
        if (!resized_ && pos && !(pos->flags & SWP_NOSIZE) && pos->cx > 0 && HasBorderImage() && menu_) {
            // The system sizes the popup for its own frame; the skin's
            // border takes that frame's place.
            resized_ = true;
            correctedBySystemSizing_ = true;
            RECT border{};
            GetRect(&border);
            pos->cx += border.left + border.right - 2 * GetSystemMetrics(SM_CXDLGFRAME);
            pos->cy += border.top + border.bottom - 2 * GetSystemMetrics(SM_CYDLGFRAME);
            pos->cx = std::max(1, pos->cx);
            pos->cy = std::max(1, pos->cy);
        }
        return Default();
    }
    case WM_KEYDOWN:
    case WM_CHAR:
    case WM_SYSKEYDOWN: {
        const LRESULT result = DefaultWithOriginMoved();
        SyncItems();
        return result;
    }
    case kMnSizeWindow: {
        // The default handling sizes the popup for the system's frame; when
        // that sizing already took the skin's border (above, in its
        // WM_WINDOWPOSCHANGING), it must not be taken again.
        correctedBySystemSizing_ = false;
        const LRESULT result = CTWWnd::WindowProc(msg, wp, lp);
        resized_ = true;
        if (!correctedBySystemSizing_) Resize();
        return result;
    }
    case kMnSelectItem: {
        firstSelection_ = FALSE;
        const LRESULT result = DefaultWithOriginMoved();
        SelectItem(int(wp));
        SyncItems();
        return result;
    }
    case kMnButtonDown:
        if (int(wp) >= 0) {
            pressed_ = int(wp);
            DrawItem(int(wp), pm::state::kPressed);
        }
        return Default();
    case kMnButtonUp: return DefaultWithOriginMoved();
    case TWM_BACKGROUNDCHANGED:
    case TWM_REFRESHSKIN:
        // A new skin: item pictures laid out from the old images go.
        imageCache_.clear();
        GetBackgroundBitmap(TRUE);
        return CTWWnd::WindowProc(msg, wp, lp);
    default: return CTWWnd::WindowProc(msg, wp, lp);
    }
}
