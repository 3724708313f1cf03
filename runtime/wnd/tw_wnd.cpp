#include "runtime/wnd/tw_wnd.h"

#include "base/win/uxtheme.h"
#include "model/twf_manager.h"
#include "model/twf_obj.h"
#include "model/twf_skin.h"
#include "runtime/draw/tw_draw.h"
#include "runtime/logic/control_types.h"
#include "runtime/wnd/object_registry.h"
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
    ForgetWindowObject(this);
    if (fade_) fade_->Cancel();
    if (scrollHelper_) scrollHelper_->Unsubclass();
}

bool CTWWnd::IsSkinningOn() const { return active_ && IsSkinActive(skinId_) && element_ && element_->GetEnabled(); }

// --- attach and detach ------------------------------------------------------

BOOL CTWWnd::Attach(HWND hwnd, int type) {
    if (hWnd_) {
        type_ = type;
        return TRUE;
    }
    if (!hwnd || !IsWindow(hwnd)) return FALSE;
    hWnd_ = hwnd;
    SetPropA(hwnd, kObjectProp, this);
    RegisterWindowObject(hwnd, this);
    // Our procedure may still be in the window's chain from an earlier
    // object: that link is taken over instead of a second copy stacked.
    subclass_.Install(hwnd, &TWWndProc);
    type_ = type;
    return TRUE;
}

void CTWWnd::Detach() {
    DestroyScrollHelper();
    if (hWnd_) UnregisterWindowObject(hWnd_, this);
    // Under a later subclasser our procedure keeps forwarding to the one we
    // replaced.
    subclass_.Remove();
    if (!hWnd_ || !IsWindow(hWnd_)) return;
    if (GetPropA(hWnd_, kObjectProp) == this) RemovePropA(hWnd_, kObjectProp);
    if (themeDisabled_) {
        RestoreWindowTheme(hWnd_);
        themeDisabled_ = false;
    }
    hWnd_ = nullptr;
    background_.Reset();
    scrollBackground_.Reset();
}

void CTWWnd::Reattach() { subclass_.Reinstall(); }

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
        hexmoor::win::SavedDC saved(dc);
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
        hexmoor::win::WindowDC windowDc(hWnd_, true);
        return PaintBorder(windowDc.Get());
    }
    if (kind == 2) {
        hexmoor::win::WindowDC windowDc(hWnd_, true);
        const HDC target = dc ? dc : windowDc.Get();
        CWindowRect wr(hWnd_);
        hexmoor::win::SelectGuard pen(target, GetStockObject(BLACK_PEN));
        hexmoor::win::SelectGuard brush(target, GetStockObject(NULL_BRUSH));
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

HFONT CTWWnd::GetFont() {
    if (!element_) return nullptr;
    if (CFont* font = element_->GetFont()) return font->GetSafeHandle();
    return WindowFontOrDefault(hWnd_);
}

void CTWWnd::RedrawNow(BOOL nonClient) {
    if (!hWnd_ || !IsWindowVisible(hWnd_)) return;
    {
        hexmoor::win::WindowDC dc(hWnd_);
        if (dc) Paint(dc.Get());
    }
    if (nonClient) {
        hexmoor::win::WindowDC dc(hWnd_, true);
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

LRESULT CTWWnd::DefWindowProc(UINT msg, WPARAM wp, LPARAM lp) { return subclass_.CallPrevious(hWnd_, msg, wp, lp); }

hexmoor::win::SelectGuard CTWWnd::SelectWindowFont(HDC dc) { return hexmoor::win::SelectGuard(dc, GetFont()); }

CTwfObj* CTWWnd::FindSkinElement(WORD type, const std::wstring& name) const {
    CTwfSkin* skin = GetTwfSkin();
    if (!skin) return nullptr;
    CTwfObj* element = skin->FindObject(type, name);
    return element ? element : skin->FindObject(type, L"");
}

CTwfObj* CTWWnd::FindSkinElementOfType(WORD type) const { return FindSkinElement(type, elementName_); }

CTwfSkin* CTWWnd::InheritParentSkin(BOOL) {
    CTwfSkin* skin = nullptr;
    const bool popup = (GetWindowLongPtrW(hWnd_, GWL_STYLE) & WS_POPUP) != 0;
    for (HWND a = GetParent(hWnd_); a && !skin; a = GetParent(a)) {
        CTWWnd* ancestor = HasFrameStyle(a) ? GetSkinnedFrameObject(a) : nullptr;
        if (!ancestor) ancestor = GetSkinnedWindowObject(a);
        if (!ancestor || ancestor->GetType() == ctype::kTransparent) continue;
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
