#pragma once
// Room for the rows of one link, taken in blocks: a link makes and frees its
// page's rows without a heap call each (a page is built when its tree item
// is first used and freed with the tree, for thousands of items). The first
// block has room for the rows the link expects; a link that makes more gets
// further blocks.
//
// A row made here is an ordinary CPropertyItem owned through
// std::unique_ptr; deleting it gives its place back (CPropertyItem's own
// operator delete reads the store from the word before the row). The store goes when its
// owner has closed it and its last row has gone, so a row that outlives the
// link (handed out with TakeChild) still has its memory.

#include <cstddef>
#include <memory>

#include "editor/links/property_item.h"

namespace hexmoor::links {

// The word before every row's memory that names the store it lives in
// (null: the heap), kept at the alignment of the row that follows it.
inline constexpr std::size_t kRowHeaderSize = alignof(std::max_align_t);

class RowStore {
public:
    struct Closer {
        void operator()(RowStore* store) const { store->Close(); }
    };
    using Owner = std::unique_ptr<RowStore, Closer>;

    // A store whose first block has room for `places` rows (at least one).
    static Owner Make(std::size_t places);

    RowStore(const RowStore&) = delete;
    RowStore& operator=(const RowStore&) = delete;

    std::unique_ptr<CPropertyItem> MakeRow(RowText label, RowText value, int kind, RowText choices, WORD id,
                                           BOOL expandable, CPropertyItem* parent, WORD baseId);
    std::size_t LiveRows() const { return live_; }
    // Places in every block.
    std::size_t Places() const { return places_; }

private:
    friend class CPropertyItem;
    union Place;
    struct Block;

    RowStore() = default;
    ~RowStore() = default;
    // Chains a block's places into the free list.
    void AddPlaces(Place* first, std::size_t count);
    void Grow();
    // A deleted row's place (the row is destroyed already).
    void Release(void* row);
    // The owner lets go: the store goes now, or with its last row.
    void Close();
    void Destroy();

    std::size_t places_ = 0;
    std::size_t live_ = 0;
    Place* free_ = nullptr;
    Block* blocks_ = nullptr; // the blocks after the first
    bool closed_ = false;
};

} // namespace hexmoor::links
