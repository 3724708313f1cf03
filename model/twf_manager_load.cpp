// The skin manager's loaders. Kept apart from the rest of the manager: they
// are the only part that reaches the skin-file reader.
#include "model/platform/imaging.h"
#include "model/twf_error.h"
#include "model/twf_manager.h"

template <typename Load>
int CTwfManager::LoadMain(Load load, bool keepPath, const std::wstring& path) {
    CTwfSkin* skin = GetMainSkin();
    lastLoadSucceeded_ = FALSE;
    if (!skin) return kTwfNothingToRead;
    // Without a working image library every image of the file would be
    // dropped: refuse rather than report a half-loaded skin as loaded.
    if (!hexmoor::platform::ImagingAvailable()) return kTwfNothingToRead;
    skin->SetPath(keepPath ? path : std::wstring());
    const int code = load(*skin);
    lastLoadSucceeded_ = code == kTwfLoaded ? TRUE : FALSE;
    return code;
}

int CTwfManager::LoadMainSkinFromPath(const std::wstring& path) {
    return LoadMain([](CTwfSkin& skin) { return skin.LoadSkinFromPath(FALSE); }, true, path);
}

int CTwfManager::LoadMainSkinFromMemory(const void* data, UINT size) {
    return LoadMain([&](CTwfSkin& skin) { return skin.LoadSkinFromMemory(data, size, FALSE); }, false, {});
}

#ifdef _WIN32
int CTwfManager::LoadMainSkinFromResource(HMODULE module, HRSRC resource) {
    return LoadMain([&](CTwfSkin& skin) { return skin.LoadSkinFromResource(module, resource, FALSE); }, false, {});
}
#endif

int CTwfManager::TakeOverMainSkin(CTwfSkin& loaded) {
    CTwfSkin* skin = GetMainSkin();
    lastLoadSucceeded_ = FALSE;
    if (!skin || !loaded.IsLoaded()) return kTwfNothingToRead;
    skin->TakeOver(loaded);
    skin->SetPath(std::wstring());
    lastLoadSucceeded_ = TRUE;
    return kTwfLoaded;
}

BOOL CTwfManager::LoadSkin(WORD id, const std::wstring& path) {
    if (id == 0 || id == kMainSkinId || skins_.count(id)) return FALSE;
    if (!hexmoor::platform::ImagingAvailable()) return FALSE;
    auto skin = std::make_unique<CTwfSkin>();
    skin->InitNewSkin(L"Default");
    skin->SetPath(path);
    if (skin->LoadSkinFromPath(FALSE) != kTwfLoaded) return FALSE;
    skins_[id] = std::move(skin);
    return TRUE;
}
