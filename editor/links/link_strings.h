#pragma once
// The string-table texts the links show. The links read them through a
// provider so that they build without windows: the editor installs one that
// reads its string table; the built-in table (the same texts) serves tools
// and native tests.

#include <functional>
#include <string>

#include "model/platform/types.h"

namespace hexmoor::links {

enum LinkStringId : UINT {
    kStrImage = 192,
    kStrProperties = 193,
    kStrInserted = 211,
    kStrNoImage = 212,
    kStrFrameTopSide = 215,
    kStrFrameBottomSide = 216,
    kStrFrameRightSide = 148,
    kStrFrameLeftSide = 146,
    kStrGrip = 165,
    kStrSliderControls = 219,
    kStrTabControls = 220,
    kStrProgressBars = 221,
    kStrSpinControls = 222,
    kStrImages = 61212,
    kStrRegions = 61213,
    kStrRegion = 61218,
    kStrSize = 61219,
    kStrTextColor = 61241,
    kStrStaticText = 61242,
    kStrUserData = 61317,
    kStrTile = 61244,
    kStrStretch = 61245,
    kStrBlit = 61246,
};

// The text of a string id: the installed provider's, else the built-in one
// ("" for an id the table does not hold).
std::wstring LinkString(UINT id);
// The built-in text.
std::wstring BuiltInLinkString(UINT id);
// Every id of the built-in table (tests compare it with the string table).
const UINT* BuiltInLinkStringIds(size_t* count);

using LinkStringProvider = std::function<std::wstring(UINT)>;
// Installs a provider (an empty function restores the built-in table). A
// provider answering "" falls back to the built-in text.
void SetLinkStringProvider(LinkStringProvider provider);

} // namespace hexmoor::links
