// The window frame (type 2), the one composite element: it owns one side
// object per frame edge and a menu-bar object, all stored inside the frame's
// skin-file record.
#pragma once

#include <map>
#include <memory>

#include "model/element_types.h"
#include "model/elements/frame_properties.h"
#include "model/image_rgn.h"
#include "model/twf_obj.h"

class CTwfWndFrame;

// Placement of one frame-side image.
struct OptionsImage {
    LONG XOffset = 0;
    LONG YOffset = 0;
    DWORD DrawMode = 0; // 0 blit, 1 stretch, 2 tile
};

// One frame-side region: the shared region object and its drawing mode.
struct OptionsHrgn {
    ImageRgnPtr region;
    DWORD DrawMode = 1;

    // TRUE when the record has a region object holding a region handle.
    BOOL HasRegion() const { return region && region->GetHRgn() != nullptr; }
    CImageRgn* GetRegionData() const { return region.get(); }
};

using ImageOptionsMap = std::map<WORD, OptionsImage>;
using RegionOptionsMap = std::map<WORD, OptionsHrgn>;

// One side of a window frame. Image and region numbers up to 1000 belong to
// the active state, numbers above 1000 to the inactive state.
class CTwfSideFrame : public CTwfObj {
public:
    explicit CTwfSideFrame(CTwfWndFrame* parent);

    int GetIndexEntryNumber() const override { return -1; }
    // As the base; a new image id also gets image options {0, 0, 0}.
    BOOL SetImageBitmap(WORD id, HBITMAP bitmap) override;
    // As the base; an existing image also loses its image options.
    BOOL RemoveImage(WORD id, BOOL keep = FALSE) override;
    // Drops every region option and image option, zeroes the legacy
    // thickness, then clears as the base.
    BOOL Clear(DWORD enabled) override;
    // Copies image options and region options (each region duplicated), then
    // the base copy. dest must be a side frame.
    BOOL CopyTo(CTwfObj* dest) const override;
    void SwapContents(CTwfObj& other) override;

    // Image options.
    OptionsImage* GetImageOptions(WORD id);
    const OptionsImage* GetImageOptions(WORD id) const;
    BOOL SetImageOptions(WORD id, LONG xOffset, LONG yOffset, DWORD drawMode);
    BOOL PutImageOptions(WORD id, const OptionsImage& options);
    BOOL RemoveImageOptions(WORD id);
    const ImageOptionsMap& GetImageOptionsMap() const { return imageOptions_; }

    // Region options.
    OptionsHrgn* GetRegionOptions(WORD id);
    const OptionsHrgn* GetRegionOptions(WORD id) const;
    BOOL HasRegionOptions(WORD id) const;
    // Creates {no region, 1} when missing, sets the mode, and the region when
    // one is given (the replaced region object is released by its holders).
    BOOL SetRegionOptions(WORD id, ImageRgnPtr region, DWORD mode);
    BOOL PutRegionOptions(WORD id, OptionsHrgn options);
    BOOL RemoveRegionOptions(WORD id, BOOL keep = FALSE);
    const RegionOptionsMap& GetRegionOptionsMap() const { return regionOptions_; }

    CTwfWndFrame* GetParentFrame() const { return parent_; }
    // Side thickness carried by files older than version 521; 0 otherwise.
    DWORD GetLegacyThickness() const { return legacyThickness_; }
    void SetLegacyThickness(DWORD thickness) { legacyThickness_ = thickness; }

private:
    ImageOptionsMap imageOptions_;
    RegionOptionsMap regionOptions_;
    CTwfWndFrame* parent_;
    DWORD legacyThickness_ = 0;
};

// A pair of 32-bit values (width or x first) kept by old skin files.
struct LegacyPair {
    LONG first = 0;
    LONG second = 0;
    bool operator==(const LegacyPair&) const = default;
};

// The menu bar of a window frame. Besides the maps it keeps the legacy
// fields that only files older than version 521 carry; they exist to move
// those files' values into numbers when such a file is read.
class CTwfMenuBar : public CTwfObj {
public:
    explicit CTwfMenuBar(CTwfWndFrame* parent);

    int GetIndexEntryNumber() const override { return -1; }
    // Zeroes every legacy field, then clears as the base.
    BOOL Clear(DWORD enabled) override;
    void SwapContents(CTwfObj& other) override;

    CTwfWndFrame* GetParentFrame() const { return parent_; }

    // Legacy fields, in their stored order.
    LegacyPair L657;
    RECT legacyRect{0, 0, 0, 0};
    DWORD L652 = 0;
    LegacyPair L649; // close size
    LegacyPair L650; // restore size
    LegacyPair L651; // minimize size
    LegacyPair L646; // close offset
    LegacyPair L647; // restore offset
    LegacyPair L648; // minimize offset

    // The menu bar page's clear: zeroes L657, the rectangle and L652.
    void ClearLegacyBar();
    // The MDI button pages' clears: each zeroes its button's size and offset.
    void ClearLegacyClose();    // L649, L646
    void ClearLegacyRestore();  // L650, L647
    void ClearLegacyMinimize(); // L651, L648

private:
    void ZeroLegacyFields();
    CTwfWndFrame* parent_;
};

class CTwfWndFrame : public CTwfObj {
public:
    static constexpr WORD kType = kElemWndFrame;
    // A frame always has its four sides and its menu bar.
    CTwfWndFrame();
    ~CTwfWndFrame() override;

    // Creates whichever of the five parts is missing (top, right, bottom,
    // left, then the menu bar), each with this frame as parent.
    void CreateSides();

    // Clears the four sides and the menu bar with the same argument, then
    // the frame.
    BOOL Clear(DWORD enabled) override;
    // Sets the frame's flag and passes it to the sides and the menu bar.
    void SetEnabled(DWORD enabled) override;
    // Copies the four sides, the menu bar and the frame itself. dest must be
    // a window frame.
    BOOL CopyTo(CTwfObj* dest) const override;
    // The frame's own contents and those of its sides and menu bar (the
    // parts themselves stay where they are).
    void SwapContents(CTwfObj& other) override;
    void SetOwnerSkin(CTwfSkin* skin) override;

    CTwfSideFrame* GetTopSide() const { return top_.get(); }
    CTwfSideFrame* GetRightSide() const { return right_.get(); }
    CTwfSideFrame* GetBottomSide() const { return bottom_.get(); }
    CTwfSideFrame* GetLeftSide() const { return left_.get(); }
    CTwfMenuBar* GetMenuBar() const { return menuBar_.get(); }
    // Side by index in record order: 0 top, 1 right, 2 bottom, 3 left.
    CTwfSideFrame* GetSide(int index) const;

private:
    std::unique_ptr<CTwfSideFrame> top_;
    std::unique_ptr<CTwfSideFrame> right_;
    std::unique_ptr<CTwfSideFrame> bottom_;
    std::unique_ptr<CTwfSideFrame> left_;
    std::unique_ptr<CTwfMenuBar> menuBar_;
};
