// The header of a skin file: "TWF" followed by the version text "%d.%d".
#pragma once

#include <string>
#include <string_view>

#include "model/platform/types.h"

// The version of a header text: (major & 0xFF) << 8 | (minor & 0xFF), where
// the text after "TWF" (any case) splits at its first full stop and each
// part counts its leading decimal digits (an empty part is 0; without a full
// stop major is 0 and the whole rest is the minor). Raises TwfError 2 for a
// header of 3 characters or fewer or one that does not start with "TWF", and
// TwfError 4 for a version outside the accepted list.
WORD ParseSkinHeader(std::string_view header);

// "TWF3.0" for 768.
std::string FormatSkinHeader(WORD version);
