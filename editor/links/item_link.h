#pragma once
// The base of every element link. A link stands behind one item of an
// element tree and binds it to one skin element object: it owns the property
// rows that describe the element state by state, fills the property grid (or
// the export sink) with the rows of one state, writes the grid's edits back
// into the element and keeps, on request, the colour-adjustment snapshot.

#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "editor/links/link_env.h"
#include "editor/links/link_snapshot.h"
#include "editor/links/property_item.h"
#include "editor/links/row_store.h"
#include "editor/links/scheme_name.h"
#include "model/font.h"
#include "model/image_rgn.h"
#include "model/twf_obj.h"

namespace hexmoor::links {

// An opaque tree item (the tree view's HTREEITEM in the editor).
using TreeItem = void*;

class CItemLinkObj {
public:
    CItemLinkObj(TreeItem item, WORD typeId, int controlId, SchemeName schemeName, int custom = 0);
    CItemLinkObj(const CItemLinkObj&) = delete;
    CItemLinkObj& operator=(const CItemLinkObj&) = delete;
    virtual ~CItemLinkObj();

    // The class name (pagedump, the family table).
    virtual const char* ClassName() const = 0;

    // --- the page ------------------------------------------------------------
    virtual BOOL OnOptionsChanged() = 0;
    // Copies typed values and choices of the rows back into the element.
    virtual BOOL CommitEditedValues(PropertyGridModel* grid) = 0;
    // Fills the grid (or the export sink) with the rows of one state; state
    // may carry kFirstShowFlag.
    virtual BOOL FillPropertyPage(int state, void* context) = 0;
    // 1 builds the rows from the element object; 2 frees them.
    virtual BOOL BuildPropertyItems(int mode) = 0;

    virtual CItemLinkObj* SetTwfObj(CTwfObj* object);
    int GetControlId() const { return controlId_; }
    WORD GetTypeId() const { return typeId_; }
    TreeItem GetTreeItem() const { return treeItem_; }
    void SetTreeItem(TreeItem item) { treeItem_ = item; }
    virtual BOOL IsSideFrame() const { return FALSE; }
    // Deletes the rows the link owns (the grid stops showing them first and
    // the row map forgets them) and nulls every row pointer.
    virtual void FreePropertyItems() {}

    std::wstring ColorToText(COLORREF color) const;
    virtual BOOL SetRegion(WORD id, ImageRgnPtr region);
    virtual CMrgBitmap* GetImage(WORD id) const;
    BOOL SetGdiplusImage(WORD id, hexmoor::platform::GdiplusBitmapHandle image);
    virtual BOOL SetImageBitmap(WORD id, HBITMAP bitmap);
    virtual BOOL SetImage(WORD id, MrgBitmapPtr image);
    BOOL SetImage(WORD id, std::unique_ptr<CMrgBitmap> image) { return SetImage(id, MrgBitmapPtr(std::move(image))); }
    virtual BOOL SetColor(WORD id, COLORREF color);
    virtual BOOL SetNumber(WORD id, DWORD value);
    virtual BOOL SetNumberValue(WORD id, DWORD value);
    virtual BOOL SetNumberHalf(WORD id, WORD value, BOOL low);
    virtual BOOL SetNumberFixed(WORD id, double value);
    virtual void ShowItemImage(CPropertyItem* row) {}
    virtual int FillInactiveState() { return -1; }
    virtual BOOL ClearElementImages();
    virtual BOOL SetFont(FontPtr font);
    virtual WORD GetSidePropertyId() const { return 0; }
    // The text a number row shows once its editor closes: what the element
    // now stores for it; nothing when the row's value is the link's own.
    virtual std::optional<std::wstring> StoredRowText(const CPropertyItem& row) const;

    // --- fields --------------------------------------------------------------
    CTwfObj* GetTwfObj() const { return object_; }
    std::wstring_view GetName() const { return name_.View(); }
    void SetName(SchemeName name) { name_ = std::move(name); }
    int GetCustom() const { return custom_; }
    void SetCustom(int custom) { custom_ = custom; }
    int IsGroupNode() const { return groupNode_; }
    void SetGroupNode(int groupNode) { groupNode_ = groupNode; }
    WORD GetOutputMode() const { return outputMode_; }
    void SetOutputMode(WORD mode) { outputMode_ = mode; }
    void SetExportSink(ExportSink* sink) { sink_ = sink; }

    // --- the row map ---------------------------------------------------------
    // The rows by property id, in id order; one row per id (a later
    // registration replaces the earlier). Kept as one sorted array: a page's
    // map is small, built once and freed with its rows.
    using RowMapEntry = std::pair<WORD, CPropertyItem*>;
    using RowMapEntries = std::vector<RowMapEntry, RoomAllocator<RowMapEntry>>;
    void RegisterPropertyItem(CPropertyItem* row);
    CPropertyItem* GetPropertyItem(WORD id) const;
    // Removes every map entry that points at the row or one of its children.
    void UnregisterPropertyItem(const CPropertyItem* row);
    const RowMapEntries& RowMap() const { return rowMap_; }

