#include "runtime/wnd/tw_wnd.h"

#include <mutex>
#include <vector>

#include "model/platform/win/uxtheme.h"
#include "model/twf_manager.h"
#include "model/twf_obj.h"
#include "model/twf_skin.h"
#include "runtime/draw/tw_draw.h"
#include "runtime/manager/controls_manager.h"
#include "runtime/messages.h"
#include "runtime/runtime_state.h"
#include "runtime/scroll/subclass_wnd.h"
#include "runtime/text/support_unicode.h"
#include "runtime/window_helpers.h"
#include "runtime/window_rects.h"

using namespace hexmoor::rt;

namespace {
// Any address unique to the runtime: skinned windows answer TWM_ISSKINNED
// with it.
const int g_skinnedMarker = 0;

bool HasFrameStyle(HWND hwnd) {
    const DWORD style = DWORD(GetWindowLongPtrW(hwnd, GWL_STYLE));
    return (style & WS_CAPTION) == WS_CAPTION || (style & WS_DLGFRAME) || (style & WS_THICKFRAME);
}
} // namespace

LRESULT SkinnedWindowMarker() { return reinterpret_cast<LRESULT>(&g_skinnedMarker); }

int GetBorderKind(HWND hwnd) {
    const LONG_PTR ex = GetWindowLongPtrW(hwnd, GWL_EXSTYLE);
    if (ex & (WS_EX_CLIENTEDGE | WS_EX_STATICEDGE)) return 1;
    if (GetWindowLongPtrW(hwnd, GWL_STYLE) & WS_BORDER) return 2;
    return 0;
}

CTWWnd::CTWWnd() : active_(State().defaultActive ? TRUE : FALSE) {}

CTWWnd::~CTWWnd() {
    if (fade_) fade_->Cancel();
    if (scrollHelper_) scrollHelper_->Unsubclass();
}

bool CTWWnd::IsSkinningOn() const { return active_ && IsSkinActive(skinId_) && element_ && element_->GetEnabled(); }

// --- attach and detach ------------------------------------------------------

namespace {
// Windows whose procedure still leads into ours after their object let go
// (another subclasser came later): messages keep flowing to the procedure we
// replaced. Keyed by window, with the procedure that sat on top of ours, so
// that a recycled window handle is never mistaken for the old window.
// Process-wide, so guarded.
struct OrphanLink {
    SubclassLink link;
    LONG_PTR topProcedure = 0;
};
struct OrphanLinks {
    std::mutex lock;
    std::map<HWND, OrphanLink> links;
};
OrphanLinks& Orphans() {
    static OrphanLinks o;
    return o;
}
LONG_PTR CurrentProcedure(HWND hwnd, bool wide) {
    return wide ? GetWindowLongPtrW(hwnd, GWLP_WNDPROC) : GetWindowLongPtrA(hwnd, GWLP_WNDPROC);
}
} // namespace

bool TakeOrphanLink(HWND hwnd, SubclassLink* out) {
    auto& o = Orphans();
    std::lock_guard<std::mutex> g(o.lock);
    const auto it = o.links.find(hwnd);
    if (it == o.links.end()) return false;
    if (out) *out = it->second.link;
    o.links.erase(it);
    return true;
}

bool FindOrphanLink(HWND hwnd, SubclassLink* out) {
    auto& o = Orphans();
    std::lock_guard<std::mutex> g(o.lock);
    const auto it = o.links.find(hwnd);
    if (it == o.links.end()) return false;
    *out = it->second.link;
    return true;
}

void KeepOrphanLink(HWND hwnd, const SubclassLink& link) {
    auto& o = Orphans();
    std::lock_guard<std::mutex> g(o.lock);
    o.links[hwnd] = OrphanLink{link, CurrentProcedure(hwnd, link.wide)};
}

