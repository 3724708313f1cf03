#pragma once
// The engine that runs a page table (page_table.h): it fills the grid or the
// export sink with one state's rows, builds and frees the rows, commits the
// values the grid does not store itself (pairs, choices, fields), clears the
// element and shows a selected image row. The named page classes are thin
// subclasses that hand it their table.
//
// Rows: a row is made by whichever of a fill and a build needs it first and
// lives until the rows are freed; top-level rows are owned here, a group's
// children by their group. The row map holds the rows under their property
// ids; rows without one (groups, pair halves, fields) are not entered, so
// nothing in the map outlives a free.

#include <memory>
#include <span>
#include <string>
#include <vector>

#include "editor/links/item_link.h"
#include "editor/links/page_table.h"

namespace hexmoor::links {

// The text of a label ("" for none).
std::wstring LabelText(const Label& label);
// The same text kept for the program's life, shared by the rows showing it
// (the links live on the thread that runs the editor's windows).
const std::wstring& LastingLabelText(const Label& label);
// The text of a colour, shared by the rows showing it while few colours are
// in use (a row showing one more gets its own copy).
RowText SharedColorText(COLORREF color);

class CPageLink : public CItemLinkObj {
public:
    CPageLink(const PageTable& table, TreeItem item, WORD typeId, int controlId, SchemeName schemeName);
    ~CPageLink() override;

    const char* ClassName() const override { return table_.className; }
    BOOL OnOptionsChanged() override { return 1; }
    BOOL CommitEditedValues(PropertyGridModel* grid) override;
    BOOL FillPropertyPage(int state, void* context) override;
    BOOL BuildPropertyItems(int mode) override;
    CItemLinkObj* SetTwfObj(CTwfObj* object) override;
    void FreePropertyItems() override;
    BOOL SetImage(WORD id, MrgBitmapPtr image) override;
    using CItemLinkObj::SetImage;
    void ShowItemImage(CPropertyItem* row) override;
    BOOL ClearElementImages() override;
    std::optional<std::wstring> StoredRowText(const CPropertyItem& row) const override;

    const PageTable& Table() const { return table_; }
    // The row of a table index, null while it is not made.
    CPropertyItem* Row(int index) const;

protected:
    // The value text a row shows for what the element stores.
    RowText ValueText(int index) const;

private:
    // Makes the row when missing (fill: with the fill's label and base id)
    // and puts it in place: a top-level row here, a child under its parent.
    CPropertyItem* Ensure(int index, bool byFill);
    // Gives a group its children when it has none (table rows or a pair).
    void EnsureChildren(int index, bool byFill);
    void RegisterRow(int index);
    void FillRow(int index, void* context);
    void BuildRow(int index);
    // A choice row with a pair: adds its children while it holds the entry
    // (during a fill only where a sink or the grid shows it), drops them
    // otherwise.
    void SyncChoicePair(int index, bool byFill, void* context);
    void AddPairChildren(CPropertyItem& row, const PairSpec& pair);
    void RefreshPairChildren(CPropertyItem& row, const PairSpec& pair);
    // Takes the children away, closing the row in the grid first.
    void DropChildren(CPropertyItem& row);
    void CommitPair(const CPropertyItem& group, const PairSpec& pair);
    // The table row standing for this row object, or kNoRow.
    int IndexOf(const CPropertyItem* row) const;
    bool Holds(int index) const;
    std::wstring PairHalfText(const PairSpec& pair, bool low) const;
    std::unique_ptr<CPropertyItem> MakeTableRow(const Label& label, RowText value, const RowSpec& spec,
                                                CPropertyItem* parent, WORD baseId);

    // A table row's row while it is made; a top-level row is owned here.
    struct Slot {
        CPropertyItem* row = nullptr;
        std::unique_ptr<CPropertyItem> owned;
    };

    const PageTable& table_;
    // One slot per table row, in the row store's room.
    std::span<Slot> slots_;
};

} // namespace hexmoor::links
