#include "model/twf_manager.h"

#include <new>
#include <utility>

#include "model/platform/imaging.h"
#include "model/twf_error.h"

namespace {
void NoControlsManagers(CListOfCtrlManagers*) {}
} // namespace

CTwfManager::CTwfManager() : controlsManagers_(nullptr, &NoControlsManagers) {}

CTwfManager::~CTwfManager() = default;

void CTwfManager::SetControlsManagers(ControlsManagersPtr list) {
    controlsManagers_ = std::move(list);
    if (!controlsManagers_.get_deleter()) {
        controlsManagers_ = ControlsManagersPtr(controlsManagers_.release(), &NoControlsManagers);
    }
}

BOOL CTwfManager::CreateMainSkin(const std::wstring& defaultScheme) {
    auto skin = std::make_unique<CTwfSkin>();
    skin->InitNewSkin(defaultScheme);
    skins_[kMainSkinId] = std::move(skin);
    mainSkinCreated_ = TRUE;
    return TRUE;
}

CTwfSkin* CTwfManager::GetSkin(WORD id) const {
    auto it = skins_.find(id);
    return it == skins_.end() ? nullptr : it->second.get();
}

BOOL CTwfManager::RemoveSkin(WORD id) { return skins_.erase(id) ? TRUE : FALSE; }

BOOL CTwfManager::RemoveAllSkins() {
    skins_.clear();
    return TRUE;
}

CTwfManager* CreateSkinManager() { return new (std::nothrow) CTwfManager(); }

BOOL DeleteSkinManager(CTwfManager* manager) {
    if (!manager) return FALSE;
    delete manager;
    return TRUE;
}
