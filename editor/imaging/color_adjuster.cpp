#include "editor/imaging/color_adjuster.h"

#include "model/element_types.h"
#include "model/elements/frame_properties.h"
#include "model/hsl/hsl_arithmetic.h"
#include "model/hsl/image_adjust.h"

namespace hexmoor::preview {

bool OpacityExcluded(WORD typeId, WORD propertyId) {
    switch (typeId) {
    case kElemToolBar:
    case kElemStatusBar:
    case kElemMenu:
    case kElemDialogFrame:
    case kElemToolStrip:
    case kElemStatusStrip:
    case kElemDropDownMenu:
    case kElemMenuStrip: return true;
    case kElemWndFrame: // the menu bar's images and the MDI client background
        return (propertyId >= frame_props::kMenuBarItemNormal && propertyId <= frame_props::kMenuBarBackground) ||
               propertyId == frame_props::kMdiClientBackground;
    default: return false;
    }
}

void ColorAdjuster::SetEditControl(bool on) {
    editControl_ = on;
    host_.SetTreesAdjustMode(on);
}

namespace {

// A frame side keeps an image's drawing mode in its image options (0 blit,
// 1 stretch, 2 tile); it is kept apart from the work copy, whose DrawMode 2
// would mark a plain value.
DWORD SideDrawMode(CTwfSideFrame* side, WORD id) {
    const OptionsImage* options = side ? side->GetImageOptions(id) : nullptr;
    return options ? options->DrawMode : 0;
}

void SetChannel(HSLValues& values, HslChannel channel, int value) {
    switch (channel) {
    case HslChannel::Hue: values.hue = value; break;
    case HslChannel::Saturation: values.saturation = value; break;
    case HslChannel::Lightness: values.lightness = value; break;
    case HslChannel::Opacity: values.opacity = value; break;
    }
}

} // namespace

void ColorAdjuster::SliderMoved(HslChannel channel, int position) {
    SetChannel(values_, channel, position);
    sliderPending_ = true;
}

void ColorAdjuster::SliderEnded() {
    if (!sliderPending_) return;
    ApplyHSL(values_);
    sliderPending_ = false;
}

void ColorAdjuster::EditChanged(HslChannel channel, int value) {
    if (sliderPending_) return;
    SetChannel(values_, channel, value);
    ApplyHSL(values_);
}

bool ColorAdjuster::ApplyHSL(const HSLValues& values) {
    if (!editControl_) {
        ApplyToAllElements(values);
    } else {
        AdjustLink* current = host_.CurrentLink();
        if (!trackedObj_ || !current || current->GetAdjustState() == AdjustState::Locked) return false;
        // The tracked element went away with its item: its link no longer
        // shows it, and nothing may be written to it.
        if (!trackedLink_ || trackedLink_->GetTwfObj() != trackedObj_) return false;
        if (!AdjustTrackedProperty(values)) return false;
        trackedObj_->SetEnabled(TRUE);
        if (trackedKind_ == PropertyKind::Image && trackedLink_) {
            host_.ShowAdjustedImage(*trackedLink_, trackedId_, trackedObj_->GetImage(trackedId_));
        }
    }
    host_.RefreshSkinnedWindows(editControl_ ? trackedType_ : 0);
    host_.InvalidateGrid();
    host_.SetModified();
    return true;
}

void ColorAdjuster::ApplyToAllElements(const HSLValues& values) {
    for (AdjustLink* link : host_.Links()) {
        if (!link || link->GetAdjustState() != AdjustState::Included) continue;
        trackedLink_ = link;
        trackedObj_ = link->GetTwfObj();
        trackedType_ = link->GetTypeId();
        if (!trackedObj_) continue;
        const AdjustSnapshot& snapshot = link->GetSnapshot();
        CTwfSideFrame* side = link->GetSideFrame();
        trackedKind_ = PropertyKind::Image;
        for (const auto& [id, image] : snapshot.images) {
            if (!image || image->GetDrawMode() == CMrgBitmap::kDrawPlainValue) continue;
            trackedId_ = id;
            workCopy_.Release();
            workCopy_ = *image;
            sideDrawMode_ = SideDrawMode(side, id);
            AdjustTrackedProperty(values);
        }
        trackedKind_ = PropertyKind::Color;
        for (const auto& [id, color] : snapshot.colors) {
            trackedId_ = id;
            workColor_ = color;
            AdjustTrackedProperty(values);
        }
    }
}

bool ColorAdjuster::AdjustTrackedProperty(const HSLValues& requested) {
    if (!trackedObj_) return false;
    HSLValues values = requested;
    if (OpacityExcluded(trackedType_, trackedId_)) values.opacity = 100;
    switch (trackedKind_) {
    case PropertyKind::Color: return AdjustTrackedColor(values);
    case PropertyKind::Image: return AdjustTrackedImage(values);
    default: return false;
    }
}

bool ColorAdjuster::AdjustTrackedColor(const HSLValues& values) {
    if (workColor_ == 0xFFFFFFFF) return true; // "Invert Color" is never adjusted
    const COLORREF color = hsl::AdjustColorRef(workColor_, values);
    trackedObj_->SetColor(trackedId_, color);
    if (trackedLink_) trackedLink_->ShowColor(trackedId_, color);
    return true;
}

bool ColorAdjuster::AdjustTrackedImage(const HSLValues& values) {
    if (!workCopy_.HasImage()) return false;
    CTwfSideFrame* side = trackedLink_ ? trackedLink_->GetSideFrame() : nullptr;
    MrgBitmapParams params = workCopy_.GetParams();
    if (side) params.drawMode = 0;
    auto adjusted = std::make_unique<CMrgBitmap>();
    if (workCopy_.IsGdiplus()) {
        auto image = hsl::AdjustGdiplusImage(workCopy_.GetGdiplusBitmap(), nullptr, values);
        if (!image) return false;
        adjusted->SetGdiplusBitmap(std::move(image));
    } else if (values.opacity == 100) {
        auto image = hsl::AdjustBitmapImage(workCopy_.GetHBitmap(), nullptr, values);
        if (!image) return false;
        adjusted->SetBitmap(std::move(image));
    } else {
        // Opacity turns a GDI bitmap into a GDI+ image with alpha.
        auto image = hsl::AdjustBitmapToGdiplusImage(workCopy_.GetHBitmap(), nullptr, values);
        if (!image) return false;
        adjusted->SetGdiplusBitmap(std::move(image));
    }
    adjusted->SetParams(params);
    // A side drops an image's options with the image: only the drawing mode
    // is set again, the side's offsets are kept.
    LONG x = 0, y = 0;
    if (side) {
        if (const OptionsImage* options = side->GetImageOptions(trackedId_)) {
            x = options->XOffset;
            y = options->YOffset;
        }
    }
    trackedObj_->RemoveImage(trackedId_);
    trackedObj_->PutImage(trackedId_, std::move(adjusted));
    if (side) side->SetImageOptions(trackedId_, x, y, sideDrawMode_);
    return true;
}

void ColorAdjuster::LoadWorkCopy(AdjustLink* link) {
    trackedLink_ = link;
    trackedObj_ = link ? link->GetTwfObj() : nullptr;
    trackedType_ = link ? link->GetTypeId() : 0;
    if (!trackedObj_) return;
    if (trackedKind_ == PropertyKind::Color) {
        workColor_ = trackedObj_->GetColor(trackedId_);
    } else if (trackedKind_ == PropertyKind::Image) {
        workCopy_.Release();
        if (const CMrgBitmap* image = trackedObj_->GetImage(trackedId_)) workCopy_ = *image;
        sideDrawMode_ = SideDrawMode(link->GetSideFrame(), trackedId_);
    }
}

void ColorAdjuster::Restore() {
    ApplyHSL(HSLValues());
    ResetControls();
}

void ColorAdjuster::Keep() {
    ResetControls();
    // What was kept becomes the new unadjusted state.
    for (AdjustLink* link : host_.Links()) {
        if (link && link->GetAdjustState() == AdjustState::Included) link->RenewSnapshot();
    }
    if (trackedLink_) LoadWorkCopy(trackedLink_);
}

void ColorAdjuster::SettlePending() {
    if (autoSave_) {
        Keep();
    } else if (host_.AskKeepChanges()) {
        Keep();
    } else {
        Restore();
    }
}

void ColorAdjuster::TrackSelectedProperty(WORD id, PropertyKind kind, bool restorePending) {
    AdjustLink* current = host_.CurrentLink();
    if (current && current->GetAdjustState() == AdjustState::Locked) return;
    // The same row of another element is another property.
    if (id == trackedId_ && current == trackedLink_) return;
    if (editControl_) {
        if (autoSave_) {
            Keep();
        } else if (restorePending) {
            Restore();
        }
    }
    trackedId_ = id;
    trackedKind_ = kind;
    if (kind == PropertyKind::Color || kind == PropertyKind::Image) LoadWorkCopy(current);
}

void ColorAdjuster::FinishAdjustment() {
    if (!IsPending()) return;
    if (autoSave_) {
        Keep();
    } else {
        Restore();
    }
}

void ColorAdjuster::ForgetElements() {
    trackedLink_ = nullptr;
    trackedObj_ = nullptr;
    trackedType_ = 0;
    trackedId_ = 0;
    trackedKind_ = PropertyKind::Other;
    workCopy_.Release();
    workColor_ = 0;
}

void ColorAdjuster::ConfirmPendingChanges() {
    if (editControl_) {
        SettlePending(); // asked even when nothing is pending
        SetEditControl(false);
    } else if (IsPending()) {
        SettlePending();
    }
}

} // namespace hexmoor::preview
