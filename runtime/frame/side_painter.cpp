#include "runtime/frame/side_painter.h"

#include "base/win/gdi.h"
#include "base/win/rect.h"

#include <set>

#include "model/elements/frame_properties.h"
#include "model/elements/wnd_frame.h"
#include "model/image_rgn.h"
#include "model/mrg_bitmap.h"
#include "runtime/draw/tw_draw.h"
#include "runtime/regions.h"

namespace hexmoor::rt {
using namespace hexmoor::win;

namespace {

const CTwfSideFrame* SideElement(Side side, const CTwfWndFrame* frame) {
    if (!frame) return nullptr;
    switch (side) {
    case Side::Top: return frame->GetTopSide();
    case Side::Bottom: return frame->GetBottomSide();
    case Side::Left: return frame->GetLeftSide();
    case Side::Right: return frame->GetRightSide();
    }
    return nullptr;
}

WORD ThicknessId(Side side) {
    switch (side) {
    case Side::Top: return frame_props::kTopThickness;
    case Side::Bottom: return frame_props::kBottomThickness;
    case Side::Left: return frame_props::kLeftThickness;
    default: return frame_props::kRightThickness;
    }
}

} // namespace

SidePainter::SidePainter(Side side, const CTwfWndFrame* frame) : side_(side) {
    if (!frame) return;
    thickness_ = int(frame->GetNumber(ThicknessId(side)));
    Collect(SideElement(side, frame));
}

void SidePainter::Collect(const CTwfSideFrame* element) {
    if (!element) return;
    std::set<int> present;
    for (const auto& [key, image] : element->GetImageMap())
        if (image) present.insert(key);
    const SideKeys keys = CollectSideKeys(present);
    auto add = [&](Parts& parts, int key) {
        MrgBitmapPtr image = element->GetImageShared(WORD(key));
        if (!image) return;
        const OptionsImage* options = element->GetImageOptions(WORD(key));
        parts.layout.push_back({image->GetWidth(), image->GetHeight(), options ? unsigned(options->DrawMode) : 0u});
        parts.images.push_back(std::move(image));
    };
    for (int key : keys.active) add(active_, key);
    for (int key : keys.inactive) add(inactive_, key);

    const auto& regions = element->GetRegionOptionsMap();
    for (WORD key = 0; key < regions.size(); ++key) {
        const OptionsHrgn* options = element->GetRegionOptions(key);
        if (!options) continue;
        RegionPart part;
        if (options->region) {
            part.region = options->region;
            part.width = options->region->GetWidth();
            part.height = options->region->GetHeight();
        }
        regions_.push_back(part);
        regionLayout_.push_back({part.width, part.height, unsigned(options->DrawMode)});
    }
}

void SidePainter::Draw(CTWDraw& draw, Size window, const FrameBorders& b, bool inactive, Point origin,
                       bool forLayered) const {
    const Parts& parts = inactive ? inactive_ : active_;
    const Rect side = SideRect(side_, window, b).Offset(origin.x, origin.y);
    const auto placed = LayoutSideParts(side_, side, SideLength(side_, window, b), parts.layout);
    for (const PlacedPart& p : placed) {
        const CMrgBitmap* image = parts.images[p.index].get();
        const RECT r = ToRECT(p.rect);
        if (image->IsGdiplus() && !forLayered) draw.PatBlt(&r, WHITENESS);
        switch (parts.layout[p.index].mode) {
        case part_mode::kStretch: draw.StretchImage(&r, image, nullptr); break;
        case part_mode::kTile: draw.TileImage(&r, image, nullptr); break;
        default: {
            const POINT at{r.left, r.top};
            draw.DrawImageAt(&at, image);
        }
        }
    }
}

HRGN SidePainter::BuildRegion(Size window, const FrameBorders& b) const {
    const Rect side = SideRect(side_, window, b);
    HRGN result = CreateRectRgn(side.left, side.top, side.right, side.bottom);
    const auto placed = LayoutSideParts(side_, side, SideLength(side_, window, b), regionLayout_);
    for (const PlacedPart& p : placed) {
        const RegionPart& part = regions_[p.index];
        const Rect& r = p.rect;
        hexmoor::win::Region shaped;
        if (const HRGN region = part.Handle()) {
            const RECT dest{0, 0, r.Width(), r.Height()};
            const RECT source{0, 0, part.width, part.height};
            switch (regionLayout_[p.index].mode) {
            case part_mode::kStretch: shaped.Reset(ScaleRegionToSize(region, dest, source)); break;
            case part_mode::kTile: shaped.Reset(TileRegion(region, dest, source)); break;
            default: shaped.Reset(CreateRectRgn(0, 0, 0, 0)); CombineRgn(shaped.Get(), region, nullptr, RGN_COPY);
            }
        }
        hexmoor::win::Region cut(CreateRectRgn(r.left, r.top, r.right, r.bottom));
        CombineRgn(result, result, cut.Get(), RGN_DIFF);
        if (shaped) {
            OffsetRgn(shaped.Get(), r.left, r.top);
            CombineRgn(result, result, shaped.Get(), RGN_OR);
        }
    }
    return result;
}

HRGN SidePainter::RegionPart::Handle() const { return region ? region->GetHRgn() : nullptr; }

HRGN SidePainter::CopyFirstRegion() const {
    if (regions_.empty() || !regions_.front().Handle()) return nullptr;
    HRGN copy = CreateRectRgn(0, 0, 0, 0);
    CombineRgn(copy, regions_.front().Handle(), nullptr, RGN_COPY);
    return copy;
}

int SidePainter::RegionLength() const {
    int length = 0;
    for (const SidePart& p : regionLayout_) length += IsHorizontal(side_) ? p.width : p.height;
    return length;
}

} // namespace hexmoor::rt
