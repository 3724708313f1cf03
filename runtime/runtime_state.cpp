#include "runtime/runtime_state.h"

#include "model/gdiplus_init.h"
#include "model/twf_manager.h"
#include "model/windows_version.h"
#include "runtime/messages.h"

BOOL AlphaFramesAccelerated = FALSE;

namespace hexmoor::rt {

RuntimeState& State() {
    static RuntimeState state;
    return state;
}

CTwfManager* SkinManager() { return State().skinManager; }

BOOL IsSkinActive(WORD skinId) {
    for (const SkinTableEntry& e : State().skinTable)
        if (e.skinId == skinId) return e.on;
    return FALSE;
}

int GetSkinTableIndex(WORD skinId) {
    const auto& table = State().skinTable;
    for (size_t i = 0; i < table.size(); ++i)
        if (table[i].skinId == skinId) return int(i);
    return 0;
}

void SetSkinTableOn(WORD skinId, BOOL on) {
    auto& table = State().skinTable;
    if (table.empty()) return;
    table[size_t(GetSkinTableIndex(skinId))].on = on;
}

WORD FindSkinIdOfSkin(const CTwfSkin* skin) {
    CTwfManager* manager = SkinManager();
    if (!manager || !skin) return 0;
    for (const SkinTableEntry& e : State().skinTable)
        if (manager->GetSkin(e.skinId) == skin) return e.skinId;
    return 0;
}

int VersionCode() { return WindowsVersionCode; }

const char* GetMenuBarPropName() { return kMenuBarObjectProp; }

} // namespace hexmoor::rt
