#include "runtime/controls/date_time_hooks.h"

#include <commctrl.h>

#include <algorithm>

#include "base/win/paint_dc.h"

namespace hexmoor::rt {

void QuietParentHook::Release(HWND picker) {
    const auto it = std::find(held_.rbegin(), held_.rend(), picker);
    if (it != held_.rend()) held_.erase(std::next(it).base());
}

LRESULT QuietParentHook::Handle(UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_NOTIFY && lp) {
        const HWND from = reinterpret_cast<const NMHDR*>(lp)->hwndFrom;
        if (std::find(held_.begin(), held_.end(), from) != held_.end()) return 0;
    }
    return CallOld(msg, wp, lp);
}

QuietParent::QuietParent(HWND picker) : picker_(picker), parent_(GetParent(picker)) {
    if (!parent_) return;
    // A parent already quiet for another of its pickers keeps its one hook.
    hook_ = QuietParentHook::Of(parent_);
    if (!hook_) {
        owned_ = std::make_unique<QuietParentHook>();
        if (!owned_->Attach(parent_)) {
            owned_.reset();
            return;
        }
        hook_ = owned_.get();
    }
    hook_->Hold(picker_);
}

QuietParent::~QuietParent() {
    if (!hook_) return;
    hook_->Release(picker_);
    if (!owned_) return;
    owned_->Detach();
    DeleteWhenUnwound(std::move(owned_));
}

LRESULT CheckBoxChildHook::Handle(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_ERASEBKGND: return 1;
    case WM_PRINTCLIENT:
    case WM_PAINT: {
        const win::GivenOrPaintDc paint(hwnd_, msg == WM_PRINTCLIENT ? reinterpret_cast<HDC>(wp) : nullptr);
        if (paint.Dc()) paint_(hwnd_, paint.Dc());
        return 0;
    }
    default: return CallOld(msg, wp, lp);
    }
}

} // namespace hexmoor::rt
