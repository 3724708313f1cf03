// The skin library: the one object per process that holds every loaded skin
// under a 16-bit skin id (id 1 is the main skin, the one the runtime applies
// by default and the editor edits), together with the runtime's per-thread
// list of controls managers. The model knows that list only by name: the
// runtime hands it over with the function that destroys it.
#pragma once

#include <map>
#include <memory>
#include <string>

#include "model/platform/types.h"
#include "model/twf_skin.h"

class CListOfCtrlManagers;

class CTwfManager {
public:
    using ControlsManagersDeleter = void (*)(CListOfCtrlManagers*);
    using ControlsManagersPtr = std::unique_ptr<CListOfCtrlManagers, ControlsManagersDeleter>;
    static constexpr WORD kMainSkinId = 1;

    CTwfManager();
    CTwfManager(const CTwfManager&) = delete;
    CTwfManager& operator=(const CTwfManager&) = delete;
    // Destroys the controls-manager list and every skin still held.
    virtual ~CTwfManager();

    // The runtime's per-thread controls managers (owned; destroyed with the
    // manager through the deleter given here).
    CListOfCtrlManagers* GetControlsManagers() const { return controlsManagers_.get(); }
    void SetControlsManagers(ControlsManagersPtr list);

    // A new main skin under id 1 (replacing any), made with InitNewSkin.
    BOOL CreateMainSkin(const std::wstring& defaultScheme);
    CTwfSkin* GetSkin(WORD id) const;
    CTwfSkin* GetMainSkin() const { return GetSkin(kMainSkinId); }
    BOOL IsMainSkinCreated() const { return mainSkinCreated_; }

    // Loaders of the main skin: the reader's result code (TwfResult); 1
    // without a main skin or while images cannot be decoded (GDI+ not
    // started). The main-skin loaded flag becomes (code == 0).
    int LoadMainSkinFromPath(const std::wstring& path);
    int LoadMainSkinFromMemory(const void* data, UINT size);
#ifdef _WIN32
    int LoadMainSkinFromResource(HMODULE module, HRSRC resource);
#endif
    // The main skin takes over a skin loaded on its own (CTwfSkin::TakeOver),
    // as a load from memory would leave it (no path): kTwfLoaded, or
    // kTwfNothingToRead without a main skin. The main-skin loaded flag follows.
    int TakeOverMainSkin(CTwfSkin& loaded);
    // A further skin under id (not 0, not 1, not in use); FALSE and no entry
    // for the id when it does not load.
    BOOL LoadSkin(WORD id, const std::wstring& path);
    BOOL RemoveSkin(WORD id);
    BOOL RemoveAllSkins();

    // The main-skin loaded flag: 1 when the last load of the main skin through
    // this manager succeeded; the editor's new-file road sets it too.
    BOOL GetMainSkinLoaded() const { return lastLoadSucceeded_; }
    void SetMainSkinLoaded(BOOL loaded) { lastLoadSucceeded_ = loaded ? TRUE : FALSE; }

    const std::map<WORD, std::unique_ptr<CTwfSkin>>& GetSkins() const { return skins_; }

private:
    template <typename Load>
    int LoadMain(Load load, bool keepPath, const std::wstring& path);

    ControlsManagersPtr controlsManagers_;
    std::map<WORD, std::unique_ptr<CTwfSkin>> skins_;
    BOOL mainSkinCreated_ = FALSE;
    BOOL lastLoadSucceeded_ = FALSE;
};

// A new manager (no skins, flags 0); null when allocation fails.
CTwfManager* CreateSkinManager();
// Deletes the manager; FALSE for null.
BOOL DeleteSkinManager(CTwfManager* manager);
