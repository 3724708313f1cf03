#include "runtime/frame/alpha_window_layered.h"

#include <vector>

#include "base/win/gdi.h"
#include "base/win/rect.h"
#include "model/mrg_bitmap.h"
#include "runtime/logic/layered_companion.h"

using namespace hexmoor;
using namespace hexmoor::rt;

HWND CAlphaWindowLayered::GetCompanion() const { return companion_ && IsWindow(companion_) ? companion_ : nullptr; }

LRESULT CAlphaWindowLayered::WindowProc(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_MOVE:
        Default();
        FollowWithCompanion();
        return 0;
    case WM_SIZE:
        Default();
        PositionAlphaWindow();
        return 0;
    case WM_NCHITTEST: return HTCAPTION;
    default: return CTWWnd::WindowProc(msg, wp, lp);
    }
}

void CAlphaWindowLayered::FollowWithCompanion() {
    HWND companion = GetCompanion();
    if (!companion || !hWnd_) return;
    RECT wr;
    GetWindowRect(hWnd_, &wr);
    POINT at{wr.left, wr.top};
    // A companion inside another window is placed in its parent's client
    // coordinates.
    if (GetWindowLongPtrW(companion, GWL_STYLE) & WS_CHILD) MapWindowPoints(nullptr, GetParent(companion), &at, 1);
    SetWindowPos(companion, nullptr, at.x, at.y, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOOWNERZORDER | SWP_NOSENDCHANGING | SWP_NOACTIVATE);
    SetWindowPos(hWnd_, companion, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE);
}

namespace {
struct ChildList {
    HWND companion;
    std::vector<std::wstring> names; // keeps the class names the views point into
    std::vector<CompanionChild> children;
};

BOOL CALLBACK CollectCompanionChild(HWND child, LPARAM lp) {
    auto* list = reinterpret_cast<ChildList*>(lp);
    // Direct children only: controls inside a child lie within its rectangle.
    if (GetParent(child) != list->companion) return TRUE;
    wchar_t name[64] = {};
    GetClassNameW(child, name, 64);
    RECT r;
    GetWindowRect(child, &r);
    RECT origin;
    GetWindowRect(list->companion, &origin);
    OffsetRect(&r, -origin.left, -origin.top);
    list->names.emplace_back(name);
    list->children.push_back({{}, static_cast<unsigned long>(GetWindowLongPtrW(child, GWL_STYLE)), FromRECT(r)});
    return TRUE;
}
} // namespace

void CAlphaWindowLayered::PositionAlphaWindow() {
    HWND companion = GetCompanion();
    if (!companion) return;
    if (image_ && image_->GetWidth() > 0 && image_->GetHeight() > 0)
        SetWindowPos(companion, nullptr, 0, 0, image_->GetWidth(), image_->GetHeight(),
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOOWNERZORDER | SWP_NOSENDCHANGING | SWP_NOACTIVATE);
    ChildList list{companion, {}, {}};
    EnumChildWindows(companion, &CollectCompanionChild, reinterpret_cast<LPARAM>(&list));
    for (std::size_t i = 0; i < list.children.size(); ++i) list.children[i].className = list.names[i];
    // The union of the children shown; overlapping children keep their
    // common part.
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    for (const Rect& r : CompanionRegionRects(list.children)) {
        win::Region part(CreateRectRgn(r.left, r.top, r.right, r.bottom));
        CombineRgn(region, region, part.Get(), RGN_OR);
    }
    // The window owns the region from here on.
    SetWindowRgn(companion, region, TRUE);
}