namespace {
// The orphan link of the window when the procedure on top of ours is still
// the one that was there when our object let go; a stale entry is dropped.
bool TakeLiveOrphanLink(HWND hwnd, SubclassLink* out) {
    auto& o = Orphans();
    std::lock_guard<std::mutex> g(o.lock);
    const auto it = o.links.find(hwnd);
    if (it == o.links.end()) return false;
    const bool live = CurrentProcedure(hwnd, it->second.link.wide) == it->second.topProcedure;
    if (live) *out = it->second.link;
    o.links.erase(it);
    return live;
}
} // namespace

BOOL CTWWnd::Attach(HWND hwnd, int type) {
    if (hWnd_) {
        type_ = type;
        return TRUE;
    }
    if (!hwnd || !IsWindow(hwnd)) return FALSE;
    hWnd_ = hwnd;
    SetPropA(hwnd, kObjectProp, this);
    SubclassLink orphan;
    if (TakeLiveOrphanLink(hwnd, &orphan)) {
        // Our procedure is still in the window's chain from an earlier
        // object: re-use that link instead of stacking a second copy.
        oldProc_ = orphan;
    } else {
        oldProc_ = InstallWindowProc(hwnd, &TWWndProc);
    }
    type_ = type;
    return TRUE;
}

void CTWWnd::Detach() {
    DestroyScrollHelper();
    if (!hWnd_ || !IsWindow(hWnd_)) return;
    if (!RestoreWindowProc(hWnd_, &TWWndProc, oldProc_)) {
        // Another procedure sits on top of ours and will keep calling it:
        // keep forwarding to the procedure we replaced.
        if (oldProc_.previous) KeepOrphanLink(hWnd_, oldProc_);
    }
    if (GetPropA(hWnd_, kObjectProp) == this) RemovePropA(hWnd_, kObjectProp);
    if (themeDisabled_) {
        RestoreWindowTheme(hWnd_);
        themeDisabled_ = false;
    }
    hWnd_ = nullptr;
    background_.Reset();
    scrollBackground_.Reset();
}

void CTWWnd::Reattach() {
    if (!hWnd_ || !oldProc_.previous) return;
    if (IsCurrentWindowProc(hWnd_, &TWWndProc, oldProc_.wide)) return;
    oldProc_ = InstallWindowProc(hWnd_, &TWWndProc);
}

// --- small virtuals ---------------------------------------------------------

BOOL CTWWnd::Enable(BOOL on) {
    if (on) {
        const int code = VersionCode();
        if ((code == 7 || code == 9) && hWnd_ && g_pfnSetWindowTheme) {
            DisableWindowTheme(hWnd_);
            themeDisabled_ = true;
        }
        OnEnable();
    } else {
        OnDisable();
        if (themeDisabled_ && hWnd_) {
            // Skinning off gives the window its system look back.
            RestoreWindowTheme(hWnd_);
            themeDisabled_ = false;
        }
    }
    return TRUE;
}

LRESULT CTWWnd::OnReflectedNotify(BOOL*, ReflectRecord*) { return 0; }
LRESULT CTWWnd::OnReflectedCtlColor(BOOL*, HDC, HWND) { return 0; }
LRESULT CTWWnd::OnReflectedCommand(BOOL*, ReflectRecord*) { return 0; }
LRESULT CTWWnd::Paint(HDC) { return 0; }

LRESULT CTWWnd::OnPrintClient(HDC dc, DWORD flags) {
    LRESULT result;
    {
        // The default processing goes through the reflected colour answer,
        // which moves the DC's origin or clips the client away: the caller's
        // DC must come back as it was before the skinned paint.
        SavedDC saved(dc);
        SetRedraw(FALSE);
        result = Default();
        SetRedraw(TRUE);
    }
    if (flags & PRF_CLIENT) Paint(dc);
    return result;
}

LRESULT CTWWnd::PaintBorder(HDC) { return Default(); }

