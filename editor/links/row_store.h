#pragma once
// Room for the rows of one link, taken in blocks: a link makes and frees its
// page's rows without a heap call each (a page is built when its tree item
// is first used and freed with the tree, for thousands of items). The first
// block has room for the rows the link expects; a link that makes more gets
// further blocks.
//
// A row made here is an ordinary CPropertyItem owned through
// std::unique_ptr; deleting it gives its place back (row_memory.h: the word
// before the row names the store). A group row's array of children takes a
// place of the same store while it fits in one. The store goes when its
// owner has closed it and its last place has come back, so a row that
// outlives the link (handed out with TakeChild) still has its memory.
//
// The first block may also hold a room of raw memory for the owner's own
// fixed-size bookkeeping (a page's table of its rows), so that the owner
// needs no allocation of its own for it. The owner ends what it made in the
// room before it closes the store.

#include <cstddef>
#include <memory>

#include "editor/links/property_item.h"
#include "editor/links/row_memory.h"

namespace hexmoor::links {

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
    // Places in use: rows and the arrays of their children.
    std::size_t PlacesInUse() const { return live_; }
    // Places in every block.
    std::size_t Places() const { return places_; }
    // The room asked for at Make (null when none was).
    void* Room() const { return room_; }

private:
    friend void* TakeRowMemory(RowStore* store, std::size_t bytes);
    friend void GiveRowMemory(void* memory) noexcept;
    union Place;
    struct Block;

    RowStore() = default;
    ~RowStore() = default;
    // Chains a block's places into the free list.
    void AddPlaces(Place* first, std::size_t count);
    void Grow();
    // A free place's memory (after its header word) for `bytes`; null when
    // the store is closed or the bytes do not fit in a place.
    void* Take(std::size_t bytes);
    // Memory Take answered, back to its place (what was in it has ended).
    void Release(void* memory);
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
