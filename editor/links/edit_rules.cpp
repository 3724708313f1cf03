#include "editor/links/edit_rules.h"

#include "editor/links/grid_clipboard.h"
#include "editor/links/item_link.h"
#include "model/elements/wnd_frame.h"

namespace hexmoor::links {
namespace {

bool CanCopy(const EditFacts& f) {
    switch (f.kind) {
    case kKindColor: return true;
    case kKindImage: return f.imageStored;
    case kKindRegion: return f.regionStored;
    default: return false;
    }
}

bool CanPaste(const EditFacts& f) {
    switch (f.kind) {
    case kKindImage: return f.clipboard.opened && f.clipboard.bitmap;
    case kKindColor: return f.heldColor != kNoHeldColor;
    case kKindRegion: return f.regionCopied;
    default: return false;
    }
}

} // namespace

bool IsEditCommandEnabled(EditCommand command, const EditFacts& f) {
    if (!f.hasRow || !f.hasLink) return false;
    switch (command) {
    case EditCommand::kCopy: return CanCopy(f);
    case EditCommand::kCopyWithMargins: return f.kind == kKindImage && CanCopy(f);
    case EditCommand::kPaste: return CanPaste(f);
    case EditCommand::kPasteWithMargins:
        // A clipboard that cannot be opened is not asked; one that opens
        // must hold a block with margins.
        if (f.clipboard.opened && !f.clipboard.marginBitmap) return false;
        // An image is pasted from the block itself: the copy with margins
        // puts no plain bitmap beside it.
        if (f.kind == kKindImage) return f.clipboard.opened;
        return CanPaste(f);
    case EditCommand::kDelete:
        return (f.kind == kKindImage && f.imageStored) || (f.kind == kKindRegion && f.regionStored) ||
               f.kind == kKindUserData;
    case EditCommand::kFillAllStates:
        // Only colours and images are copied across states.
        if (f.baseId == 0) return false;
        if (f.kind == kKindImage) return f.imageStored;
        return f.kind == kKindColor;
    case EditCommand::kCut: return false;
    }
    return false;
}

EditFacts GatherRowFacts(const CItemLinkObj* link, const CPropertyItem* row) {
    EditFacts f;
    f.hasRow = row != nullptr;
    f.hasLink = link != nullptr;
    if (!row) return f;
    f.kind = row->Kind();
    f.baseId = row->BaseId();
    if (!link) return f;
    f.imageStored = link->GetImage(row->Id()) != nullptr;
    if (const auto* side = dynamic_cast<const CTwfSideFrame*>(link->GetTwfObj()))
        f.regionStored = side->GetRegionOptions(row->Id()) != nullptr;
    return f;
}

EditFacts GatherEditFacts(const CItemLinkObj* link, const CPropertyItem* row, const GridClipboard& held,
                          const ClipboardFormats& clipboard) {
    EditFacts f = GatherRowFacts(link, row);
    f.heldColor = held.HeldColor();
    f.regionCopied = held.RegionCopied();
    f.clipboard = clipboard;
    return f;
}

} // namespace hexmoor::links
