#pragma once
// The colour-adjustment pane's logic, free of windows: which images and
// colours an adjustment recomputes (every included element, or the one
// property row selected in the grid), from which unadjusted copies, and how
// a pending adjustment is kept or restored. The pane's dialog turns slider
// and edit events into calls here and shows Values() afterwards; the element
// links, the grid, the trees and the skinned windows are reached through
// the two interfaces below, so that tests can stand in for them.

#include <memory>
#include <utility>
#include <vector>

#include "editor/links/link_snapshot.h"
#include "model/elements/wnd_frame.h"
#include "model/hsl/hsl_values.h"
#include "model/mrg_bitmap.h"
#include "model/twf_obj.h"

namespace hexmoor::preview {

// An element link's part in whole-skin adjustments, kept by the trees.
enum class AdjustState { Included = 0, Excluded = 1, Locked = 2 };

// The kinds of property rows that can be adjusted.
enum class PropertyKind { Other = 0, Color = 2, Image = 4 };

// The unadjusted images and colours of one element link: the link's own
// snapshot.
using AdjustSnapshot = links::LinkSnapshot;

// What the adjustment needs of an element link.
class AdjustLink {
public:
    virtual ~AdjustLink() = default;
    virtual AdjustState GetAdjustState() const = 0;
    virtual CTwfObj* GetTwfObj() = 0;
    virtual WORD GetTypeId() const = 0;
    // The element as a frame side (whose drawing modes live in its image
    // options), or null.
    virtual CTwfSideFrame* GetSideFrame() = 0;
    virtual const AdjustSnapshot& GetSnapshot() const = 0;
    // Takes the snapshot again from the element's present images and colours.
    virtual void RenewSnapshot() = 0;
    // Shows a new colour in the link's row for the property, when it has one.
    virtual void ShowColor(WORD id, COLORREF color) = 0;
};

// The editor around the pane.
class AdjustHost {
public:
    virtual ~AdjustHost() = default;
    // Every element link, in the link map's order.
    virtual std::vector<AdjustLink*> Links() = 0;
    virtual AdjustLink* CurrentLink() = 0;
    // type 0: every skinned window.
    virtual void RefreshSkinnedWindows(WORD type) = 0;
    virtual void InvalidateGrid() = 0;
    virtual void SetModified() = 0;
    // An adjusted image of the tracked element, for the options page.
    virtual void ShowAdjustedImage(AdjustLink& link, WORD id, CMrgBitmap* image) = 0;
    // Locks or frees the element trees for per-control mode.
    virtual void SetTreesAdjustMode(bool on) = 0;
    // The closing question; true for "Yes".
    virtual bool AskKeepChanges() = 0;
};

enum class HslChannel { Hue, Saturation, Lightness, Opacity };

// Whether the opacity is left out for this element type and property: tool
// bars, status bars, menus, dialog frames, the .NET strips, and the window
// frame's menu bar images and MDI client background.
bool OpacityExcluded(WORD typeId, WORD propertyId);

class ColorAdjuster {
public:
    explicit ColorAdjuster(AdjustHost& host) : host_(host) {}

    const HSLValues& Values() const { return values_; }
    bool IsPending() const { return !IsNeutral(values_); }
    bool EditControl() const { return editControl_; }
    bool AutoSave() const { return autoSave_; }
    void SetAutoSave(bool on) { autoSave_ = on; }
    // "&Edit Control": per-control mode on or off; the trees follow.
    void SetEditControl(bool on);

    // A slider moved: the value is taken and shown, nothing is applied yet.
    void SliderMoved(HslChannel channel, int position);
    // The slider ended its move (TB_ENDTRACK): applies once when it moved.
    void SliderEnded();
    // A typed value (already clamped by the edit): applied at once, unless a
    // slider move is pending.
    void EditChanged(HslChannel channel, int value);

    // Applies the values to every included element or to the tracked row.
    bool ApplyHSL(const HSLValues& values);
    // "&Reset": back to the unadjusted values.
    void Restore();
    // "&Save": keeps the adjusted values; the snapshots and the work copy
    // are renewed from them, so that the next adjustment starts from what
    // was kept.
    void Keep();
    // The grid selected a row (restorePending: the row's value was just
    // chosen with its "..." button).
    void TrackSelectedProperty(WORD id, PropertyKind kind, bool restorePending);
    // An element link's adjustment state changed.
    void FinishAdjustment();
    // The pane is shown or hidden.
    void ConfirmPendingChanges();
    // The grid chose a new colour for the tracked row.
    void SetCurrentColor(COLORREF color) { workColor_ = color; }
    // The options page edits margins and drawing modes through this.
    CMrgBitmap* GetWorkBitmap() { return &workCopy_; }
    // The frame options page edits a side image's drawing mode through this.
    void SetSideDrawMode(DWORD mode) { sideDrawMode_ = mode; }

    // The skin is about to be replaced: the tracked element and its work
    // copy are let go of, as they belong to the old skin.
    void ForgetElements();

    WORD TrackedId() const { return trackedId_; }
    AdjustLink* TrackedLink() const { return trackedLink_; }

private:
    static bool IsNeutral(const HSLValues& v) {
        return v.hue == 0 && v.saturation == 0 && v.lightness == 0 && v.opacity == 100;
    }
    void ResetControls() { values_ = HSLValues(); }
    void ApplyToAllElements(const HSLValues& values);
    bool AdjustTrackedProperty(const HSLValues& values);
    bool AdjustTrackedColor(const HSLValues& values);
    bool AdjustTrackedImage(const HSLValues& values);
    // Reads the tracked property of the tracked element into the work copy
    // or work colour.
    void LoadWorkCopy(AdjustLink* link);
    void SettlePending();

    AdjustHost& host_;
    bool editControl_ = false;
    bool autoSave_ = false;
    bool sliderPending_ = false;
    AdjustLink* trackedLink_ = nullptr;
    CTwfObj* trackedObj_ = nullptr;
    WORD trackedType_ = 0;
    WORD trackedId_ = 0;
    PropertyKind trackedKind_ = PropertyKind::Other;
    HSLValues values_;
    CMrgBitmap workCopy_;
    COLORREF workColor_ = 0;
    DWORD sideDrawMode_ = 0; // the tracked side image's drawing mode
};

} // namespace hexmoor::preview
