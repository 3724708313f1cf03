#include "model/twf_manager.h"

#include <new>
#include <utility>

#include "model/platform/imaging.h"
#include "model/twf_error.h"

namespace {
void NoControlsManagers(CListOfCtrlManagers*) {}
}  // namespace

CTwfManager::CTwfManager() : m_controlsManagers(nullptr, &NoControlsManagers) {}

CTwfManager::~CTwfManager() = default;

void CTwfManager::SetControlsManagers(ControlsManagersPtr list) {
  m_controlsManagers = std::move(list);
  if (!m_controlsManagers.get_deleter()) {
    m_controlsManagers = ControlsManagersPtr(m_controlsManagers.release(), &NoControlsManagers);
  }
}

BOOL CTwfManager::CreateMainSkin(const std::wstring& defaultScheme) {
  auto skin = std::make_unique<CTwfSkin>();
  skin->InitNewSkin(defaultScheme);
  m_skins[kMainSkinId] = std::move(skin);
  m_mainSkinCreated = TRUE;
  return TRUE;
}

CTwfSkin* CTwfManager::GetSkin(WORD id) const {
  auto it = m_skins.find(id);
  return it == m_skins.end() ? nullptr : it->second.get();
}

BOOL CTwfManager::RemoveSkin(WORD id) { return m_skins.erase(id) ? TRUE : FALSE; }

BOOL CTwfManager::RemoveAllSkins() {
  m_skins.clear();
  return TRUE;
}

CTwfManager* CreateSkinManager() { return new (std::nothrow) CTwfManager(); }

BOOL DeleteSkinManager(CTwfManager* manager) {
  if (!manager) return FALSE;
  delete manager;
  return TRUE;
}
