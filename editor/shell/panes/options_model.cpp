#include "editor/shell/panes/options_model.h"

#include "editor/links/grid_model.h"
#include "editor/links/item_link.h"
#include "editor/links/property_item.h"
#include "editor/links/value_text.h"
#include "model/image_rgn.h"

namespace hexmoor::shell {
namespace {

links::CPropertyItem* SelectedRow() {
    links::PropertyGridModel* grid = links::Links().grid;
    return grid ? grid->Item(grid->GetSelectedIndex()) : nullptr;
}

} // namespace

int& ImagePageFields::Of(Margin m) {
    switch (m) {
    case Margin::kTop: return top;
    case Margin::kLeft: return left;
    case Margin::kBottom: return bottom;
    case Margin::kRight: break;
    }
    return right;
}

int ImagePageFields::Of(Margin m) const { return const_cast<ImagePageFields*>(this)->Of(m); }

std::wstring SizeLabelText(int width, int height) {
    return L"width: " + std::to_wstring(width) + L"  height: " + std::to_wstring(height);
}

std::optional<ShownPages> PagesForView(int mode, const links::CItemLinkObj* current) {
    if (mode == -1) return ShownPages{};
    if (!current || mode < 0 || mode > 1) return std::nullopt;
    ShownPages shown;
    if (mode == 1)
        shown.region = true;
    else if (current->IsSideFrame())
        shown.frameImage = true;
    else
        shown.image = true;
    return shown;
}

void OptionsPagesModel::SelectView(int mode) {
    const links::CItemLinkObj* current = links::Links().current;
    // Without a current link only -1 does anything.
    if (mode != -1 && !current) return;
    pageShown_ = mode != -1;
    if (!view_) return;
    if (const std::optional<ShownPages> shown = PagesForView(mode, current))
        view_->ShowPages(shown->image, shown->frameImage, shown->region);
    view_->PageShownChanged(pageShown_);
}

void OptionsPagesModel::WriteImageFields() {
    if (view_) view_->WriteImageFields(image_);
}

void OptionsPagesModel::EnableAllControls(Page page, bool enable) {
    if (view_) view_->EnableAll(page, enable);
    switch (page) {
    case kImagePage:
        if (!enable) SetImagePreview(nullptr);
        break;
    case kFrameImagePage:
        if (!enable && view_) {
            view_->ShowImage(kFrameImagePage, nullptr);
            view_->SetSizeLabel(kFrameImagePage, SizeLabelText(0, 0));
        }
        break;
    case kRegionPage:
        // The region page is cleared either way; the link shows its region
        // after enabling it.
        if (view_) {
            view_->ShowRegion(nullptr);
            view_->SetSizeLabel(kRegionPage, SizeLabelText(0, 0));
        }
        break;
    }
}

void OptionsPagesModel::EnableImageOptions(bool enable) {
    if (enable) {
        if (view_) view_->EnableImageControls(true, {L"Stretch", L"Tile"});
        image_.drawMode = 0;
        return;
    }
    if (view_) view_->EnableImageControls(false, {});
    // Zeroing what is shown is no change to the skin.
    const bool modified = links::IsDocumentModified();
    image_.top = image_.left = image_.bottom = image_.right = 0;
    image_.edgeMode = 0;
    image_.drawMode = -1;
    WriteImageFields();
    links::RestoreDocumentModified(modified);
}

void OptionsPagesModel::SetImagePreview(const CMrgBitmap* image) {
    if (!view_) return;
    view_->ShowImage(kImagePage, image);
    view_->SetSizeLabel(kImagePage, image ? SizeLabelText(image->GetWidth(), image->GetHeight()) : SizeLabelText(0, 0));
}

void OptionsPagesModel::LoadImageOptions(const MrgBitmapParams& params) {
    image_.top = params.top;
    image_.right = params.right;
    image_.bottom = params.bottom;
    image_.left = params.left;
    image_.drawMode = params.drawMode;
    image_.edgeMode = params.mrgDrawMode;
    WriteImageFields();
}

MrgBitmapParams OptionsPagesModel::ImageOptionsFields() const {
    MrgBitmapParams params{};
    params.top = image_.top;
    params.right = image_.right;
    params.bottom = image_.bottom;
    params.left = image_.left;
    params.drawMode = image_.drawMode;
    params.mrgDrawMode = image_.edgeMode;
    return params;
}

void OptionsPagesModel::SetFrameImage(const CMrgBitmap* image, DWORD drawMode) {
    frameDrawMode_ = image ? static_cast<int>(drawMode) : 0;
    if (!view_) return;
    if (image)
        view_->WriteDrawMode(kFrameImagePage, {L"Blit", L"Stretch", L"Tile"}, frameDrawMode_);
    else
        view_->WriteDrawMode(kFrameImagePage, {}, -1);
    view_->ShowImage(kFrameImagePage, image);
    view_->SetSizeLabel(kFrameImagePage,
                        image ? SizeLabelText(image->GetWidth(), image->GetHeight()) : SizeLabelText(0, 0));
}

DWORD OptionsPagesModel::FrameImageDrawMode() const { return static_cast<DWORD>(frameDrawMode_); }

void OptionsPagesModel::SetRegionPreview(const CImageRgn* region, DWORD drawMode) {
    regionDrawMode_ = region ? static_cast<int>(drawMode) : 0;
    if (!view_) return;
    if (region)
        view_->WriteDrawMode(kRegionPage, {L"Blit", L"Stretch", L"Tile"}, regionDrawMode_);
    else
        view_->WriteDrawMode(kRegionPage, {}, -1);
    view_->ShowRegion(region);
    view_->SetSizeLabel(kRegionPage,
                        region ? SizeLabelText(region->GetWidth(), region->GetHeight()) : SizeLabelText(0, 0));
}

DWORD OptionsPagesModel::RegionDrawMode() const { return static_cast<DWORD>(regionDrawMode_); }

void OptionsPagesModel::StoreMargin(Margin margin) {
    links::CItemLinkObj* link = links::Links().current;
    links::CPropertyItem* row = SelectedRow();
    if (!link || !row) return;
    switch (margin) {
    case Margin::kTop: link->StoreImageMarginTop(row); break;
    case Margin::kLeft: link->StoreImageMarginLeft(row); break;
    case Margin::kBottom: link->StoreImageMarginBottom(row); break;
    case Margin::kRight: link->StoreImageMarginRight(row); break;
    }
}

void OptionsPagesModel::MarginEdited(Margin margin, const std::wstring& text) {
    image_.Of(margin) = links::ParseInt(text);
    if (!links::Links().current || !SelectedRow()) return;
    StoreMargin(margin);
    links::SetDocumentModified();
}

std::optional<int> OptionsPagesModel::MarginStepped(Margin margin, int delta) {
    const long long next = static_cast<long long>(image_.Of(margin)) - delta;
    std::optional<int> written;
    if (next >= 0 && next <= INT32_MAX && next != image_.Of(margin)) {
        image_.Of(margin) = static_cast<int>(next);
        written = image_.Of(margin);
        if (links::Links().current && SelectedRow()) links::SetDocumentModified();
    }
    StoreMargin(margin);
    return written;
}

std::optional<Margin> OptionsPagesModel::MarginDragged(WPARAM which, int value) {
    static constexpr Margin kOrder[4] = {Margin::kLeft, Margin::kTop, Margin::kRight, Margin::kBottom};
    if (which > 3) return std::nullopt;
    const Margin margin = kOrder[which];
    image_.Of(margin) = value;
    WriteImageFields();
    // As the edit's change notification would.
    MarginEdited(margin, std::to_wstring(value));
    return margin;
}

void OptionsPagesModel::ImageDrawModeChosen(int index) {
    image_.drawMode = index;
    links::CItemLinkObj* link = links::Links().current;
    links::CPropertyItem* row = SelectedRow();
    if (!link || !row) return;
    if (row->Kind() == links::kKindImage)
        link->StoreImageDrawMode(row);
    else if (row->Kind() == links::kKindRegion)
        link->OnOptionsChanged();
    links::SetDocumentModified();
    if (view_) view_->FocusDrawMode(kImagePage);
    links::RefreshPreview();
}

void OptionsPagesModel::EdgeModeClicked(int mode) {
    links::CItemLinkObj* link = links::Links().current;
    links::CPropertyItem* row = SelectedRow();
    if (!link || !row) return;
    image_.edgeMode = mode;
    link->StoreImageFillMode(row);
    links::SetDocumentModified();
    links::RefreshPreview();
}

void OptionsPagesModel::SideDrawModeChosen(Page page, int index) {
    if (page == kFrameImagePage)
        frameDrawMode_ = index;
    else if (page == kRegionPage)
        regionDrawMode_ = index;
    else
        return;
    links::CItemLinkObj* link = links::Links().current;
    if (!link) return;
    link->OnOptionsChanged();
    links::SetDocumentModified();
    if (view_) view_->FocusDrawMode(page);
    links::RefreshPreview();
}

bool OptionsPagesModel::FocusImagePage() {
    return view_ && (view_->FocusEnabledDrawMode(kImagePage) || view_->FocusEnabledDrawMode(kFrameImagePage));
}

} // namespace hexmoor::shell