LRESULT CTWWnd::OnNcPaint(HDC dc) {
    const int kind = GetBorderKind(hWnd_);
    if (kind == 1) {
        if (dc) return PaintBorder(dc);
        WindowDC windowDc(hWnd_, true);
        return PaintBorder(windowDc.Get());
    }
    if (kind == 2) {
        WindowDC windowDc(hWnd_, true);
        const HDC target = dc ? dc : windowDc.Get();
        CWindowRect wr(hWnd_);
        SelectGuard pen(target, GetStockObject(BLACK_PEN));
        SelectGuard brush(target, GetStockObject(NULL_BRUSH));
        ::Rectangle(target, 0, 0, wr.Width(), wr.Height());
    }
    return 0;
}

LRESULT CTWWnd::CalcBorderSize(BOOL, LPARAM) { return Default(); }

LRESULT CTWWnd::OnNcCalcSize(BOOL calcValidRects, LPARAM params) {
    if (GetBorderKind(hWnd_) == 1) return CalcBorderSize(calcValidRects, params);
    return Default();
}

LRESULT CTWWnd::Default() {
    const MSG& m = CurrentMessage();
    return DefWindowProc(m.message, m.wParam, m.lParam);
}

HBITMAP CTWWnd::GetBackgroundBitmap(BOOL) { return nullptr; }

void CTWWnd::OnEnable() {
    if (scrollElement_ && scrollElement_->GetEnabled() && !scrollHelper_) {
        // The form subclasser hands the window's own scroll bars to the
        // scroll-bar engine.
        scrollHelper_ = std::make_unique<CFormScroll>();
        scrollHelper_->SubclassWindow(hWnd_);
        UpdateScrollBarSizes();
        return;
    }
    SuspendSkinScrollbars(hWnd_, FALSE);
}

void CTWWnd::OnDisable() { SuspendSkinScrollbars(hWnd_, TRUE); }

void CTWWnd::DestroyScrollHelper() {
    if (!scrollHelper_) return;
    scrollHelper_->Unsubclass();
    scrollHelper_.reset();
}

