#include "editor/shell/placement.h"

#include <algorithm>

#include "base/win/rect.h"
#include "framework/docking/dock_windows.h"
#include "framework/profile.h"
#include "framework/strings.h"
#include "resources/string_ids.h"

namespace hexmoor::shell {

Placement ResolvePlacement(const Placement& stored, const Placement& current, const Rect& work) {
    Placement p = stored;
    Rect r = stored.normal;
    if (r.left > r.right) std::swap(r.left, r.right);
    if (r.top > r.bottom) std::swap(r.top, r.bottom);
    if (!r.Intersects(work)) return current;
    if (r.left < work.left) r = r.Offset(work.left - r.left, 0);
    if (r.right > work.right) r = r.Offset(-(r.right - work.right), 0);
    if (r.left < work.left) r.left = work.left;
    if (r.top < work.top) r = r.Offset(0, work.top - r.top);
    if (r.bottom > work.bottom) r = r.Offset(0, -(r.bottom - work.bottom));
    if (r.top < work.top) r.top = work.top;
    p.normal = r;
    // Every minimised form (minimise, shown minimised, minimised without
    // activation) comes back restored unless the window is minimised now.
    bool storedMin = p.show == SW_MINIMIZE || p.show == SW_SHOWMINIMIZED || p.show == SW_SHOWMINNOACTIVE;
    bool currentMin =
        current.show == SW_MINIMIZE || current.show == SW_SHOWMINIMIZED || current.show == SW_SHOWMINNOACTIVE;
    if (storedMin && !currentMin) p.show = SW_RESTORE;
    if (current.show == SW_SHOWMAXIMIZED) p.show = SW_SHOWMAXIMIZED;
    return p;
}

std::wstring PlacementSection(const std::wstring& caption, const std::wstring& propertiesWord) {
    if (!propertiesWord.empty() && caption.compare(0, propertiesWord.size(), propertiesWord) == 0)
        return propertiesWord;
    return caption;
}

namespace {

Placement FromWindow(HWND wnd) {
    WINDOWPLACEMENT wp{};
    wp.length = sizeof wp;
    GetWindowPlacement(wnd, &wp);
    Placement p;
    p.show = IsWindowVisible(wnd) ? static_cast<int>(wp.showCmd) : 0;
    p.flags = static_cast<int>(wp.flags);
    p.minPos = {wp.ptMinPosition.x, wp.ptMinPosition.y};
    p.maxPos = {wp.ptMaxPosition.x, wp.ptMaxPosition.y};
    p.normal = FromRECT(wp.rcNormalPosition);
    return p;
}

Rect WorkArea() {
    RECT r;
    if (SystemParametersInfoW(SPI_GETWORKAREA, 0, &r, 0)) return FromRECT(r);
    return {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
}

} // namespace

bool CSaveRestoreWinPos::AddWindow(HWND wnd, bool miniFramesOnly) {
    if (!wnd) return false;
    if (!miniFramesOnly) {
        windows_.push_back(wnd);
        return true;
    }
    // The floating pane windows of wnd: top-level windows it owns that are
    // dock float windows, in z-order.
    for (HWND w = GetTopWindow(nullptr); w; w = GetWindow(w, GW_HWNDNEXT))
        if (GetWindow(w, GW_OWNER) == wnd && dynamic_cast<fw::DockFloatWindow*>(fw::Window::FromHandle(w)))
            windows_.push_back(w);
    return true;
}

bool CSaveRestoreWinPos::AddNamedWindow(HWND wnd, const std::wstring& section) {
    if (!AddWindow(wnd)) return false;
    sections_[wnd] = section;
    return true;
}

std::wstring CSaveRestoreWinPos::SectionOf(HWND wnd) const {
    if (auto it = sections_.find(wnd); it != sections_.end()) return it->second;
    int len = GetWindowTextLengthW(wnd);
    std::wstring text(static_cast<std::size_t>(len) + 1, L'\0');
    GetWindowTextW(wnd, text.data(), len + 1);
    text.resize(static_cast<std::size_t>(len));
    return PlacementSection(text, fw::LoadText(IDS_PROPERTIES));
}

void CSaveRestoreWinPos::SaveWindowPos(HWND wnd) const {
    if (!profile_ || !IsWindow(wnd)) return;
    Placement p = FromWindow(wnd);
    std::wstring s = SectionOf(wnd);
    profile_->WriteInt(s, L"show", p.show);
    profile_->WriteInt(s, L"flags", p.flags);
    profile_->WriteInt(s, L"minposx", p.minPos.x);
    profile_->WriteInt(s, L"minposy", p.minPos.y);
    profile_->WriteInt(s, L"maxposx", p.maxPos.x);
    profile_->WriteInt(s, L"maxposy", p.maxPos.y);
    profile_->WriteInt(s, L"left", p.normal.left);
    profile_->WriteInt(s, L"top", p.normal.top);
    profile_->WriteInt(s, L"right", p.normal.right);
    profile_->WriteInt(s, L"bottom", p.normal.bottom);
}

void CSaveRestoreWinPos::RestoreWindowPos(HWND wnd) const {
    if (!profile_) return;
    Placement cur = FromWindow(wnd);
    std::wstring s = SectionOf(wnd);
    // A window never saved keeps its placement (and a hidden maximised
    // window its maximised state).
    if (!profile_->HasValue(s, L"show")) return;
    Placement st;
    st.show = profile_->GetInt(s, L"show", cur.show);
    st.flags = profile_->GetInt(s, L"flags", cur.flags);
    st.minPos = {profile_->GetInt(s, L"minposx", cur.minPos.x), profile_->GetInt(s, L"minposy", cur.minPos.y)};
    st.maxPos = {profile_->GetInt(s, L"maxposx", cur.maxPos.x), profile_->GetInt(s, L"maxposy", cur.maxPos.y)};
    st.normal = {profile_->GetInt(s, L"left", cur.normal.left), profile_->GetInt(s, L"top", cur.normal.top),
                 profile_->GetInt(s, L"right", cur.normal.right), profile_->GetInt(s, L"bottom", cur.normal.bottom)};
    Placement p = ResolvePlacement(st, cur, WorkArea());
    WINDOWPLACEMENT wp{};
    wp.length = sizeof wp;
    wp.showCmd = static_cast<UINT>(p.show);
    wp.flags = static_cast<UINT>(p.flags);
    wp.ptMinPosition = {p.minPos.x, p.minPos.y};
    wp.ptMaxPosition = {p.maxPos.x, p.maxPos.y};
    wp.rcNormalPosition = ToRECT(p.normal);
    // A hidden window that is maximised already and comes back maximised
    // only takes its normal rectangle: its owner shows it once, when ready
    // (showing here activated it, and the start dialog shown next activated
    // the editor a second time).
    if (p.show == SW_SHOWMAXIMIZED && !IsWindowVisible(wnd) && IsZoomed(wnd)) {
        // Nothing to take when it has them already (the usual start).
        if (p.normal == cur.normal && p.minPos == cur.minPos && p.maxPos == cur.maxPos && p.flags == cur.flags) return;
        wp.showCmd = SW_HIDE;
    }
    SetWindowPlacement(wnd, &wp);
}

void CSaveRestoreWinPos::SaveAll() const {
    for (HWND w : windows_) SaveWindowPos(w);
}

void CSaveRestoreWinPos::RestoreAll() const {
    for (HWND w : windows_) RestoreWindowPos(w);
}

} // namespace hexmoor::shell
