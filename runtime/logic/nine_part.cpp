#include "runtime/logic/nine_part.h"

#include <cstdlib>

#include "runtime/logic/tile_plan.h"

namespace hexmoor::rt {

namespace {

bool HasArea(const Rect& r) { return r.Width() > 0 && r.Height() > 0; }

void AddCopy(std::vector<BlitOp>& ops, const Rect& source, const Rect& dest) {
    if (HasArea(source) && HasArea(dest)) ops.push_back({source, dest});
}

// A strip is stretched over its length, or tiled along it (vertical strips
// along y, horizontal strips along x); across the strip the size is equal.
void AddStrip(std::vector<BlitOp>& ops, const Rect& source, const Rect& dest, bool vertical, bool tile, bool shrink,
              int imageExtent) {
    if (!HasArea(source) || !HasArea(dest)) return;
    if (!tile) {
        Rect s = source;
        if (shrink) {
            const int destExtent = vertical ? dest.Height() : dest.Width();
            if (vertical && imageExtent < destExtent && s.Height() >= 2) s.bottom -= 1;
            if (!vertical && imageExtent < destExtent && s.Width() >= 2) s.right -= 1;
        }
        ops.push_back({s, dest});
        return;
    }
    const int sourceLength = vertical ? source.Height() : source.Width();
    const int destLength = vertical ? dest.Height() : dest.Width();
    for (const TileSpan& span : TileRun(sourceLength, destLength)) {
        if (vertical) {
            ops.push_back({Rect::XYWH(source.left, source.top, source.Width(), span.length),
                           Rect::XYWH(dest.left, dest.top + span.offset, dest.Width(), span.length)});
        } else {
            ops.push_back({Rect::XYWH(source.left, source.top, span.length, source.Height()),
                           Rect::XYWH(dest.left + span.offset, dest.top, span.length, dest.Height())});
        }
    }
}

} // namespace

std::vector<BlitOp> PlanNinePart(Size image, const Rect& dest, const Insets& margins, NinePartModes modes,
                                 NinePartOptions options) {
    std::vector<BlitOp> ops;
    const int L = dest.left, T = dest.top, R = dest.right, B = dest.bottom;
    const int W = R - L;
    const int iw = image.cx, ih = image.cy;
    if (iw <= 0 || ih <= 0) return ops;

    // The side margins never exceed the destination's width; the right
    // corners, drawn after the left ones, then cover them.
    const int absW = std::abs(W);
    const int lm = margins.left > absW ? absW : margins.left;
    const int rm = margins.right > absW ? absW : margins.right;
    const int tm = margins.top, bm = margins.bottom;
    const int sw = iw - lm - rm, sh = ih - tm - bm;
    const int dw = W - lm - rm, dh = (B - T) - tm - bm;

    if (!options.centreOnly) {
        if (lm >= 1 && tm >= 1) AddCopy(ops, Rect::XYWH(0, 0, lm, tm), Rect::XYWH(L, T, lm, tm));
        if (rm >= 1 && tm >= 1) AddCopy(ops, Rect::XYWH(iw - rm, 0, rm, tm), Rect::XYWH(R - rm, T, rm, tm));
        if (lm >= 1 && bm >= 1) AddCopy(ops, Rect::XYWH(0, ih - bm, lm, bm), Rect::XYWH(L, B - bm, lm, bm));
        if (rm >= 1 && bm >= 1) AddCopy(ops, Rect::XYWH(iw - rm, ih - bm, rm, bm), Rect::XYWH(R - rm, B - bm, rm, bm));

        const bool tileEdges = modes.mrgDrawMode != 0;
        const bool shrink = options.shrinkStretched;
        if (lm > 0)
            AddStrip(ops, Rect::XYWH(0, tm, lm, sh), Rect::XYWH(L, T + tm, lm, dh), true, tileEdges, shrink, ih);
        if (tm > 0)
            AddStrip(ops, Rect::XYWH(lm, 0, sw, tm), Rect::XYWH(L + lm, T, dw, tm), false, tileEdges, shrink, iw);
        if (rm > 0)
            AddStrip(ops, Rect::XYWH(iw - rm, tm, rm, sh), Rect::XYWH(R - rm, T + tm, rm, dh), true, tileEdges, shrink,
                     ih);
        if (bm > 0)
            AddStrip(ops, Rect::XYWH(lm, ih - bm, sw, bm), Rect::XYWH(L + lm, B - bm, dw, bm), false, tileEdges, shrink,
                     iw);
    }

    const Rect centreSource = Rect::XYWH(lm, tm, sw, sh);
    const Rect centreDest = options.centreOnly ? Rect::XYWH(L, T, W, B - T) : Rect::XYWH(L + lm, T + tm, dw, dh);
    if (!HasArea(centreSource) || !HasArea(centreDest)) return ops;
    if (modes.drawMode == 0) {
        Rect s = centreSource;
        if (options.shrinkStretched) {
            if (iw < centreDest.Width() && s.Width() >= 2) s.right -= 1;
            if (ih < centreDest.Height() && s.Height() >= 2) s.bottom -= 1;
        }
        ops.push_back({s, centreDest});
    } else if (modes.drawMode == 1) {
        for (const TilePiece& piece : TileArea(centreSource, centreDest, options.farAligned))
            ops.push_back({piece.source, piece.dest});
    }
    return ops;
}

std::vector<BlitOp> PlanTiledImage(const Rect& source, const Rect& dest) {
    std::vector<BlitOp> ops;
    for (const TilePiece& piece : TileArea(source, dest)) ops.push_back({piece.source, piece.dest});
    return ops;
}

} // namespace hexmoor::rt