HFONT CTWWnd::GetFont(BOOL* owned) {
    if (!element_) return nullptr;
    if (owned) *owned = FALSE;
    if (CFont* font = element_->GetFont()) return font->GetSafeHandle();
    HFONT f = reinterpret_cast<HFONT>(SendMessageW(hWnd_, WM_GETFONT, 0, 0));
    return f ? f : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

LRESULT CTWWnd::EraseBackground(HDC dc, HWND child, const RECT* rect) {
    RECT r{};
    if (rect) {
        r = *rect;
    } else {
        CWindowRect wr(child);
        r = {0, 0, wr.Width(), wr.Height()};
    }
    PatBlt(dc, r.left, r.top, r.right - r.left, r.bottom - r.top, WHITENESS);
    return SendMessageW(hWnd_, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
}

void CTWWnd::RedrawNow(BOOL nonClient) {
    if (!hWnd_ || !IsWindowVisible(hWnd_)) return;
    {
        WindowDC dc(hWnd_);
        if (dc) Paint(dc.Get());
    }
    if (nonClient) {
        WindowDC dc(hWnd_, true);
        if (dc) PaintBorder(dc.Get());
    }
}

CTwfObj* CTWWnd::SetSkin(CTwfSkin* skin, WORD type, const std::wstring& name) {
    if (!skin) return nullptr;
    CTwfObj* element = skin->FindObject(type, name);
    if (!element) element = skin->FindObject(type, L"");
    SetSkinObject(element);
    return element;
}

void CTWWnd::SetSkinObject(CTwfObj* element) { element_ = element; }

void CTWWnd::InitMode(const char*) { mode_ = BYTE(State().hostFramework); }

void CTWWnd::GetRect(RECT* out) const {
    if (out) *out = rect_;
}

BOOL CTWWnd::IsRTL() const { return (GetWindowLongPtrW(hWnd_, GWL_EXSTYLE) & WS_EX_LAYOUTRTL) ? TRUE : FALSE; }

void CTWWnd::SetActive(BOOL on, WORD scope) {
    active_ = on;
    scope_ = scope;
}

void CTWWnd::SetRedraw(BOOL on) { SendMessageW(hWnd_, WM_SETREDRAW, on, 0); }

void CTWWnd::DropCachedGdiObjects() {
    background_.Reset();
    scrollBackground_.Reset();
}

// --- skin selection ---------------------------------------------------------

CTwfSkin* CTWWnd::GetTwfSkin() const { return element_ ? element_->GetOwnerSkin() : nullptr; }

LRESULT CTWWnd::DefWindowProc(UINT msg, WPARAM wp, LPARAM lp) { return CallSavedProc(oldProc_, hWnd_, msg, wp, lp); }

HFONT CTWWnd::SelectFont(HDC dc, BOOL* owned) {
    HFONT font = GetFont(owned);
    return font ? static_cast<HFONT>(SelectObject(dc, font)) : nullptr;
}

CTwfObj* CTWWnd::FindSkinElement(WORD type, const std::wstring& name) const {
    CTwfSkin* skin = GetTwfSkin();
    if (!skin) return nullptr;
    CTwfObj* element = skin->FindObject(type, name);
    return element ? element : skin->FindObject(type, L"");
}

CTwfObj* CTWWnd::FindSkinElementOfType(WORD type) const { return FindSkinElement(type, elementName_); }

CTwfObj* CTWWnd::SetScrollBarSkin(CTwfSkin* skin, const std::wstring& name) {
    if (!skin) return nullptr;
    CTwfObj* element = skin->FindObject(5, name);
    if (!element) element = skin->FindObject(5, L"");
    scrollElement_ = element;
    return element;
}

void CTWWnd::UpdateScrollBarSizes() {
    if (!scrollHelper_) return;
    if (scrollElement_) {
        scrollHelper_->SetVertBarSize(int(scrollElement_->GetNumber(810)), int(scrollElement_->GetNumber(811)));
        scrollHelper_->SetHorzBarSize(int(scrollElement_->GetNumber(812)), int(scrollElement_->GetNumber(813)));
    } else {
        const int v = GetSystemMetrics(SM_CXVSCROLL), h = GetSystemMetrics(SM_CYHSCROLL);
        scrollHelper_->SetVertBarSize(v, v);
        scrollHelper_->SetHorzBarSize(h, h);
    }
}

CTwfSkin* CTWWnd::InheritParentSkin(BOOL) {
    CTwfSkin* skin = nullptr;
    const bool popup = (GetWindowLongPtrW(hWnd_, GWL_STYLE) & WS_POPUP) != 0;
    for (HWND a = GetParent(hWnd_); a && !skin; a = GetParent(a)) {
        CTWWnd* ancestor = HasFrameStyle(a) ? GetSkinnedFrameObject(a) : nullptr;
        if (!ancestor) ancestor = GetSkinnedWindowObject(a);
        if (!ancestor || ancestor->GetType() == 100) continue;
        if (ancestor->GetScope() == 1 || (ancestor->GetScope() == 2 && !popup))
            SetActive(ancestor->IsActive(), ancestor->GetScope());
        skin = explicitSkin_ ? explicitSkin_ : ancestor->GetTwfSkin();
        if (!skin && SkinManager()) skin = SkinManager()->GetMainSkin();
        break;
    }
    if (!skin) skin = explicitSkin_ ? explicitSkin_ : (SkinManager() ? SkinManager()->GetMainSkin() : nullptr);
    if (skin) {
        const WORD id = FindSkinIdOfSkin(skin);
        if (id) skinId_ = id;
    }
    SetSkin(skin, WORD(type_), elementName_);
    SetScrollBarSkin(skin, L"Default");
    return skin;
}

void CTWWnd::SetFadeEffect(const FadeRecord& record) {
    if (fade_) fade_->Cancel();
    FadeRecord r = record;
    r.window = hWnd_;
    fade_ = std::make_shared<FadeState>(r);
    fadeEnabled_ = TRUE;
}

void CTWWnd::DrawParentDialogBackground(HDC dc) {
    const HWND parent = GetParent(hWnd_);
    CTWWnd* parentObject = parent ? GetSkinnedWindowObject(parent) : nullptr;
    if (!parentObject || parentObject->GetType() != 25) return;
    CWindowRect wr(hWnd_);
    POINT corners[2] = {{wr.left, wr.top}, {wr.right, wr.bottom}};
    MapWindowPoints(nullptr, parent, corners, 2);
    if (GetWindowLongPtrW(parent, GWL_EXSTYLE) & WS_EX_LAYOUTRTL) std::swap(corners[0].x, corners[1].x);
    POINT old{};
    SetViewportOrgEx(dc, -corners[0].x, -corners[0].y, &old);
    parentObject->DefWindowProc(WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
    SetViewportOrgEx(dc, old.x, old.y, nullptr);
}

void CTWWnd::AddChildObject(CTWWnd* child) {
    if (child && child->GetSafeHwnd()) children_[child->GetSafeHwnd()] = child;
}
void CTWWnd::RemoveChildObject(HWND child) { children_.erase(child); }
CTWWnd* CTWWnd::LookupChildObject(HWND child) const {
    const auto it = children_.find(child);
    return it == children_.end() ? nullptr : it->second;
}

namespace {
// Sets and clears bits of one style word (GWL_STYLE or GWL_EXSTYLE) and adds
// to the record only the bits that really changed, so that restoring puts
// back exactly what the window had.
void ChangeStyleWord(HWND hwnd, int index, DWORD add, DWORD remove, DWORD& addedLog, DWORD& removedLog) {
    const DWORD style = DWORD(GetWindowLongPtrW(hwnd, index));
    const DWORD added = add & ~style;
    const DWORD removed = remove & style;
    addedLog |= added;
    removedLog |= removed;
    if (added || removed) SetWindowLongPtrW(hwnd, index, LONG_PTR((style | added) & ~removed));
}
} // namespace

void CTWWnd::ChangeStyle(DWORD add, DWORD remove) {
    ChangeStyleWord(hWnd_, GWL_STYLE, add, remove, styles_.styleAdded, styles_.styleRemoved);
}

void CTWWnd::ChangeExStyle(DWORD add, DWORD remove) {
    ChangeStyleWord(hWnd_, GWL_EXSTYLE, add, remove, styles_.exStyleAdded, styles_.exStyleRemoved);
}

void CTWWnd::RestoreStyles() {
    if (!hWnd_ || !IsWindow(hWnd_)) return;
    const DWORD style = DWORD(GetWindowLongPtrW(hWnd_, GWL_STYLE));
    const DWORD restored = (style & ~styles_.styleAdded) | styles_.styleRemoved;
    if (restored != style) SetWindowLongPtrW(hWnd_, GWL_STYLE, LONG_PTR(restored));
    const DWORD ex = DWORD(GetWindowLongPtrW(hWnd_, GWL_EXSTYLE));
    const DWORD restoredEx = (ex & ~styles_.exStyleAdded) | styles_.exStyleRemoved;
    if (restoredEx != ex) SetWindowLongPtrW(hWnd_, GWL_EXSTYLE, LONG_PTR(restoredEx));
    styles_ = {};
}

// --- skin change ------------------------------------------------------------

namespace {
struct ApplyArgs {
    BOOL on;
    WORD scope;
};
} // namespace

BOOL CALLBACK ApplySkinToChildProc(HWND child, LPARAM lp) {
    const auto* a = reinterpret_cast<const ApplyArgs*>(lp);
    CTWWnd* object = GetSkinnedWindowObject(child);
    if (!object) return TRUE;
    if (object->IsActive() && !a->on) object->Enable(FALSE);
    if (a->on) object->Enable(TRUE);
    object->SetActive(a->on, a->scope);
    SendMessageW(child, TWM_STARTSKIN, 0, 0);
    object->ChangeSkin(1, TRUE);
    return TRUE;
}

int CTWWnd::ApplySkin(BOOL on, WORD scope) {
    applied_ = TRUE;
    for (CTWWnd* extra : {static_cast<CTWWnd*>(GetSkinnedFrameObject(hWnd_)), GetSkinnedMenuBarObject(hWnd_)}) {
        if (!extra) continue;
        extra->SetApplied(TRUE);
        extra->SetActive(on, scope);
        extra->Enable(on);
        extra->ChangeSkin(1, TRUE);
    }
    if (active_ != on) Enable(on);
    SetActive(on, scope);
    SendMessageW(hWnd_, TWM_STARTSKIN, 0, 0);
    int result = ChangeSkin(1, FALSE);
    if (scope) {
        ApplyArgs args{on, scope};
        result = EnumChildWindows(hWnd_, &ApplySkinToChildProc, reinterpret_cast<LPARAM>(&args));
    }
    return result;
}

int CTWWnd::ChangeSkin(int relayout, BOOL children) {
    if (!hWnd_) return 0;
    Reset(elementName_);
    // A skinned frame lays out its sides again here (the frame's own code,
    // when it is attached to this window).
    if (CTWWnd* frame = GetSkinnedFrameObject(hWnd_)) frame->Reset(frame->GetElementName());
    SendMessageW(hWnd_, TWM_REFRESHSKIN, 1, 0);
    PostMessageW(hWnd_, TWM_SKINCHANGED, WPARAM(relayout), 0);
    if (children) {
        for (HWND child = GetWindow(hWnd_, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
            SendMessageW(child, TWM_BACKGROUNDCHANGED, 1, 0);
            PostMessageW(child, TWM_SKINCHANGED, WPARAM(relayout), 0);
        }
    }
    return 1;
}

void CTWWnd::Reset(const std::wstring&) {
    UpdateScrollBarSizes();
    rect_ = {0, 0, 0, 0};
    GetBackgroundBitmap(TRUE);
    SetWindowPos(hWnd_, nullptr, 0, 0, 0, 0,
                 SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

// --- scroll-bar drawing -----------------------------------------------------

CMrgBitmap* CTWWnd::GetScrollBarPartImage(int bar, int part, int state, BOOL enabled) const {
    if (!scrollElement_) return nullptr;
    // Columns: hot, pressed, normal, disabled; the first set for stand-alone
    // scroll bars, the second for the bars of other windows.
    static constexpr WORD kControl[2][4][4] = {
        {{47, 45, 43, 49}, {55, 53, 51, 57}, {63, 61, 59, 65}, {0, 0, 42, 101}},
        {{81, 79, 77, 83}, {89, 87, 85, 91}, {96, 94, 93, 98}, {0, 0, 76, 100}},
    };
    static constexpr WORD kWindow[2][4][4] = {
        {{817, 816, 815, 818}, {821, 820, 819, 822}, {825, 824, 823, 826}, {0, 0, 814, 841}},
        {{830, 829, 828, 831}, {834, 833, 832, 835}, {838, 837, 836, 839}, {0, 0, 827, 840}},
    };
    if (bar != 0 && bar != 1) return nullptr;
    const int row = part == 0 ? 0 : part == 1 ? 1 : part == 5 ? 2 : 3;
    int column = enabled ? 2 : 3;
    if (enabled && row != 3) {
        if (state & CDIS_HOT)
            column = 0;
        else if (state & CDIS_SELECTED)
            column = 1;
    }
    const WORD id = (type_ == 5 ? kControl : kWindow)[bar][row][column];
    return id ? scrollElement_->GetImage(id) : nullptr;
}

HBITMAP CTWWnd::BuildScrollBarBackground(NMCUSTOMDRAW* record, BOOL rebuild) {
    if (!rebuild && scrollBackground_) return scrollBackground_.Get();
    scrollBackground_.Reset();
    if (!record || !scrollElement_ || !scrollElement_->GetEnabled()) return nullptr;
    const RECT& item = record->rc;
    const int w = item.right - item.left, h = item.bottom - item.top;
    if (w <= 0 || h <= 0) return nullptr;
    WindowDC screen(nullptr);
    BitmapHandle bitmap(CreateCompatibleBitmap(screen.Get(), w, h));
    MemoryDC dc(screen.Get());
    {
        SelectGuard select(dc.Get(), bitmap.Get());
        HWND reference = hWnd_;
        if (type_ == 14) {
            char cls[64] = {};
            const HWND parent = GetParent(hWnd_);
            GetClassNameA(parent, cls, sizeof cls);
            if (lstrcmpiA(cls, "ComboBox") == 0)
                reference = ((GetWindowLongPtrW(parent, GWL_STYLE) & 3) == CBS_SIMPLE) ? parent : nullptr;
        } else if (type_ == 25) {
            reference = nullptr;
        }
        PatBlt(dc.Get(), 0, 0, w, h, WHITENESS);
        if (reference) {
            CTWWnd* parentObject = GetSkinnedWindowObject(GetParent(reference));
            if (parentObject) {
                CWindowRect wr(hWnd_);
                RECT r{item.left + wr.left, item.top + wr.top, item.right + wr.left, item.bottom + wr.top};
                parentObject->EraseBackground(dc.Get(), hWnd_, &r);
            }
        }
        if (record->lItemlParam == 0 || record->lItemlParam == 1) {
            CMrgBitmap* image = GetScrollBarPartImage(int(record->lItemlParam), int(record->dwItemSpec),
                                                      int(record->uItemState), IsWindowEnabled(hWnd_));
            CTWDraw draw(dc.Get(), nullptr, FALSE);
            RECT all{0, 0, w, h};
            draw.DrawSkinImage(&all, image, FALSE, nullptr);
        }
    }
    scrollBackground_ = std::move(bitmap);
    return scrollBackground_.Get();
}

LRESULT CTWWnd::OnScrollBarCustomDraw(LRESULT, NMCUSTOMDRAW* record) {
    if (!scrollElement_) return 0;
    if (record->lItemlParam == -2) return CDRF_SKIPDEFAULT;
    if (!scrollElement_->GetEnabled()) return 0;
    if (record->dwDrawStage == CDDS_PREPAINT) return LONG(scrollElement_->GetEnabled()) > 0 ? CDRF_SKIPDEFAULT : 0;
    if (record->dwDrawStage == CDDS_POSTPAINT) return 0;
    if (record->lItemlParam == 3) {
        const HWND parent = GetParent(hWnd_);
        CTWWnd* parentObject = parent ? GetSkinnedWindowObject(parent) : nullptr;
        if (parent && IsWindowVisible(parent) && parentObject && parentObject->GetType() == 25) {
            SavedDC saved(record->hdc);
            IntersectClipRect(record->hdc, record->rc.left, record->rc.top, record->rc.right, record->rc.bottom);
            parentObject->EraseBackground(record->hdc, hWnd_, nullptr);
        } else if (CTwfObj* grip = FindSkinElementOfType(27)) {
            CTWDraw draw(record->hdc, nullptr, FALSE);
            draw.DrawSkinImage(&record->rc, grip->GetImage(41), FALSE, nullptr);
        }
        return CDRF_SKIPDEFAULT;
    }
    if (record->lItemlParam == 0 || record->lItemlParam == 1) {
        const HBITMAP bitmap = BuildScrollBarBackground(record, TRUE);
        if (bitmap) {
            CTWDraw draw(record->hdc, nullptr, FALSE);
            POINT at{record->rc.left, record->rc.top};
            draw.DrawBitmapAt(&at, bitmap);
        }
        return CDRF_SKIPDEFAULT;
    }
    return 0;
}
