#pragma once
// Nine-part image plan: cuts a skin image by its four margins into corners,
// edge strips and centre, and lists the copies that fit it into a
// destination rectangle. Only the blitter that carries out the list needs a
// device context.

#include <vector>

#include "base/geometry.h"

namespace hexmoor::rt {

// How an image's centre and edges are fitted.
struct NinePartModes {
    int drawMode = 0;    // centre: 0 stretch, 1 tile, anything else nothing
    int mrgDrawMode = 0; // edge strips: 0 stretch, anything else tile
};

struct NinePartOptions {
    bool centreOnly = false;      // draw the centre over the whole destination, no corners or strips
    bool farAligned = false;      // anchor centre tiles at the right and bottom edges
    bool shrinkStretched = false; // the alpha path's one-pixel source shrink for stretched areas
};

// One copy: `source` inside the image, `dest` in destination coordinates.
// Equal sizes mean a plain copy, different sizes a stretch.
struct BlitOp {
    Rect source;
    Rect dest;
    friend bool operator==(const BlitOp&, const BlitOp&) = default;
};

// The copies, in drawing order: top-left, top-right, bottom-left and
// bottom-right corners, then the left, top, right and bottom strips, then the
// centre. An area with no room in the image or in the destination is left
// out, so the list never holds an empty or mirrored copy.
std::vector<BlitOp> PlanNinePart(Size image, const Rect& dest, const Insets& margins, NinePartModes modes,
                                 NinePartOptions options = {});

// Tiling a source part over a destination (whole-image tiling); empty when
// either has no area.
std::vector<BlitOp> PlanTiledImage(const Rect& source, const Rect& dest);

} // namespace hexmoor::rt
