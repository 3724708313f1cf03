// The skin's colour-adjustment modifiers, kept by caller-chosen id.

#include "model/hsl/hsl_modifier.h"
#include "model/twf_skin.h"

BOOL CTwfSkin::AddHSLModifier(WORD elementType, long id) {
    if (modifiers_.count(id)) return FALSE;
    if (elementType != 0) {
        modifiers_[id] = std::make_shared<CHSLCtrlModifier>(this, elementType, std::wstring());
    } else {
        modifiers_[id] = std::make_shared<CHSLTotalModifier>(this);
    }
    return TRUE;
}

BOOL CTwfSkin::AddSchemeHSLModifier(const std::wstring& scheme, long id) {
    if (modifiers_.count(id)) return FALSE;
    if (schemeModifierSwitch_ != 0) {
        modifiers_[id] = std::make_shared<CHSLCtrlModifier>(this, 0, scheme);
    } else {
        modifiers_[id] = std::make_shared<CHSLTotalModifier>(this);
    }
    return TRUE;
}

BOOL CTwfSkin::ApplyHSL(long id, double hue, double saturation, double lightness, double opacity) {
    auto it = modifiers_.find(id);
    if (it == modifiers_.end()) return FALSE;
    it->second->Apply(hue, saturation, lightness, opacity);
    return TRUE;
}

BOOL CTwfSkin::RemoveHSLModifier(long id) {
    auto it = modifiers_.find(id);
    if (it == modifiers_.end()) return FALSE;
    it->second->Restore();
    modifiers_.erase(it);
    return TRUE;
}

WORD CTwfSkin::GetHSLModifierElement(long id) const {
    auto it = modifiers_.find(id);
    return it == modifiers_.end() ? 0xFFFF : it->second->GetTypeId();
}
