#pragma once
// Fewer copies for a tiled plan: where the same column of tiles repeats side
// by side, the first column is copied from the image and the others are
// copied from what is already drawn, doubling the drawn width each time.

#include <vector>

#include "runtime/logic/nine_part.h"

namespace hexmoor::rt {

// One copy of a folded plan: from the image, or (`fromDest`) from pixels the
// plan has already drawn into the destination.
struct FoldedCopy {
    Rect source;
    Rect dest;
    bool fromDest = false;
    friend bool operator==(const FoldedCopy&, const FoldedCopy&) = default;
};

// The copies that draw the same pixels as `ops` run in order onto a
// destination where every pixel written can be read back unchanged (a
// bitmap, no clipping). Ops that do not repeat are kept as they are.
std::vector<FoldedCopy> FoldRepeatedColumns(const std::vector<BlitOp>& ops);

} // namespace hexmoor::rt
