#include "runtime/controls/control_gate.h"

#include "model/twf_obj.h"
#include "runtime/runtime_state.h"
#include "runtime/manager/controls_manager.h"
#include "runtime/wnd/tw_wnd.h"

bool PassesThrough(const CTWWnd& object) {
    if (!object.IsActive() || !hexmoor::rt::IsSkinActive(object.GetSkinId())) return true;
    CTwfObj* element = object.GetSkinObject();
    if (!element) return true;
    if (!element->GetEnabled()) {
        const std::wstring& name = object.GetElementName();
        if (name.empty() || name == L"Default") return true;
    }
    return false;
}

LRESULT EraseWithParent(HWND self, HDC dc, HWND child, const RECT* rect) {
    CTWWnd* parent = GetSkinnedWindowObject(GetParent(self));
    if (!parent) return 1;
    return parent->EraseBackground(dc, child, rect);
}
