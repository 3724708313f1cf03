#pragma once
// Process-wide state of the runtime: the skin manager, the skin table, the
// option words and the button-effect records. Kept here so every part of the
// runtime reads one copy; the flat API changes it.

#include <windows.h>

#include <array>
#include <memory>
#include <vector>

#include "runtime/fade.h"

class CTwfManager;
class CTwfSkin;
class CGdiPlusInit;

namespace hexmoor::rt {

struct SkinTableEntry {
    WORD skinId = 0;
    BOOL on = FALSE;
};

struct ButtonEffect {
    FadeRecord record;
    BOOL given = FALSE;
};

// Indices of the button-effect records.
enum ButtonEffectKind { kEffectAll = 0, kEffectPush = 1, kEffectRadio = 2, kEffectCheck = 3 };

struct RuntimeState {
    CTwfManager* skinManager = nullptr;
    std::unique_ptr<CGdiPlusInit> gdiplus;
    std::vector<SkinTableEntry> skinTable;
    BOOL explicitMode = FALSE;
    int hostFramework = 0;
    int defaultActive = 0;
    BOOL skinLoaded = FALSE;
    BYTE hostOwnsSkins = 0;
    std::array<ButtonEffect, 4> buttonEffects{};
    BOOL alphaSupport = FALSE;
    // The runtime holds one reference to the theme binding (taken at
    // start-up on systems that need it, dropped at shut-down).
    bool themeBound = false;
};

RuntimeState& State();

// The skin manager (null before InitSkinRuntime).
CTwfManager* SkinManager();

// The on flag of the skin id in the skin table; 0 when it is not listed.
BOOL IsSkinActive(WORD skinId);
// The entry's index; 0 when the id is not listed.
int GetSkinTableIndex(WORD skinId);
// Sets the on flag of an id's entry (the first entry when it is not listed,
// as the index lookup answers 0).
void SetSkinTableOn(WORD skinId, BOOL on);
// The id under which the skin manager holds this skin; 0 when none.
WORD FindSkinIdOfSkin(const CTwfSkin* skin);
inline WORD GetSkinIdOfSkin(const CTwfSkin* skin) { return FindSkinIdOfSkin(skin); }

// The Windows version code (model probe; major 6 and above gives 9).
int VersionCode();

} // namespace hexmoor::rt

// Read by the window-frame link's semitransparency warning.
extern BOOL AlphaFramesAccelerated;
