#include "runtime/controls/menu_bar.h"

#include "base/win/dib.h"
#include "base/win/gdi.h"
#include "base/win/rect.h"

#include <windowsx.h>

#include <algorithm>
#include <cstddef>

#include "model/elements/wnd_frame.h"
#include "model/font.h"
#include "model/mrg_bitmap.h"
#include "model/twf_skin.h"
#include "runtime/draw/tw_draw.h"
#include "runtime/frame/frame_skin_wnd.h"
#include "runtime/logic/menu_bar_layout.h"
#include "runtime/messages.h"
#include "runtime/regions.h"
#include "runtime/runtime_state.h"
#include "runtime/text/unicode_string.h"
#include "runtime/window_rects.h"
#include "runtime/wnd/orphan_links.h"

using namespace hexmoor;
using namespace hexmoor::rt;
using namespace hexmoor::win;

namespace {

// Frame element numbers of the bar.
constexpr WORD kBarHeight = 652, kLeftGap = 653, kTopGap = 654, kBottomGap = 656, kItemOffset = 657;
constexpr WORD kBackground = 422;
constexpr WORD kItemImage[4] = {418, 420, 419, 421};  // normal, hot, pressed, disabled
constexpr WORD kItemColour[4] = {423, 425, 424, 426}; // the same order
// Room on both sides of an item's text, added to the text extent.
constexpr int kItemPadding = 12;

// One popup tracking at a time per process: the hook and the bar it serves.
HHOOK g_filterHook = nullptr;
CTWWndMenu* g_trackingBar = nullptr;

std::wstring WithoutPrefix(const std::wstring& text) {
    std::wstring out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == L'&' && i + 1 < text.size()) ++i;
        out += text[i];
    }
    return out;
}

} // namespace

// Keeps the bar's own current-message record for the length of one call.
class MenuBarProcScope {
public:
    MenuBarProcScope(CTWWndMenu* bar, HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) : bar_(bar), saved_(bar->current_) {
        ++bar_->depth_;
        bar_->current_.hwnd = hwnd;
        bar_->current_.message = msg;
        bar_->current_.wParam = wp;
        bar_->current_.lParam = lp;
    }
    ~MenuBarProcScope() {
        bar_->current_ = saved_;
        --bar_->depth_;
        FreeIfUnwound(bar_);
    }
    MenuBarProcScope(const MenuBarProcScope&) = delete;
    MenuBarProcScope& operator=(const MenuBarProcScope&) = delete;

private:
    CTWWndMenu* bar_;
    MSG saved_;
};

LRESULT CALLBACK MenuBarWndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    auto* bar = static_cast<CTWWndMenu*>(GetPropA(hwnd, kMenuBarObjectProp));
    // A bar that let go while a later subclasser still leads here: the
    // messages go on to the procedure the bar replaced.
    if (!bar || bar->GetSafeHwnd() != hwnd) return ForwardOrphanMessage(hwnd, &MenuBarWndProc, msg, wp, lp);
    MenuBarProcScope scope(bar, hwnd, msg, wp, lp);
    if (msg == WM_NCDESTROY) {
        const SubclassLink link = bar->OldProc();
        bar->Detach();
        return CallSavedProc(link, hwnd, msg, wp, lp);
    }
    return bar->WindowProc(msg, wp, lp);
}

LRESULT CALLBACK MenuFilterHookProc(int code, WPARAM wp, LPARAM lp) {
    if (code == MSGF_MENU && g_trackingBar && g_trackingBar->OnMenuFilterMessage(reinterpret_cast<const MSG*>(lp)))
        return TRUE;
    return CallNextHookEx(g_filterHook, code, wp, lp);
}

CTWWndMenu* CTWWndMenu::TrackingMenuBar() { return g_trackingBar; }

CTWWndMenu::CTWWndMenu(HWND frameWindow) {
    type_ = 2;
    AttachToWindow(frameWindow);
}

CTWWndMenu::~CTWWndMenu() {
    if (g_trackingBar == this) g_trackingBar = nullptr;
}

