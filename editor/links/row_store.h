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
//
// The first block may also hold a room of raw memory for the owner's own
// fixed-size bookkeeping (a page's table of its rows), so that the owner
// needs no allocation of its own for it. The owner ends what it made in the
// room before it closes the store.

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

    // A store whose first block has room for `places` rows (at least one)
    // and, before them, a room of `roomBytes` (aligned for any type).
    static Owner Make(std::size_t places, std::size_t roomBytes = 0);

    RowStore(const RowStore&) = delete;
    RowStore& operator=(const RowStore&) = delete;

    std::unique_ptr<CPropertyItem> MakeRow(RowText label, RowText value, int kind, RowText choices, WORD id,
                                           BOOL expandable, CPropertyItem* parent, WORD baseId);
    std::size_t LiveRows() const { return live_; }
    // Places in every block.
    std::size_t Places() const { return places_; }
    // The room asked for at Make (null when none was).
    void* Room() const { return room_; }

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
    void* room_ = nullptr;
    bool closed_ = false;
};

// A piece of memory (room in a row store) lent to one container at a time.
struct LentRoom {
    void* memory = nullptr;
    std::size_t bytes = 0;
    bool lent = false;
};

// Gives a container the room while it is free and big enough, the heap
// otherwise; the room goes back when the container lets go of it.
template <class T>
class RoomAllocator {
public:
    using value_type = T;
    // Null: the heap only.
    explicit RoomAllocator(LentRoom* room) : room_(room) {}
    template <class U>
    RoomAllocator(const RoomAllocator<U>& other) : room_(other.room_) {}
    // A copy of the container may outlive the room: it takes the heap.
    RoomAllocator select_on_container_copy_construction() const { return RoomAllocator(nullptr); }

    T* allocate(std::size_t n) {
        if (room_ && room_->memory && !room_->lent && n * sizeof(T) <= room_->bytes && alignof(T) <= kRowHeaderSize) {
            room_->lent = true;
            return static_cast<T*>(room_->memory);
        }
        return std::allocator<T>().allocate(n);
    }
    void deallocate(T* p, std::size_t n) {
        if (room_ && p == room_->memory) {
            room_->lent = false;
            return;
        }
        std::allocator<T>().deallocate(p, n);
    }
    bool operator==(const RoomAllocator& other) const { return room_ == other.room_; }

private:
    template <class U>
    friend class RoomAllocator;
    LentRoom* room_;
};

} // namespace hexmoor::links
