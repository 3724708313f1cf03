#pragma once
// The side painters of a skinned frame: each side element's images and
// regions collected into the parts the layout lays end to end, drawn into a
// DC at the rectangles runtime/logic/frame_layout.h computes, and the side
// regions a shaped frame is cut to.

#include <windows.h>

#include <memory>
#include <vector>

#include "runtime/logic/frame_layout.h"

class CImageRgn;
class CMrgBitmap;
class CTwfSideFrame;
class CTwfWndFrame;
class CTWDraw;

namespace hexmoor::rt {

class SidePainter {
public:
    SidePainter(Side side, const CTwfWndFrame* frame);
    SidePainter(const SidePainter&) = delete;
    SidePainter& operator=(const SidePainter&) = delete;

    Side GetSide() const { return side_; }
    int Thickness() const { return thickness_; }

    // Draws the side's active or inactive parts; `origin` is where the
    // window's top-left lies in the DC. GDI+ images go on white unless the
    // side is drawn for a layered window (where alpha must survive).
    void Draw(CTWDraw& draw, Size window, const FrameBorders& b, bool inactive, Point origin = {},
              bool forLayered = false) const;

    // A new region of the side's outline in window coordinates (the caller
    // owns it); the whole side rectangle where no region part says otherwise.
    HRGN BuildRegion(Size window, const FrameBorders& b) const;
    // A copy of the first region part's region, or null.
    HRGN CopyFirstRegion() const;
    // Natural length of the region parts.
    int RegionLength() const;

private:
    // The images and regions are held through the element's shared owners:
    // the editor may replace a side's image or region while the window is
    // skinned, and a repaint before the frame collects its parts again must
    // still find what it collected.
    struct Parts {
        std::vector<std::shared_ptr<const CMrgBitmap>> images;
        std::vector<SidePart> layout;
    };
    struct RegionPart {
        std::shared_ptr<const CImageRgn> region; // may hold no region handle
        int width = 0, height = 0;
        HRGN Handle() const;
    };
    void Collect(const CTwfSideFrame* element);

    Side side_;
    int thickness_ = 0;
    Parts active_, inactive_;
    std::vector<RegionPart> regions_;
    std::vector<SidePart> regionLayout_;
};

} // namespace hexmoor::rt
