#include "editor/links/grid_clipboard.h"

#include "editor/links/grid_model.h"
#include "editor/links/item_link.h"
#include "editor/links/link_strings.h"
#include "editor/links/value_text.h"
#include "model/elements/wnd_frame.h"

namespace hexmoor::links {
namespace {

CTwfSideFrame* SideOf(const CItemLinkObj& link) { return dynamic_cast<CTwfSideFrame*>(link.GetTwfObj()); }

void TrackRow(const CPropertyItem& row, int flag) {
    if (Links().colorAdjust) Links().colorAdjust->TrackSelectedProperty(row.Id(), row.Kind(), flag);
}

} // namespace

BOOL GridClipboard::CopyItem(CPropertyItem* row, bool withMargins) {
    CItemLinkObj* link = Links().current;
    if (!row || !link) return 0;
    switch (row->Kind()) {
    case kKindColor:
        if (Links().host) Links().host->FocusGrid();
        heldColor_ = link->GetTwfObj() ? link->GetTwfObj()->GetColor(row->Id()) : 0;
        return 1;
    case kKindImage: {
        const CMrgBitmap* image = link->GetImage(row->Id());
        if (!image) return 1;
        if (!images_) return 0;
        return images_->CopyImage(*image, withMargins) ? 1 : 0;
    }
    case kKindRegion: {
        CTwfSideFrame* side = SideOf(*link);
        const OptionsHrgn* options = side ? side->GetRegionOptions(row->Id()) : nullptr;
        if (!options) return 0;
        if (options->HasRegion()) heldRegion_ = options->GetRegionData()->Duplicate();
        regionCopied_ = true;
        return 1;
    }
    default: return 1;
    }
}

BOOL GridClipboard::PasteItem(CPropertyItem* row, bool withMargins) {
    CItemLinkObj* link = Links().current;
    if (!row || !link) return 0;
    switch (row->Kind()) {
    case kKindColor:
        if (heldColor_ != kNoHeldColor) {
            link->SetColor(row->Id(), heldColor_);
            row->SetValue(ColorText(heldColor_));
            if (Links().host) Links().host->FocusGrid();
            SetDocumentModified();
        }
        break;
    case kKindImage: {
        std::unique_ptr<CMrgBitmap> pasted = images_ ? images_->PasteImage(withMargins) : nullptr;
        if (!pasted) return 0;
        MrgBitmapParams params = pasted->GetParams();
        if (!withMargins) {
            // A plain bitmap keeps the row's margins and centre mode; the edges stretch.
            params = MrgBitmapParams{};
            if (const CMrgBitmap* old = link->GetImage(row->Id())) params = old->GetParams();
            params.mrgDrawMode = 0;
        }
        link->SetImage(row->Id(), std::move(pasted));
        // Storing over an existing image lends it the old parameters; the
        // paste's own are put back.
        if (CMrgBitmap* stored = link->GetImage(row->Id())) stored->SetParams(params);
        row->SetValue(LinkString(IDS_LINK_INSERTED));
        grid_.InvalidateItem(row);
        link->ShowItemImage(row);
        ShowSelectedPropertyImage(*link);
        RefreshPreview();
        SetDocumentModified();
        break;
    }
    case kKindRegion:
        if (heldRegion_) {
            link->SetRegion(row->Id(), ImageRgnPtr(heldRegion_->Duplicate()));
            row->SetValue(LinkString(IDS_LINK_REGION));
            grid_.InvalidateItem(row);
            ShowSelectedPropertyImage(*link);
            RefreshPreview();
            link->ShowItemImage(row);
            SetDocumentModified();
        }
        break;
    default: break;
    }
    link->RenewSnapshot();
    TrackRow(*row, 0);
    return 1;
}

BOOL GridClipboard::CutItem(CPropertyItem* row) {
    SetDocumentModified();
    if (!CopyItem(row, false)) return 0;
    return DeleteItemValue(row);
}

BOOL GridClipboard::DeleteItemValue(CPropertyItem* row) {
    CItemLinkObj* link = Links().current;
    if (!row || !link) return 0;
    CTwfObj* object = link->GetTwfObj();
    if (row->Kind() == kKindColor) {
        if (object) object->RemoveColor(row->Id());
        row->SetValue(L"RGB(0,0,0)");
        grid_.InvalidateItem(row);
        SetDocumentModified();
    } else if (row->Kind() == kKindImage || row->Kind() == kKindRegion) {
        const CPropertyItem* parent = row->Parent();
        if (parent && parent->ChildCount() > 1) return DeleteNumbered(*link, row);
        if (row->Kind() == kKindImage) {
            if (object) object->RemoveImage(row->Id(), FALSE);
        } else if (CTwfSideFrame* side = SideOf(*link)) {
            // A region row's value is a region option, never an image.
            side->RemoveRegionOptions(row->Id(), FALSE);
        }
        if (Links().options) Links().options->EnableImageOptions(false);
        row->SetValue(LinkString(IDS_LINK_NO_IMAGE));
        ShowSelectedPropertyImage(*link);
        grid_.InvalidateItem(row);
        SetDocumentModified();
    }
    link->FreeSnapshot();
    if (Links().colorAdjust) Links().colorAdjust->ElementEdited(link->GetTwfObj());
    TrackRow(*row, 0);
    RefreshPreview();
    if (Links().preview) Links().preview->RefreshSkinnedWindows(link->GetTypeId());
    return 1;
}

BOOL GridClipboard::DeleteNumbered(CItemLinkObj& link, CPropertyItem* row) {
    CPropertyItem* parent = row->Parent();
    CTwfObj* object = link.GetTwfObj();
    CTwfSideFrame* side = SideOf(link);
    const bool image = row->Kind() == kKindImage;
    const int place = parent->IndexOfChild(row);
    if (!object || place < 0) return 0;
    auto hasEntry = [&](const CPropertyItem* r) {
        return image ? object->HasImage(r->Id()) : (side && side->HasRegionOptions(r->Id()));
    };
    auto removeEntry = [&](WORD id) {
        if (image)
            object->RemoveImage(id, FALSE);
        else if (side)
            side->RemoveRegionOptions(id, FALSE);
    };
    removeEntry(row->Id());
    std::unique_ptr<CPropertyItem> removed;
    // The id whose entry was moved one place up and now lives twice.
    int duplicateId = -1;
    for (int j = place; j < parent->ChildCount() - 1; ++j) {
        CPropertyItem* here = parent->Child(j);
        CPropertyItem* next = parent->Child(j + 1);
        if (hasEntry(next)) {
            if (image) {
                // The place is emptied first: an image moving up keeps its
                // own margins and modes (PutImage over an occupied place
                // would hand it the previous image's).
                MrgBitmapPtr moving = object->GetImageShared(next->Id());
                object->RemoveImage(here->Id(), FALSE);
                object->PutImage(here->Id(), std::move(moving));
                if (side) {
                    if (const OptionsImage* options = side->GetImageOptions(next->Id()))
                        side->PutImageOptions(here->Id(), *options);
                }
                here->SetValue(next->Value());
            } else if (const OptionsHrgn* options = side->GetRegionOptions(next->Id())) {
                side->PutRegionOptions(here->Id(), *options);
            }
            duplicateId = next->Id();
            continue;
        }
        // The next place is empty: its row moves up to this place, with this
        // place's id and label, and this place's row leaves the list.
        duplicateId = here->Id();
        next->SetId(here->Id());
        next->SetLabel(here->Label());
        if (image) next->SetValue(L"");
        removed = parent->TakeChild(j);
        break;
    }
    if (duplicateId >= 0) removeEntry(static_cast<WORD>(duplicateId));
    // The row taken out is unregistered now and deleted once the page no
    // longer shows it.
    if (removed) {
        link.UnregisterPropertyItem(removed.get());
        grid_.DropRowsOf(&link);
    }
    if (Links().preview) Links().preview->RefreshSkinnedWindows(link.GetTypeId());
    link.FillPropertyPage(GetSelectedState(), nullptr);
    removed.reset();
    const CPropertyItem* selected = parent->Child(place < parent->ChildCount() ? place : parent->ChildCount() - 1);
    const int index = grid_.FindItemRow(selected);
    if (index >= 0) grid_.SetSelectedIndex(index);
    ShowSelectedPropertyImage(link);
    if (Links().host) Links().host->FocusGrid();
    SetDocumentModified();
    return 1;
}

} // namespace hexmoor::links
