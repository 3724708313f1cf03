#pragma once
// The runtime's private window messages and window property names. The
// values are part of the protocol between skinned windows.

#include <windows.h>

namespace hexmoor::rt {

constexpr UINT TWM_MENUBAROPENITEM = 0x4C1;
constexpr UINT TWM_FADESTEP = 0x59C;
constexpr UINT TWM_SYNCACTIVE = 0x61F;
constexpr UINT TWM_ISSKINNED = 0x9DD;
constexpr UINT TWM_ISCONTROL = 0x9DE;
constexpr UINT TWM_SKINCHANGED = 0x9E4;
constexpr UINT TWM_DEFERREDSIZE = 0x9E5;
constexpr UINT TWM_BACKGROUNDCHANGED = 0x9E7;
constexpr UINT TWM_REFRESHSKIN = 0x9E8;
constexpr UINT TWM_TABICONPOS = 0xABC;
constexpr UINT TWM_TABTEXTPOS = 0xBCD;
constexpr UINT TWM_STARTSKIN = 0xFB8;
constexpr UINT TWM_SYNCSCROLL = 0xFB9;
constexpr UINT TWM_CHECKREQUEST = 0x100E;

// WM_NOTIFY code of the scroll-bar engine's custom draw.
constexpr UINT NM_TWSB_CUSTOMDRAW = 0xFFFFF001;

// Window properties (narrow names, as the runtime reads them with GetPropA).
inline constexpr char kObjectProp[] = "TwfObject";
inline constexpr char kFrameObjectProp[] = "TwfFrameObject";
inline constexpr char kMenuBarObjectProp[] = "TwfMenuBarObject";
inline constexpr char kScrollBarProp[] = "TwfSB";

const char* GetMenuBarPropName();

} // namespace hexmoor::rt
