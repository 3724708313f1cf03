#pragma once
// The rules of the sample windows that need no window: the synchronised
// caption protocol of floating windows (the style bit and the float-status
// message with its flags), which system commands are moves and sizes, and
// which systems take the old-shell handling. Free of windows.

#include <cstdint>

namespace hexmoor::preview {

// A style bit: the caption follows the owner's activation, told through
// the float-status message, never through the window's own activation.
inline constexpr std::uint32_t kSyncActiveStyle = 0x0100;
// The float-status message and its flags.
inline constexpr unsigned kFloatStatusMessage = 0x036D;
inline constexpr unsigned kFloatShow = 0x01;
inline constexpr unsigned kFloatHide = 0x02;
inline constexpr unsigned kFloatActivate = 0x04;
inline constexpr unsigned kFloatDeactivate = 0x08;
inline constexpr unsigned kFloatEnable = 0x10;
inline constexpr unsigned kFloatDisable = 0x20;
inline constexpr unsigned kFloatSyncActive = 0x40;

// What a window does for one float-status message, in this order: show or
// hide (show wins), enable or disable (enable wins), then redraw its
// caption active or inactive (only while synchronised); `result` is the
// message's answer (1: synchronised and asked whether it is).
struct FloatStatusActions {
    int result = 0;
    enum class Show { kNone, kShow, kHide } show = Show::kNone;
    enum class Enable { kNone, kEnable, kDisable } enable = Enable::kNone;
    enum class Caption { kNone, kActive, kInactive } caption = Caption::kNone;
};
FloatStatusActions DecideFloatStatus(unsigned flags, bool syncActive);

// The system commands that move or size a window, compared unmasked:
// 0xF010 (move), 0xF012 (move by the caption), 0xF000 (size) and 0xF001 to
// 0xF008 (size from an edge or corner).
bool IsMoveOrSizeCommand(std::uintptr_t command);
// The close command, exactly.
inline constexpr std::uintptr_t kCloseCommand = 0xF060;

// Windows 95, 98 and Me (version codes 0, 1, 2) toggle the child style
// around moves, sizes and the non-client size; no other code does, -1
// (unknown) included.
constexpr bool IsOldShell(int versionCode) { return versionCode >= 0 && versionCode <= 2; }

// The process's version code as the samples read it; a test may pin it
// (codes 0 to 2 never occur in a 64-bit process). Ends the pin with
// ClearWindowsVersionOverride.
int SampleWindowsVersion();
void OverrideWindowsVersion(int code);
void ClearWindowsVersionOverride();

} // namespace hexmoor::preview
