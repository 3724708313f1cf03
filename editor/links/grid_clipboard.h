#pragma once
// The grid's copy, cut, paste and delete of the selected row's value.
// Colours and regions are held by the editor itself; images go through the
// system clipboard, behind ImageClipboard (the Windows side gives the real
// one, tests a fake).

#include <memory>

#include "editor/links/property_item.h"
#include "model/image_rgn.h"
#include "model/mrg_bitmap.h"

namespace hexmoor::links {

class CItemLinkObj;
class PropertyGridModel;

// The held colour when none is held.
inline constexpr COLORREF kNoHeldColor = 0xFFFFFFFBu;

class ImageClipboard {
public:
    virtual ~ImageClipboard() = default;
    // Puts the image out: with margins as a "MARGIN_BITMAP" block beside
    // what the clipboard holds, without as a plain bitmap on an emptied
    // clipboard. False when nothing could be placed.
    virtual bool CopyImage(const CMrgBitmap& image, bool withMargins) = 0;
    // The image on the clipboard as a new record: with margins from a valid
    // block (its six parameters), without from a plain bitmap (parameters
    // left 0). Null when the clipboard lacks the format or the block is
    // refused.
    virtual std::unique_ptr<CMrgBitmap> PasteImage(bool withMargins) = 0;
};

class GridClipboard {
public:
    GridClipboard(PropertyGridModel& grid, ImageClipboard* images) : grid_(grid), images_(images) {}

    BOOL CopyItem(CPropertyItem* row, bool withMargins);
    BOOL PasteItem(CPropertyItem* row, bool withMargins);
    BOOL DeleteItemValue(CPropertyItem* row);
    BOOL CutItem(CPropertyItem* row);

    COLORREF HeldColor() const { return heldColor_; }
    const CImageRgn* HeldRegion() const { return heldRegion_.get(); }
    // A region row has been copied (its options may hold no region).
    bool RegionCopied() const { return regionCopied_; }

private:
    BOOL DeleteNumbered(CItemLinkObj& link, CPropertyItem* row);

    PropertyGridModel& grid_;
    ImageClipboard* images_;
    COLORREF heldColor_ = kNoHeldColor;
    std::unique_ptr<CImageRgn> heldRegion_;
    bool regionCopied_ = false;
};

} // namespace hexmoor::links
