#include "editor/preview/samples/sync_active_rules.h"

#include <optional>

#include "model/windows_version.h"

namespace hexmoor::preview {

FloatStatusActions DecideFloatStatus(unsigned flags, bool syncActive) {
    FloatStatusActions a;
    a.result = (syncActive && (flags & kFloatSyncActive)) ? 1 : 0;
    if (flags & (kFloatShow | kFloatHide))
        a.show = (flags & kFloatShow) ? FloatStatusActions::Show::kShow : FloatStatusActions::Show::kHide;
    if (flags & (kFloatEnable | kFloatDisable))
        a.enable = (flags & kFloatEnable) ? FloatStatusActions::Enable::kEnable : FloatStatusActions::Enable::kDisable;
    if (syncActive && (flags & (kFloatActivate | kFloatDeactivate)))
        a.caption =
            (flags & kFloatActivate) ? FloatStatusActions::Caption::kActive : FloatStatusActions::Caption::kInactive;
    return a;
}

bool IsMoveOrSizeCommand(std::uintptr_t command) {
    return command == 0xF010 || command == 0xF012 || (command >= 0xF000 && command <= 0xF008);
}

namespace {
std::optional<int> g_versionOverride;
} // namespace

int SampleWindowsVersion() { return g_versionOverride ? *g_versionOverride : WindowsVersionCode; }
void OverrideWindowsVersion(int code) { g_versionOverride = code; }
void ClearWindowsVersionOverride() { g_versionOverride.reset(); }

} // namespace hexmoor::preview