void CTWWndMenu::AttachToWindow(HWND hwnd) {
    if (hWnd_ || !hwnd || !IsWindow(hwnd)) return;
    hWnd_ = hwnd;
    SetPropA(hwnd, kMenuBarObjectProp, this);
    // Our procedure may still be in the chain from an earlier bar.
    oldProc_ = AttachWindowProc(hwnd, &MenuBarWndProc);
}

void CTWWndMenu::Detach() {
    DetachMenuBar(FALSE);
    if (!hWnd_) return;
    if (IsWindow(hWnd_)) {
        DetachWindowProc(hWnd_, &MenuBarWndProc, oldProc_);
        if (GetPropA(hWnd_, kMenuBarObjectProp) == this) RemovePropA(hWnd_, kMenuBarObjectProp);
    }
    hWnd_ = nullptr;
}

LRESULT CTWWndMenu::Default() { return DefWindowProc(current_.message, current_.wParam, current_.lParam); }

BOOL CTWWndMenu::Enable(BOOL on) {
    if (on)
        AttachMenuBar(FALSE);
    else
        DetachMenuBar(FALSE);
    return TRUE;
}

HFONT CTWWndMenu::GetFont(BOOL* owned) {
    if (owned) *owned = FALSE;
    const auto* frame = dynamic_cast<const CTwfWndFrame*>(element_);
    if (frame && frame->GetMenuBar() && frame->GetMenuBar()->GetFont())
        return frame->GetMenuBar()->GetFont()->GetSafeHandle();
    if (!ownedFont_) {
        NONCLIENTMETRICSW metrics{};
        metrics.cbSize = sizeof metrics;
        if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0))
            ownedFont_.Reset(CreateFontIndirectW(&metrics.lfMenuFont));
    }
    if (ownedFont_) return ownedFont_.Get();
    HFONT f = reinterpret_cast<HFONT>(SendMessageW(hWnd_, WM_GETFONT, 0, 0));
    return f ? f : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

// --- attaching the menu -------------------------------------------------------------

int CTWWndMenu::HeightItem() const {
    if (!menu_ || !heightBitmap_) return -1;
    const int count = GetMenuItemCount(menu_);
    // Windows NT 4 knows the record only without its bitmap field, and
    // gives a bitmap item's bitmap as its type data.
    const int version = VersionCode();
    const bool nt4 = MenuItemInfoLacksBitmap(version);
    for (int i = count - 1; i >= 0; --i) {
        MENUITEMINFOW info{};
        info.cbSize = UINT(MenuItemInfoSize(version, sizeof info, offsetof(MENUITEMINFOW, hbmpItem)));
        info.fMask = nt4 ? MIIM_TYPE : MIIM_BITMAP;
        if (!GetMenuItemInfoW(menu_, UINT(i), TRUE, &info)) continue;
        const HBITMAP bitmap =
            nt4 ? ((info.fType & MFT_BITMAP) ? reinterpret_cast<HBITMAP>(info.dwTypeData) : nullptr) : info.hbmpItem;
        if (bitmap == heightBitmap_.Get()) return i;
    }
    return -1;
}

