#include "runtime/logic/tile_plan.h"

namespace hexmoor::rt {

std::vector<TileSpan> TileRun(int sourceLength, int destLength) {
    std::vector<TileSpan> spans;
    if (sourceLength <= 0 || destLength <= 0) return spans;
    for (int at = 0; at < destLength; at += sourceLength) {
        const int length = (destLength - at < sourceLength) ? destLength - at : sourceLength;
        spans.push_back({at, length, 0});
    }
    return spans;
}

std::vector<TileSpan> TileRunFar(int sourceLength, int destLength) {
    std::vector<TileSpan> spans;
    if (sourceLength <= 0 || destLength <= 0) return spans;
    for (int end = destLength; end > 0; end -= sourceLength) {
        const int length = end < sourceLength ? end : sourceLength;
        spans.push_back({end - length, length, sourceLength - length});
    }
    return spans;
}

std::vector<TilePiece> TileArea(const Rect& source, const Rect& dest, bool farAligned) {
    std::vector<TilePiece> pieces;
    const auto columns = farAligned ? TileRunFar(source.Width(), dest.Width()) : TileRun(source.Width(), dest.Width());
    const auto rows = farAligned ? TileRunFar(source.Height(), dest.Height()) : TileRun(source.Height(), dest.Height());
    pieces.reserve(columns.size() * rows.size());
    for (const TileSpan& c : columns) {
        for (const TileSpan& r : rows) {
            pieces.push_back({Rect::XYWH(source.left + c.sourceOffset, source.top + r.sourceOffset, c.length, r.length),
                              Rect::XYWH(dest.left + c.offset, dest.top + r.offset, c.length, r.length)});
        }
    }
    return pieces;
}

} // namespace hexmoor::rt
