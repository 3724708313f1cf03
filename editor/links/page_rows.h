#pragma once
// Shorthands for the rows of page tables: the usual shapes of a row, so that
// a table reads as its list of rows.

#include "editor/links/page_table.h"
#include "editor/links/property_item.h"
#include "resources/property_grid_ids.h"

namespace hexmoor::links::rows {

inline RowSpec Make(Label label, int kind, WORD id, WORD baseId) {
    RowSpec row;
    row.label = label;
    row.kind = kind;
    row.id = id;
    row.baseId = baseId;
    return row;
}

inline RowSpec Image(Label label, WORD id, WORD baseId) { return Make(label, kKindImage, id, baseId); }
inline RowSpec Color(Label label, WORD id, WORD baseId) { return Make(label, kKindColor, id, baseId); }

// A number the grid stores itself; in a group it carries its own id as its
// base-state id.
inline RowSpec Number(Label label, WORD id, WORD baseId, int parent = kNoRow) {
    RowSpec row = Make(label, kKindSize, id, baseId);
    row.parent = parent;
    return row;
}

inline RowSpec Choice(Label label, WORD id, Label choices, int parent = kNoRow) {
    RowSpec row = Make(label, kKindChoice, id, 0);
    row.choices = choices;
    row.parent = parent;
    return row;
}

// A category row whose children are the table's rows naming it as parent.
inline RowSpec Group(Label label, GroupExpansion expansion = GroupExpansion::kReapply) {
    RowSpec row = Make(label, kKindCategory, 0, 0);
    row.expandable = true;
    row.expansion = expansion;
    return row;
}

// A category row showing a pair as its two children.
inline RowSpec PairGroup(Label label, const PairSpec& pair, PairChildren children = PairChildren::kAlways,
                         GroupExpansion expansion = GroupExpansion::kReapply) {
    RowSpec row = Group(label, expansion);
    row.pair = pair;
    row.pairChildren = children;
    return row;
}

// The pair of an offset ("X Offset", "Y Offset").
inline PairSpec OffsetPair(WORD id, int childKind = kKindNumber, bool carryId = false, bool isSigned = false) {
    return PairSpec{id, Text(IDS_LINK_X_OFFSET), Text(IDS_LINK_Y_OFFSET), childKind, carryId, isSigned};
}

// The pair of a size ("Width", "Height").
inline PairSpec SizePair(WORD id) { return PairSpec{id, Text(IDS_LINK_WIDTH), Text(IDS_LINK_HEIGHT)}; }

inline ClearStep RemoveImage(WORD id) { return ClearStep{ClearStep::kRemoveImage, id}; }
inline ClearStep RemoveColor(WORD id) { return ClearStep{ClearStep::kRemoveColor, id}; }
inline ClearStep StoreZero(WORD id) { return ClearStep{ClearStep::kStoreZero, id}; }

} // namespace hexmoor::links::rows
