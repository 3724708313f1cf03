#pragma once
// When the Edit menu's commands on the property grid are enabled. The rules
// read plain facts about the selected row, the current link, the values the
// grid holds and the formats on the clipboard, so they run without windows;
// the Windows side gathers the facts (the clipboard's formats injected).

#include "editor/links/property_item.h"
#include "model/platform/types.h"

namespace hexmoor::links {

class CItemLinkObj;
class GridClipboard;

enum class EditCommand {
    kCopy,
    kCopyWithMargins,
    kPaste,
    kPasteWithMargins,
    kDelete,
    kFillAllStates,
    kCut,
};

// What the clipboard offers; opened is false when it could not be opened.
struct ClipboardFormats {
    bool opened = true;
    bool bitmap = false;
    bool marginBitmap = false;
};

struct EditFacts {
    // A selected row and a current link; without both every command is off.
    bool hasRow = false;
    bool hasLink = false;
    int kind = -1;
    WORD baseId = 0;
    // The element holds an image, respectively region options, under the
    // row's id.
    bool imageStored = false;
    bool regionStored = false;
    // The grid's held colour (kNoHeldColor when none) and whether a region
    // row has been copied.
    COLORREF heldColor = 0xFFFFFFFBu;
    bool regionCopied = false;
    ClipboardFormats clipboard;
};

bool IsEditCommandEnabled(EditCommand command, const EditFacts& facts);

// The facts about a row of the current link (either may be null); the held
// values and the clipboard are left for the caller.
EditFacts GatherRowFacts(const CItemLinkObj* link, const CPropertyItem* row);
// The same with the grid clipboard's held values and the clipboard's formats.
EditFacts GatherEditFacts(const CItemLinkObj* link, const CPropertyItem* row, const GridClipboard& held,
                          const ClipboardFormats& clipboard);

} // namespace hexmoor::links
