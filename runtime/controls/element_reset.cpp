#include "runtime/controls/element_reset.h"

#include "runtime/wnd/tw_wnd.h"

void ReselectElement(CTWWnd& object, const std::wstring& name) {
    if (name != object.GetElementName()) object.SetElementName(name);
    if (!object.GetSkinObject()) return;
    if (CTwfSkin* skin = object.GetTwfSkin()) object.SetSkin(skin, WORD(object.GetType()), name);
}