    // --- list and export operations ------------------------------------------
    int AddPropertyItem(CPropertyItem* row, void* context, int position);
    void AddExportGroupKey(const std::wstring& key, int kind, WORD id, void* context);
    void ClearPropertyList();
    int ExpandListItem(int index, BOOL expand);
    int FindListItem(const CPropertyItem* row) const;
    void RedrawListItem(const CPropertyItem* row);
    int GetListItemCount() const;
    void SetPropertiesCaption(const std::wstring& text);
    // 1 when the state's button is shown. Otherwise the pane selects state 0
    // (which refills the current link's page), *result takes that fill's
    // result, and 0 is returned. A state outside 0..4 is never shown.
    BOOL IsStateShown(int state, BOOL* result);
    // The caption "Properties - <element>".
    void SetElementCaption(const std::wstring& element);

    // --- commands ------------------------------------------------------------
    // Copies the row's colour or image to every other row of the same
    // property (same base-state id and kind); then rebuilds and refills the
    // page for the selected state, keeping the grid's selection. Nothing for
    // base-state id 0 or other kinds.
    void FillAllStates(CPropertyItem* row);
    // The tree's Clear: empties the element, rebuilds, refills.
    void ResetElement(BOOL refreshPreview);
    // Frees the rows and builds them afresh from the element.
    void RebuildRows();

    // --- image options and snapshot ------------------------------------------
    void LoadImageOptions(const CPropertyItem* row);
    // Each copies one field of the image page into the row's image and into
    // the colour-adjustment dialog's working copy; nothing without an image.
    void StoreImageMarginTop(const CPropertyItem* row);
    void StoreImageMarginLeft(const CPropertyItem* row);
    void StoreImageMarginRight(const CPropertyItem* row);
    void StoreImageMarginBottom(const CPropertyItem* row);
    void StoreImageDrawMode(const CPropertyItem* row);
    void StoreImageFillMode(const CPropertyItem* row);
    // mode 0 takes a snapshot, 1 drops it, any other drops it and is kept as
    // the state; asking for the current state does nothing and returns 0.
    // Modes 0 and 1 end a pending adjustment first.
    BOOL SnapshotLinkImages(int mode);
    // Takes the snapshot again from the element as it is now, whatever the
    // state, without touching a pending adjustment (the adjustment itself
    // asks for it). False when there is nothing to copy.
    bool CaptureSnapshot();
    int GetSnapshotState() const { return snapshotState_; }
    const LinkSnapshot& GetSnapshot() const { return snapshot_; }
    void FreeSnapshot();
    // Renews a snapshot the link holds (mode 1, then 0).
    void RenewSnapshot();

protected:
    // Makes a row owned by this link, in the link's row store.
    std::unique_ptr<CPropertyItem> MakeRow(RowText label, RowText value, int kind, RowText choices, WORD id,
                                           BOOL expandable, CPropertyItem* parent, WORD baseId);
    // How many rows the link holds at most at once: the row store's first
    // block is made with room for them.
    void ExpectRows(std::size_t rows) { expectedRows_ = rows; }
    // Stops the grid showing this link's rows and empties the row map; every
    // FreePropertyItems runs it before it deletes rows.
    void ForgetRows();
    // Makes the row store now (with room for the expected rows), its first
    // block also holding the row map's first array, for `mapEntries`
    // entries, and `bytes` of raw memory for the link's own bookkeeping of
    // its rows, which it answers: neither needs an allocation of its own.
    // Call before any row is made; the link ends what it makes in the raw
    // memory before its destructor ends.
    void* MakeRowStore(std::size_t bytes, std::size_t mapEntries);
    // Room in the row map for this many rows.
    void ReserveRowMap(std::size_t rows) { rowMap_.reserve(rows); }
    // The common display of an image row on the image-options page.
    void ShowImageRowOnImagePage(CPropertyItem* row);
    // Copies one field of the image page (chosen by field) into the image.
    void StoreImageField(const CPropertyItem* row, int MrgBitmapParams::*field);
    // Snapshot of a link whose images are its element's whole image map.
    virtual bool SnapshotsWholeImageMap() const { return false; }

    CTwfObj* object_ = nullptr;

private:
    LinkSnapshot snapshot_;
    int snapshotState_ = 1;
    int controlId_;
    WORD typeId_;
    TreeItem treeItem_;
    // Shared with the tree item's record (and the element's other parts).
    SchemeName name_;
    int custom_;
    int groupNode_ = 0;
    WORD outputMode_ = 0;
    ExportSink* sink_ = nullptr;
    // The row map's first array may live in the row store (MakeRowStore).
    LentRoom mapRoom_;
    RowMapEntries rowMap_{RoomAllocator<RowMapEntry>(&mapRoom_)};
    std::size_t expectedRows_ = 8;
    // Declared last of the link's fields, so that every row the link (or a
    // subclass) owns has gone before the store is closed.
    RowStore::Owner rowStore_;
};

// Runs a page's first-show step: clears the flag from *state, shows the
// listed state buttons (hiding the others) and checks the state. Returns
// true when the page goes on; false when it must return *result at once.
bool DeclarePageStates(CItemLinkObj& link, int* state, std::initializer_list<int> states, BOOL* result);

} // namespace hexmoor::links
