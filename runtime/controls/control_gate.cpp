#include "runtime/controls/control_gate.h"

#include "model/twf_obj.h"
#include "runtime/runtime_state.h"
#include "runtime/window_rects.h"
#include "runtime/wnd/object_registry.h"
#include "runtime/text/support_unicode.h"
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

void ResetElementByName(CTWWnd& object, const std::wstring& name) {
    if (name != object.GetElementName()) object.SetElementName(name);
    if (object.GetSkinObject()) {
        if (CTwfSkin* skin = object.GetTwfSkin()) object.SetSkin(skin, WORD(object.GetType()), name);
    }
}

LRESULT DefaultWithoutBorders(CTWWnd& object) {
    const CSupportUnicode unicode = object.Unicode();
    const LONG_PTR style = unicode.GetWindowLongAW(GWL_STYLE);
    const LONG_PTR ex = unicode.GetWindowLongAW(GWL_EXSTYLE);
    unicode.SetWindowLongAW(GWL_EXSTYLE, ex & (WS_EX_RIGHT | WS_EX_RTLREADING | WS_EX_LEFTSCROLLBAR | WS_EX_LAYOUTRTL));
    unicode.SetWindowLongAW(GWL_STYLE, style & ~LONG_PTR(WS_BORDER));
    const LRESULT result = object.Default();
    unicode.SetWindowLongAW(GWL_STYLE, style);
    unicode.SetWindowLongAW(GWL_EXSTYLE, ex);
    return result;
}
