#include "runtime/regions.h"

#include <vector>

#include "base/win/gdi.h"
#include "runtime/logic/region_plan.h"
#include "runtime/messages.h"

namespace {

std::vector<BYTE> RegionData(HRGN region) {
    const DWORD size = region ? GetRegionData(region, 0, nullptr) : 0;
    if (size < sizeof(RGNDATAHEADER)) return {};
    std::vector<BYTE> data(size);
    if (GetRegionData(region, size, reinterpret_cast<RGNDATA*>(data.data())) != size) return {};
    return data;
}

HRGN Transform(HRGN region, const XFORM& xform) {
    const std::vector<BYTE> data = RegionData(region);
    if (data.empty()) return nullptr;
    return ExtCreateRegion(&xform, DWORD(data.size()), reinterpret_cast<const RGNDATA*>(data.data()));
}

} // namespace

HRGN ScaleRegion(HRGN region, float sx, float sy) { return Transform(region, XFORM{sx, 0, 0, sy, 0, 0}); }

HRGN ScaleRegionToSize(HRGN region, RECT target, RECT source) {
    const int sw = source.right - source.left, sh = source.bottom - source.top;
    if (sw == 0 || sh == 0) return nullptr;
    return ScaleRegion(region, float(target.right - target.left) / float(sw),
                       float(target.bottom - target.top) / float(sh));
}

HRGN MirrorRegion(HRGN region, const RECT* bounds, BOOL horizontal) {
    if (!region) return nullptr;
    RECT b{};
    if (bounds) {
        b = *bounds;
    } else {
        GetRgnBox(region, &b);
    }
    const std::vector<BYTE> data = RegionData(region);
    if (data.empty()) return nullptr;
    std::vector<BYTE> out = data;
    auto* rd = reinterpret_cast<RGNDATA*>(out.data());
    auto* rects = reinterpret_cast<RECT*>(rd->Buffer);
    for (DWORD i = 0; i < rd->rdh.nCount; ++i) {
        RECT& r = rects[i];
        if (horizontal) {
            const LONG left = (b.left + b.right) - r.right, right = (b.left + b.right) - r.left;
            r.left = left;
            r.right = right;
        } else {
            const LONG top = b.bottom - r.bottom, bottom = b.bottom - r.top;
            r.top = top;
            r.bottom = bottom;
        }
    }
    SetRectEmpty(&rd->rdh.rcBound);
    return ExtCreateRegion(nullptr, DWORD(out.size()), rd);
}

HRGN TileRegion(HRGN region, RECT dest, RECT tile) {
    const int dw = dest.right - dest.left, dh = dest.bottom - dest.top;
    const int tw = tile.right - tile.left, th = tile.bottom - tile.top;
    HRGN result = CreateRectRgn(0, 0, 0, 0);
    if (!region || !result) return result;
    for (const hexmoor::Point& at : hexmoor::rt::RegionTileOffsets({dw, dh}, {tw, th})) {
        const hexmoor::win::Region copy(CreateRectRgn(0, 0, 0, 0));
        CombineRgn(copy.Get(), region, nullptr, RGN_COPY);
        OffsetRgn(copy.Get(), at.x, at.y);
        CombineRgn(result, result, copy.Get(), RGN_OR);
    }
    const hexmoor::win::Region bounds(CreateRectRgn(0, 0, dw > 0 ? dw : 0, dh > 0 ? dh : 0));
    CombineRgn(result, result, bounds.Get(), RGN_AND);
    return result;
}

HRGN CreateWidenedLineRegion(int x1, int y1, int x2, int y2, int width) {
    const hexmoor::win::WindowDC owner(nullptr);
    HDC screen = owner.Get();
    if (!screen) return nullptr;
    LOGBRUSH lb{BS_SOLID, 0, 0};
    const hexmoor::win::Pen pen(ExtCreatePen(PS_GEOMETRIC | PS_SOLID, DWORD(width), &lb, 0, nullptr));
    const hexmoor::win::SelectGuard select(screen, pen.Get());
    BeginPath(screen);
    MoveToEx(screen, x1, y1, nullptr);
    LineTo(screen, x2, y2);
    EndPath(screen);
    WidenPath(screen);
    return PathToRegion(screen);
}
