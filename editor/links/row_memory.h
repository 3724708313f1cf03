#pragma once
// Memory for rows and for a row's own array of children, taken from a free
// place in the row store of the row's link (row_store.h) when the store is
// open and the piece fits in a place, and from the heap otherwise. A word
// before every piece names the store it came from (null: the heap), so a
// piece goes back where it came from whoever gives it back, and a store
// stays until its last piece has gone. A link that frees its rows then
// frees one block for them all, not one per row and per group.

#include <cstddef>
#include <new>
#include <type_traits>

namespace hexmoor::links {

class RowStore;

// The word before every piece, kept at the alignment of what follows it.
inline constexpr std::size_t kRowHeaderSize = alignof(std::max_align_t);

// `bytes` of memory aligned for any type: a place of the store when there
// is one that is open and the bytes fit, the heap otherwise.
void* TakeRowMemory(RowStore* store, std::size_t bytes);
// Gives back memory TakeRowMemory answered (null: nothing).
void GiveRowMemory(void* memory) noexcept;

// A container's allocator over TakeRowMemory. Any copy frees what another
// took (the word before the memory says where it goes back), so all compare
// equal and moving a container never copies its elements.
template <class T>
class RowMemoryAllocator {
public:
    using value_type = T;
    using propagate_on_container_move_assignment = std::true_type;
    using propagate_on_container_swap = std::true_type;
    using is_always_equal = std::true_type;

    RowMemoryAllocator() = default;
    explicit RowMemoryAllocator(RowStore* store) : store_(store) {}
    template <class U>
    RowMemoryAllocator(const RowMemoryAllocator<U>& other) : store_(other.store_) {}

    T* allocate(std::size_t n) {
        static_assert(alignof(T) <= kRowHeaderSize);
        if (n > (static_cast<std::size_t>(-1) - kRowHeaderSize) / sizeof(T)) throw std::bad_array_new_length();
        return static_cast<T*>(TakeRowMemory(store_, n * sizeof(T)));
    }
    void deallocate(T* p, std::size_t) noexcept { GiveRowMemory(p); }
    template <class U>
    bool operator==(const RowMemoryAllocator<U>&) const {
        return true;
    }

private:
    template <class U>
    friend class RowMemoryAllocator;
    RowStore* store_ = nullptr;
};

} // namespace hexmoor::links
