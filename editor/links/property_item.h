#pragma once
// One row of the property grid: a label, the value text shown beside it, the
// kind that decides how the grid edits the row and how the current link takes
// the edit back, the property id it stands for and its place in a tree of
// rows. A group row owns its children. Links own their top-level rows; the
// grid and a link's row map only point at them. A row made in a link's row
// store (row_store.h) goes back to its place there when it is deleted, and
// so does its array of children, which takes a place of the same store while
// it fits in one.

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

#include "editor/links/row_memory.h"
#include "editor/links/row_text.h"
#include "model/platform/types.h"

namespace hexmoor::links {

class RowStore;

// The kinds of rows, as the grid treats them.
enum PropertyKind : int {
    kKindChoice = 0,
    kKindNumber = 1, // committed by the link itself
    kKindColor = 2,
    kKindFont = 3,
    kKindImage = 4,
    kKindRegion = 5,
    kKindCategory = 6,
    kKindSigned = 8,    // signed number committed by the link itself
    kKindSize = 9,      // 32-bit number: sizes, borders
    kKindFixed = 10,    // fixed point, shown "%.2f"
    kKindLowHalf = 11,  // low 16 bits of a packed pair
    kKindHighHalf = 12, // high 16 bits of a packed pair
    kKindUserData = 13, // a user-data file
};

class CPropertyItem {
public:
    CPropertyItem(RowText label, RowText value, int kind, RowText choices, WORD id, BOOL expandable,
                  CPropertyItem* parent, WORD baseId);
    CPropertyItem(const CPropertyItem&) = delete;
    CPropertyItem& operator=(const CPropertyItem&) = delete;
    ~CPropertyItem();

    // Rows come from the heap or from a row store; deleting one (directly or
    // through its owner's std::unique_ptr) gives its memory back where it
    // came from, which a word before the row records.
    static void* operator new(std::size_t size);
    static void operator delete(void* row) noexcept;

    // Appends the child (taking it over) and returns its index. A row that is
    // not a group takes no children: -1, and the child stays its maker's
    // (the pointer is not moved from; a raw child is not deleted).
    int AddChild(std::unique_ptr<CPropertyItem>&& child);
    int AddChild(CPropertyItem* child);
    // Takes the child at index out of the children and hands it over; null
    // for an index out of range.
    std::unique_ptr<CPropertyItem> TakeChild(int index);
    // Room for this many children without growing.
    void ReserveChildren(int count) { children_.reserve(static_cast<size_t>(count)); }
    // Removes every child (they are deleted).
    void ClearChildren() { children_.clear(); }
    int ChildCount() const { return static_cast<int>(children_.size()); }
    CPropertyItem* Child(int index) const;
    int IndexOfChild(const CPropertyItem* child) const;

    // Sets the value text to "%d" of the number and returns a copy.
    std::wstring SetIntValue(int value);

    const std::wstring& Label() const { return label_.Get(); }
    void SetLabel(RowText label) { label_ = std::move(label); }
    const std::wstring& Value() const { return value_.Get(); }
    // A text of its own, or one that outlives the row (RowText::Lasting).
    void SetValue(RowText value) { value_ = std::move(value); }
    int Kind() const { return kind_; }
    const std::wstring& Choices() const { return choices_.Get(); }
    WORD Id() const { return id_; }
    void SetId(WORD id) { id_ = id; }
    CPropertyItem* Parent() const { return parent_; }
    BOOL IsExpandable() const { return expandable_; }
    void SetExpandable(BOOL expandable) { expandable_ = expandable; }
    BOOL IsExpanded() const { return expanded_; }
    void SetExpanded(BOOL expanded) { expanded_ = expanded; }
    WORD BaseId() const { return baseId_; }
    int Maximum() const { return maximum_; }
    void SetMaximum(int maximum) { maximum_ = maximum; }
    // Pointer-sized datum (a user-data row holds its block here).
    const void* Data() const { return data_; }
    void SetData(const void* data) { data_ = data; }
    // The link that made the row (children take their parent's); the grid
    // drops a link's rows before the link frees them.
    const void* Owner() const { return owner_; }
    void SetOwner(const void* owner) { owner_ = owner; }
    // Depth in the row tree: 0 for a top-level row.
    int Depth() const;

private:
    friend class RowStore;
    using Children = std::vector<std::unique_ptr<CPropertyItem>, RowMemoryAllocator<std::unique_ptr<CPropertyItem>>>;

    RowText label_;
    RowText value_;
    int kind_;
    RowText choices_;
    WORD id_;
    CPropertyItem* parent_;
    Children children_;
    BOOL expandable_;
    BOOL expanded_ = FALSE;
    WORD baseId_;
    int maximum_ = -1;
    const void* data_ = nullptr;
    const void* owner_ = nullptr;
};

// The entries of a '|'-separated choice list: every piece that ends at a '|'
// and, when the list holds at least one '|', the rest after the last one.
std::vector<std::wstring> SplitChoices(const std::wstring& list);
// The index of the first entry equal to the value (exact case), -1 when none
// is (a list without '|' has no entries).
int GetChoiceIndex(const std::wstring& list, const std::wstring& value);
// The entry at the index, "" outside the list.
std::wstring GetChoiceText(const std::wstring& list, int index);

} // namespace hexmoor::links
