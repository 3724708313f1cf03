// The skin's colour-adjustment modifiers, kept by caller-chosen id.

#include "model/hsl/hsl_modifier.h"
#include "model/twf_skin.h"

BOOL CTwfSkin::AddHSLModifier(WORD elementType, long id) {
  if (m_modifiers.count(id)) return FALSE;
  if (elementType != 0) {
    m_modifiers[id] = std::make_shared<CHSLCtrlModifier>(this, elementType, std::wstring());
  } else {
    m_modifiers[id] = std::make_shared<CHSLTotalModifier>(this);
  }
  return TRUE;
}

BOOL CTwfSkin::AddSchemeHSLModifier(const std::wstring& scheme, long id) {
  if (m_modifiers.count(id)) return FALSE;
  if (m_schemeModifierSwitch != 0) {
    m_modifiers[id] = std::make_shared<CHSLCtrlModifier>(this, 0, scheme);
  } else {
    m_modifiers[id] = std::make_shared<CHSLTotalModifier>(this);
  }
  return TRUE;
}

BOOL CTwfSkin::ApplyHSL(long id, double hue, double saturation, double lightness, double opacity) {
  auto it = m_modifiers.find(id);
  if (it == m_modifiers.end()) return FALSE;
  it->second->Apply(hue, saturation, lightness, opacity);
  return TRUE;
}

BOOL CTwfSkin::RemoveHSLModifier(long id) {
  auto it = m_modifiers.find(id);
  if (it == m_modifiers.end()) return FALSE;
  it->second->Restore();
  m_modifiers.erase(it);
  return TRUE;
}

WORD CTwfSkin::GetHSLModifierElement(long id) const {
  auto it = m_modifiers.find(id);
  return it == m_modifiers.end() ? 0xFFFF : it->second->GetTypeId();
}
