// Skin file versions: the accepted list and the thresholds at which the file
// layout or an element's meaning changed. A version is (major << 8) | minor
// of the header text "TWF<major>.<minor>".
#pragma once

#include "model/platform/types.h"

namespace skin_version {

constexpr WORD k512 = 512; // TWF2.0
constexpr WORD k513 = 513; // menu-bar record gains its legacy pairs
constexpr WORD k515 = 515; // side region mode stored plainly; frame pairs 552, 492
constexpr WORD k516 = 516; // frame pairs 554, 555, 556 (only in exactly 516)
constexpr WORD k517 = 517; // element record carries numbers; frame legacy block dropped
constexpr WORD k518 = 518; // image records carry MrgDrawMode
constexpr WORD k519 = 519; // element record carries the font
constexpr WORD k521 = 521; // side and menu-bar legacy fields dropped
constexpr WORD k522 = 522; // combo box and progress bar border numbers
constexpr WORD k523 = 523; // combo box colour 352
constexpr WORD k527 = 527; // user-data element carries its data block
constexpr WORD k529 = 529; // toolbar painter switches to the newer drawing
constexpr WORD k530 = 530; // element record carries folder id and sibling order
constexpr WORD k531 = 531; // nine information strings, compressed flag, per-image compression
constexpr WORD k532 = 532; // push-like check button colours 805 to 809
constexpr WORD k768 = 768; // TWF3.0: scroll bars keep their internal image set

constexpr WORD kCurrent = k768; // what the writer always writes

// 512, 513, 515 to 532 and 768; 514 and everything else are refused.
constexpr bool IsAccepted(DWORD version) {
    return version == 512 || version == 513 || (version >= 515 && version <= 532) || version == 768;
}

} // namespace skin_version