void CTWWndMenu::AttachMenuBar(BOOL redraw) {
    if (CFrameSkinWnd* frame = GetFrameSkinWnd(hWnd_)) frame->InvalidateFramePicture();
    DetachMenuBar(FALSE);
    if (CTWWnd* frame = GetFrameSkinWnd(hWnd_)) SetActive(frame->IsActive(), frame->GetScope());
    if (!IsSkinningOn()) return;
    menu_ = GetMenu(hWnd_);
    if (menu_ && !IsMenu(menu_)) menu_ = nullptr;
    if (menu_ && GetMenuItemCount(menu_) <= 0) menu_ = nullptr;
    if (!menu_) return;
    if (!heightItemAppended_) {
        const int height = std::max<int>(5, int(element_->GetNumber(kBarHeight)));
        heightBitmap_.Reset(CreateBitmap(1, height, 1, 1, nullptr));
        AppendMenuW(menu_, MF_BITMAP | MF_BYPOSITION, UINT_PTR(GetMenuItemCount(menu_) + 1),
                    reinterpret_cast<LPCWSTR>(heightBitmap_.Get()));
        heightItemAppended_ = true;
    }
    if (redraw)
        SetWindowPos(hWnd_, nullptr, 0, 0, 0, 0,
                     SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

void CTWWndMenu::DetachMenuBar(BOOL redraw) {
    if (CFrameSkinWnd* frame = hWnd_ ? GetFrameSkinWnd(hWnd_) : nullptr) frame->InvalidateFramePicture();
    if (menu_ && IsMenu(menu_)) {
        const int item = HeightItem();
        if (item >= 0) RemoveMenu(menu_, UINT(item), MF_BYPOSITION);
    }
    heightBitmap_.Reset();
    heightItemAppended_ = false;
    hot_ = -1;
    hotState_ = 0;
    keyboardMode_ = false;
    if (g_trackingBar == this) g_trackingBar = nullptr;
    menu_ = nullptr;
    if (redraw && hWnd_)
        SetWindowPos(hWnd_, nullptr, 0, 0, 0, 0,
                     SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

// --- layout ----------------------------------------------------------------------------

namespace {

bool IsMirrored(HWND hwnd) { return (GetWindowLongPtrW(hwnd, GWL_EXSTYLE) & WS_EX_LAYOUTRTL) != 0; }

// The client rectangle in the window's own layout: a right-to-left window's
// is mirrored (its DCs draw from the right edge).
Rect ClientInWindow(HWND hwnd) {
    const Rect shown = FromRECT(ClientRectInWindow(hwnd));
    return IsMirrored(hwnd) ? MirrorInWidth(shown, CWindowRect(hwnd).Width()) : shown;
}

FrameBorders BordersOf(HWND hwnd) {
    CFrameSkinWnd* frame = GetFrameSkinWnd(hwnd);
    return frame ? frame->Borders() : FrameBorders{};
}

} // namespace

Rect CTWWndMenu::BarRect() const {
    if (!menu_) return {};
    return hexmoor::rt::BarRect(ClientInWindow(hWnd_), BordersOf(hWnd_).top, 0);
}

std::wstring CTWWndMenu::ItemText(int index) const {
    wchar_t text[256] = {};
    GetMenuStringW(menu_, UINT(index), text, 255, MF_BYPOSITION);
    return text;
}

std::vector<std::wstring> CTWWndMenu::ItemTexts() const {
    std::vector<std::wstring> texts;
    const int count = menu_ ? GetMenuItemCount(menu_) : 0;
    const int height = HeightItem();
    for (int i = 0; i < count; ++i) texts.push_back(i == height ? std::wstring() : ItemText(i));
    return texts;
}

int CTWWndMenu::ClientTopShift() const {
    if (!element_) return 0;
    const CTwfSkin* skin = element_->GetOwnerSkin();
    return BarClientTopShift(int(element_->GetNumber(kTopGap)), int(element_->GetNumber(kBottomGap)),
                             skin ? skin->GetVersion() : 0);
}

std::vector<Rect> CTWWndMenu::ItemRects(HDC measure) const {
    if (!menu_ || !element_) return {};
    const CWindowRect wr(hWnd_);
    BarLayoutInput in;
    in.window = {wr.Width(), wr.Height()};
    in.borders = BordersOf(hWnd_);
    in.leftGap = int(element_->GetNumber(kLeftGap));
    in.topGap = int(element_->GetNumber(kTopGap));
    const DWORD offset = element_->GetNumber(kItemOffset);
    in.itemOffset = {short(LOWORD(offset)), short(HIWORD(offset))};
    const Rect client = ClientInWindow(hWnd_);
    in.rowHeight = std::max(0, client.top - in.borders.top - ClientTopShift());
    in.heightItem = HeightItem();
    in.mdi = MdiState();
    if (const auto* frame = dynamic_cast<const CTwfWndFrame*>(element_))
        if (const CTwfMenuBar* bar = frame->GetMenuBar()) {
            auto pair = [bar](WORD id) {
                const DWORD v = bar->GetNumber(id);
                return Point{short(LOWORD(v)), short(HIWORD(v))};
            };
            for (int b = 0; b < 3; ++b) {
                const Point size = pair(WORD(649 + b));
                in.mdiButtons[std::size_t(b)] = {{size.x, size.y}, pair(WORD(646 + b))};
            }
        }
    HDC screen = measure ? measure : GetDC(nullptr);
    {
        BOOL owned = FALSE;
        SelectGuard select(screen, const_cast<CTWWndMenu*>(this)->GetFont(&owned));
        const std::vector<std::wstring> texts = ItemTexts();
        for (int i = 0; i < int(texts.size()); ++i) {
            const int kind = BarItemKind(i, int(texts.size()), in.mdi);
            if (kind == bar_kind::kChildIcon) {
                in.itemWidths.push_back(GetSystemMetrics(SM_CXSMICON) + 8);
                continue;
            }
            const std::wstring shown = WithoutPrefix(texts[std::size_t(i)]);
            SIZE extent{};
            GetTextExtentPoint32W(screen, shown.c_str(), int(shown.size()), &extent);
            in.itemWidths.push_back(shown.empty() ? 0 : extent.cx + kItemPadding);
        }
    }
    if (!measure) ReleaseDC(nullptr, screen);
    return LayoutBarItems(in);
}

MdiBarState CTWWndMenu::MdiState(HWND* child) const {
    if (child) *child = nullptr;
    if (!mdiClient_ || !IsWindow(mdiClient_)) {
        mdiClient_ = nullptr;
        for (HWND c = GetWindow(hWnd_, GW_CHILD); c && !mdiClient_; c = GetWindow(c, GW_HWNDNEXT)) {
            char name[64] = {};
            GetClassNameA(c, name, sizeof name);
            if (lstrcmpiA(name, "mdiclient") == 0 || _strnicmp(name, "WindowsForms10.MDICLIENT", 24) == 0)
                mdiClient_ = c;
        }
    }
    if (!mdiClient_) return {};
    BOOL maximized = FALSE;
    HWND active = HWND(SendMessageW(mdiClient_, WM_MDIGETACTIVE, 0, LPARAM(&maximized)));
    if (!active || !maximized) return {};
    if (child) *child = active;
    const LONG_PTR style = GetWindowLongPtrW(active, GWL_STYLE);
    return {true, (style & WS_MAXIMIZEBOX) != 0, (style & WS_MINIMIZEBOX) != 0};
}

int CTWWndMenu::ItemKind(int index) const {
    return menu_ ? BarItemKind(index, GetMenuItemCount(menu_), MdiState()) : bar_kind::kNone;
}

int CTWWndMenu::HitTest(POINT p) const { return HitTestBarItems(ItemRects(), {p.x, p.y}, HeightItem()); }

POINT CTWWndMenu::CursorInWindow() const {
    POINT cursor;
    GetCursorPos(&cursor);
    return ScreenToLayout(cursor);
}

POINT CTWWndMenu::ScreenToLayout(POINT screen) const {
    const CWindowRect wr(hWnd_);
    // Mirrored layouts count from the right edge.
    if (IsMirrored(hWnd_)) return {wr.right - screen.x, screen.y - wr.top};
    return {screen.x - wr.left, screen.y - wr.top};
}

bool CTWWndMenu::IsItemDisabled(int index) const {
    const UINT state = GetMenuState(menu_, UINT(index), MF_BYPOSITION);
    return state != UINT(-1) && (state & (MF_DISABLED | MF_GRAYED));
}

// --- painting --------------------------------------------------------------------------

int CTWWndMenu::ItemState(int index) const {
    const UINT state = GetMenuState(menu_, UINT(index), MF_BYPOSITION);
    const bool known = state != UINT(-1);
    return BarItemDrawState(index == hot_ ? hotState_ : 0, known && (state & MF_DISABLED),
                            known && (state & MF_GRAYED));
}

void CTWWndMenu::SendDrawItem(HDC dc, int index, int kind, int state, const Rect& rect) {
    // The item's text travels as a string object; a maximised child's icon
    // as its small class icon.
    CUnicodeString text;
    DRAWITEMSTRUCT item{};
    item.CtlType = kBarDrawItemType;
    item.itemID = index >= 0 ? GetMenuItemID(menu_, index) : 0;
    item.itemAction = UINT(kind);
    item.itemState = UINT(state);
    item.hDC = dc;
    item.rcItem = ToRECT(rect);
    if (kind == bar_kind::kText) {
        text = ItemText(index).c_str();
        item.itemData = reinterpret_cast<ULONG_PTR>(&text);
    } else if (kind == bar_kind::kChildIcon) {
        HWND child = nullptr;
        MdiState(&child);
        HICON icon = child ? reinterpret_cast<HICON>(GetClassLongPtrW(child, GCLP_HICONSM)) : nullptr;
        if (!icon) icon = LoadIconW(nullptr, IDI_APPLICATION);
        item.itemData = reinterpret_cast<ULONG_PTR>(icon);
    }
    SendMessageW(hWnd_, WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&item));
}

LRESULT CTWWndMenu::PaintMenuBar(const DRAWITEMSTRUCT& item) {
    if (!element_) return FALSE;
    HDC dc = item.hDC;
    const RECT box = item.rcItem;
    if (IsRectEmpty(&box)) return TRUE;
    PatBlt(dc, box.left, box.top, box.right - box.left, box.bottom - box.top, WHITENESS);
    const int state = int(item.itemState);
    const int kind = int(item.itemAction);
    CTWDraw draw(dc, nullptr, FALSE);
    switch (kind) {
    case bar_kind::kBackground:
        if (const CMrgBitmap* image = element_->GetImage(kBackground)) draw.DrawSkinImage(&box, image, FALSE, nullptr);
        return TRUE;
    case bar_kind::kChildIcon: {
        // The bar's background shows around the icon, as under the whole bar.
        const RECT bar = ToRECT(BarRect());
        if (const CMrgBitmap* image = element_->GetImage(kBackground)) {
            SavedDC saved(dc);
            IntersectClipRect(dc, box.left, box.top, box.right, box.bottom);
            draw.DrawSkinImage(&bar, image, FALSE, nullptr);
        }
        draw.Release();
        const int w = box.right - box.left, h = box.bottom - box.top;
        DrawIconEx(dc, box.left + (w - 16) / 2, box.top + (h - 16) / 2, reinterpret_cast<HICON>(item.itemData), 16, 16,
                   0, nullptr, DI_NORMAL);
        return TRUE;
    }
    case bar_kind::kClose:
    case bar_kind::kRestore:
    case bar_kind::kMinimize: {
        if (state > 2) return TRUE;
        // normal, pressed, hot image of each button
        const WORD base = kind == bar_kind::kClose ? 505 : kind == bar_kind::kRestore ? 515 : 512;
        const WORD id = state == 2 ? WORD(base + 1) : state == 1 ? WORD(base + 2) : base;
        const auto* frame = dynamic_cast<const CTwfWndFrame*>(element_);
        const CMrgBitmap* image = frame && frame->GetMenuBar() ? frame->GetMenuBar()->GetImage(id) : nullptr;
        if (image) draw.StretchImage(&box, image, nullptr);
        return TRUE;
    }
    case bar_kind::kText: {
        const int column = std::clamp(state, 0, 3);
        if (const CMrgBitmap* image = element_->GetImage(kItemImage[column]))
            draw.DrawSkinImage(&box, image, FALSE, nullptr);
        draw.Release();
        const auto* text = reinterpret_cast<const CUnicodeString*>(item.itemData);
        if (!text || !text->GetBuffer()) return TRUE;
        BOOL owned = FALSE;
        SelectGuard select(dc, GetFont(&owned));
        const int mode = SetBkMode(dc, TRANSPARENT);
        const COLORREF colour = SetTextColor(dc, element_->GetColor(kItemColour[column]));
        RECT textBox = box;
        DrawTextW(dc, text->GetBuffer(), int(text->GetLength()), &textBox, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        SetTextColor(dc, colour);
        SetBkMode(dc, mode);
        return TRUE;
    }
    default: return TRUE;
    }
}

void CTWWndMenu::DrawBar(HDC dc) {
    if (!menu_ || !element_ || IsIconic(hWnd_)) return;
    const Rect bar = BarRect();
    if (bar.IsEmpty()) return;
    // A buffer as wide as the window and reaching down to the bar's bottom,
    // so that the bar's items are drawn in window coordinates (and a
    // mirrored bar mirrors within the window's width).
    const int width = CWindowRect(hWnd_).Width();
    MemoryDC memory(dc);
    hexmoor::win::Bitmap bitmap(hexmoor::win::CreateScreenBitmap(width, bar.bottom));
    if (!memory || !bitmap) return;
    SelectGuard select(memory.Get(), bitmap.Get());
    const bool mirrored = IsMirrored(hWnd_);
    SetLayout(memory.Get(), mirrored ? LAYOUT_RTL : 0);
    DrawInto(memory.Get());
    SetLayout(memory.Get(), 0); // copied out as it lies in the buffer
    SavedDC saved(dc);
    if (mirrored) SetLayout(dc, 0);
    const Rect at = mirrored ? MirrorInWidth(bar, width) : bar;
    BitBlt(dc, at.left, at.top, at.Width(), at.Height(), memory.Get(), at.left, at.top, SRCCOPY);
}

void CTWWndMenu::DrawInto(HDC dc) {
    if (!menu_ || !element_ || IsIconic(hWnd_)) return;
    const Rect bar = BarRect();
    if (bar.IsEmpty()) return;
    const std::vector<Rect> rects = ItemRects(dc);
    SavedDC saved(dc);
    IntersectClipRect(dc, bar.left, bar.top, bar.right, bar.bottom);
    // Each piece is drawn through the window's WM_DRAWITEM, so that a host
    // can draw the bar, or part of it, itself.
    SendDrawItem(dc, -1, bar_kind::kBackground, 0, bar);
    const int height = HeightItem();
    const MdiBarState mdi = MdiState();
    for (int i = 0; i < int(rects.size()); ++i) {
        if (i == height) continue;
        const int kind = BarItemKind(i, int(rects.size()), mdi);
        // A button the child does not have is not drawn.
        if (rects[std::size_t(i)].IsEmpty() && kind != bar_kind::kText) continue;
        SendDrawItem(dc, i, kind, ItemState(i), rects[std::size_t(i)]);
    }
}

LRESULT CTWWndMenu::PaintBorder(HDC dc) {
    if (dc) {
        DrawBar(dc);
    } else if (IsWindowVisible(hWnd_)) {
        WindowDC window(hWnd_, true);
        if (window) DrawBar(window.Get());
    }
    return 0;
}

void CTWWndMenu::SetHot(int index, int state) {
    if (index == hot_ && state == hotState_) return;
    if (CFrameSkinWnd* frame = GetFrameSkinWnd(hWnd_)) frame->InvalidateFramePicture();
    hot_ = index;
    hotState_ = index >= 0 ? state : 0;
    PaintBorder(nullptr);
}

// --- non-client size ------------------------------------------------------------------

LRESULT CTWWndMenu::CalcBorderSize(BOOL, LPARAM params) {
    const LRESULT result = Default();
    auto* rect = reinterpret_cast<RECT*>(params);
    if (rect && menu_ && element_ && !IsIconic(hWnd_)) {
        rect->top += ClientTopShift();
        if (rect->top > rect->bottom) rect->top = rect->bottom;
    }
    return result;
}

// --- tracking ---------------------------------------------------------------------------

BOOL CTWWndMenu::TrackPopup() {
    reopen_ = true;
    UpdateWindow(hWnd_);
    ReleaseCapture();
    while (reopen_) {
        reopen_ = false;
        if (hot_ < 0 || IsItemDisabled(hot_)) return FALSE;
        HMENU popup = GetSubMenu(menu_, hot_);
        if (!popup) {
            const UINT id = GetMenuItemID(menu_, hot_);
            SetHot(keyboardMode_ ? hot_ : -1, 2);
            SendMessageW(hWnd_, WM_COMMAND, id, 0);
            return TRUE;
        }
        SetHot(hot_, 2);
        if (!g_filterHook)
            g_filterHook = SetWindowsHookExW(WH_MSGFILTER, &MenuFilterHookProc, nullptr, GetCurrentThreadId());
        g_trackingBar = this;
        submenuHighlighted_ = false;
        submenuDepth_ = 0;
        // Only a real move of the pointer switches to the item under it: the
        // menu loop also sees mouse moves where the pointer stayed (a popup
        // appearing under it makes one), which would otherwise take an item
        // switched to by the keyboard back to the item under the pointer.
        GetCursorPos(&lastFilterMouse_);
        const Rect r = ItemRects()[std::size_t(hot_)];
        const CWindowRect wr(hWnd_);
        popupOpen_ = true;
        if (IsMirrored(hWnd_)) // the item shows mirrored: the popup opens leftwards from its right edge
            TrackPopupMenu(popup, TPM_RIGHTALIGN | TPM_TOPALIGN, wr.right - r.left, wr.top + r.bottom, 0, hWnd_,
                           nullptr);
        else
            TrackPopupMenu(popup, TPM_LEFTALIGN | TPM_TOPALIGN, std::max(0L, wr.left + r.left), wr.top + r.bottom, 0,
                           hWnd_, nullptr);
        popupOpen_ = false;
        if (g_filterHook) {
            UnhookWindowsHookEx(g_filterHook);
            g_filterHook = nullptr;
        }
        if (!reopen_) break;
    }
    if (keyboardMode_) {
        SetHot(hot_, 2);
    } else {
        g_trackingBar = nullptr;
        SetHot(-1, 0);
    }
    PaintBorder(nullptr);
    return TRUE;
}

bool CTWWndMenu::OnMenuFilterMessage(const MSG* msg) {
    if (!msg || !menu_) return false;
    const int count = GetMenuItemCount(menu_);
    auto switchTo = [&](int next) {
        if (next < 0 || next == hot_) return;
        EndMenu();
        hot_ = next;
        reopen_ = true;
    };
    switch (msg->message) {
    case WM_KEYDOWN:
        if (msg->wParam == VK_RIGHT) {
            if (submenuHighlighted_) {
                ++submenuDepth_;
                return false;
            }
            switchTo(NextBarItem(hot_, false, count, MdiState().maximizedChild, HeightItem()));
            return true;
        }
        if (msg->wParam == VK_LEFT) {
            if (--submenuDepth_ >= 0) return false;
            switchTo(NextBarItem(hot_, true, count, MdiState().maximizedChild, HeightItem()));
            return true;
        }
        if (msg->wParam == VK_ESCAPE) reopen_ = false;
        return false;
    case WM_MOUSEMOVE: {
        POINT screen;
        GetCursorPos(&screen);
        if (screen.x == lastFilterMouse_.x && screen.y == lastFilterMouse_.y) return false;
        lastFilterMouse_ = screen;
        const int under = HitTest(CursorInWindow());
        if (under >= 0 && under != hot_ && WindowFromPoint(screen) == hWnd_ && !IsItemDisabled(under)) switchTo(under);
        return false;
    }
    case WM_LBUTTONDOWN:
        if (HitTest(CursorInWindow()) == hot_) reopen_ = false;
        return false;
    default: return false;
    }
}

void CTWWndMenu::EndKeyboardMode() {
    if (!keyboardMode_) return;
    keyboardMode_ = false;
    if (g_trackingBar == this) g_trackingBar = nullptr;
    SetHot(-1, 0);
}

void CTWWndMenu::OpenItem(int index) {
    if (index < 0) return;
    hot_ = index;
    TrackPopup();
}

// --- messages ---------------------------------------------------------------------------

LRESULT CTWWndMenu::WindowProc(UINT msg, WPARAM wp, LPARAM lp) {
    if (!IsSkinningOn() || !menu_) return Default();
    switch (msg) {
    case WM_DESTROY: DetachMenuBar(TRUE); return Default();
    case WM_NCCALCSIZE: return CalcBorderSize(BOOL(wp), lp);
    case WM_NCHITTEST: {
        const CWindowRect wr(hWnd_);
        const POINT p = ScreenToLayout({GET_X_LPARAM(lp), GET_Y_LPARAM(lp)});
        if (BarRect().Contains({p.x, p.y})) {
            hitCode_ = HTMENU;
            return HTCLIENT;
        }
        LRESULT hit = Default();
        if (hit == HTMENU) hit = HTNOWHERE;
        hitCode_ = WORD(hit);
        return hit;
    }
    case WM_NCPAINT: return Default(); // the frame paints the bar with its sides
    case WM_DRAWITEM: {
        const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lp);
        if (item && item->CtlType == kBarDrawItemType) return PaintMenuBar(*item);
        return Default();
    }
    case WM_ACTIVATE:
        if (LOWORD(wp) == WA_INACTIVE) EndKeyboardMode();
        return Default();
    case WM_MENUSELECT:
        if (popupOpen_) submenuHighlighted_ = (HIWORD(wp) & MF_POPUP) != 0 && HIWORD(wp) != 0xFFFF;
        return Default();
    case WM_MOUSEMOVE: {
        if (hitCode_ != HTMENU && !keyboardMode_) return Default();
        const int under = HitTest(CursorInWindow());
        if (keyboardMode_) {
            if (under >= 0 && under != hot_) SetHot(under, 2);
        } else if (under != hot_) {
            SetHot(under >= 0 && !IsItemDisabled(under) ? under : -1, 1);
        }
        if (!tracking_) {
            TRACKMOUSEEVENT t{sizeof t, TME_LEAVE, hWnd_, 0};
            tracking_ = TrackMouseEvent(&t) != FALSE;
        }
        return 0;
    }
    case WM_MOUSELEAVE:
        tracking_ = false;
        if (hot_ >= 0 && !popupOpen_ && !keyboardMode_) SetHot(-1, 0);
        return Default();
    case WM_LBUTTONDOWN: {
        if (hitCode_ != HTMENU) return Default();
        const int under = HitTest(CursorInWindow());
        keyboardMode_ = false;
        if (under < 0 || IsItemDisabled(under)) return 0;
        if (GetSubMenu(menu_, under)) {
            OpenItem(under);
        } else {
            SetHot(under, 2);
            SetCapture(hWnd_);
        }
        return 0;
    }
    case WM_LBUTTONUP: {
        if (GetCapture() == hWnd_ && hot_ >= 0 && hotState_ == 2) {
            ReleaseCapture();
            const int pressed = hot_;
            const int under = HitTest(CursorInWindow());
            SetHot(under == pressed ? pressed : -1, 1);
            if (under != pressed) return 0;
            HWND child = nullptr;
            const int kind = BarItemKind(pressed, GetMenuItemCount(menu_), MdiState(&child));
            if (kind == bar_kind::kClose || kind == bar_kind::kRestore || kind == bar_kind::kMinimize) {
                const UINT command = kind == bar_kind::kClose     ? SC_CLOSE
                                     : kind == bar_kind::kRestore ? SC_RESTORE
                                                                  : SC_MINIMIZE;
                SetHot(-1, 0);
                PostMessageW(child, WM_SYSCOMMAND, command, lp);
            } else if (!GetSubMenu(menu_, pressed)) {
                SendMessageW(hWnd_, WM_COMMAND, GetMenuItemID(menu_, pressed), 0);
            }
            return 0;
        }
        return hitCode_ == HTMENU ? 0 : Default();
    }
    case WM_SYSCOMMAND:
        if ((wp & 0xFFF0) != SC_KEYMENU) return Default();
        if (lp == 0) {
            if (keyboardMode_) {
                EndKeyboardMode();
            } else {
                keyboardMode_ = true;
                g_trackingBar = this;
                SetHot(0, 2);
            }
            return 0;
        }
        if (lp == ' ') return Default();
        if (const int item = FindMnemonicItem(ItemTexts(), wchar_t(lp)); item >= 0) {
            keyboardMode_ = true;
            g_trackingBar = this;
            OpenItem(item);
        }
        return 0;
    case WM_KEYDOWN:
        if (!keyboardMode_) return Default();
        switch (wp) {
        case VK_RETURN:
        case VK_UP:
        case VK_DOWN: OpenItem(hot_); return 0;
        case VK_ESCAPE: EndKeyboardMode(); return 0;
        case VK_LEFT:
        case VK_RIGHT:
            SetHot(NextBarItem(hot_, wp == VK_LEFT, GetMenuItemCount(menu_), MdiState().maximizedChild, HeightItem()),
                   2);
            return 0;
        default:
            if (const int item = FindMnemonicItem(ItemTexts(), wchar_t(MapVirtualKeyW(UINT(wp), MAPVK_VK_TO_CHAR)));
                item >= 0)
                PostMessageW(hWnd_, TWM_MENUBAROPENITEM, 0, item);
            return 0;
        }
    case TWM_MENUBAROPENITEM:
        OpenItem(int(lp));
        EndKeyboardMode();
        return 0;
    default: return Default();
    }
}
