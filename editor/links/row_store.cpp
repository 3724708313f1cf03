#include "editor/links/row_store.h"

#include <new>

namespace hexmoor::links {

// A place holds a row, or, while free, the next free place.
union RowStore::Place {
    Place* next;
    alignas(std::max_align_t) unsigned char memory[kRowHeaderSize + sizeof(CPropertyItem)];
};

// A further block: its header, then its places.
struct RowStore::Block {
    Block* next;
};

namespace {

// Places follow a header in the same allocation.
template <class Header>
constexpr std::size_t PlacesOffset() {
    constexpr std::size_t align = alignof(std::max_align_t);
    return (sizeof(Header) + align - 1) / align * align;
}

template <class Header, class Place>
Place* PlacesAfter(Header* header) {
    return reinterpret_cast<Place*>(reinterpret_cast<unsigned char*>(header) + PlacesOffset<Header>());
}

} // namespace

RowStore::Owner RowStore::Make(std::size_t places, std::size_t roomBytes) {
    if (places == 0) places = 1;
    // The room, rounded up to keep the places aligned, follows the header.
    constexpr std::size_t align = alignof(std::max_align_t);
    const std::size_t room = (roomBytes + align - 1) / align * align;
    void* memory = ::operator new(PlacesOffset<RowStore>() + room + places * sizeof(Place));
    auto* store = new (memory) RowStore();
    unsigned char* after = reinterpret_cast<unsigned char*>(PlacesAfter<RowStore, Place>(store));
    if (roomBytes) store->room_ = after;
    store->AddPlaces(reinterpret_cast<Place*>(after + room), places);
    return Owner(store);
}

void RowStore::AddPlaces(Place* first, std::size_t count) {
    // Chained in order, so that rows are laid out as they are made.
    for (std::size_t i = count; i-- > 0;) {
        first[i].next = free_;
        free_ = &first[i];
    }
    places_ += count;
}

void RowStore::Grow() {
    const std::size_t count = places_; // doubles the room
    void* memory = ::operator new(PlacesOffset<Block>() + count * sizeof(Place));
    auto* block = new (memory) Block{blocks_};
    blocks_ = block;
    AddPlaces(PlacesAfter<Block, Place>(block), count);
}

void* RowStore::Take(std::size_t bytes) {
    if (closed_ || bytes > sizeof(CPropertyItem)) return nullptr;
    if (!free_) Grow();
    Place* place = free_;
    free_ = place->next; // the header and what follows it are made over it
    *reinterpret_cast<RowStore**>(place->memory) = this;
    ++live_;
    return place->memory + kRowHeaderSize;
}

std::unique_ptr<CPropertyItem> RowStore::MakeRow(RowText label, RowText value, int kind, RowText choices, WORD id,
                                                 BOOL expandable, CPropertyItem* parent, WORD baseId) {
    void* memory = Take(sizeof(CPropertyItem));
    if (!memory)
        return std::make_unique<CPropertyItem>(std::move(label), std::move(value), kind, std::move(choices), id,
                                               expandable, parent, baseId);
    std::unique_ptr<CPropertyItem> row(::new (memory) CPropertyItem(
        std::move(label), std::move(value), kind, std::move(choices), id, expandable, parent, baseId));
    // Its children's array takes a place here too while it fits in one.
    row->children_ = CPropertyItem::Children(CPropertyItem::Children::allocator_type(this));
    return row;
}

void RowStore::Release(void* memory) {
    auto* place = reinterpret_cast<Place*>(static_cast<unsigned char*>(memory) - kRowHeaderSize);
    place->next = free_;
    free_ = place;
    --live_;
    if (closed_ && live_ == 0) Destroy();
}

void RowStore::Close() {
    closed_ = true;
    if (live_ == 0) Destroy();
}

void RowStore::Destroy() {
    for (Block* block = blocks_; block;) {
        Block* next = block->next;
        block->~Block();
        ::operator delete(static_cast<void*>(block));
        block = next;
    }
    this->~RowStore();
    ::operator delete(static_cast<void*>(this));
}

void* TakeRowMemory(RowStore* store, std::size_t bytes) {
    if (store)
        if (void* memory = store->Take(bytes)) return memory;
    auto* memory = static_cast<unsigned char*>(::operator new(kRowHeaderSize + bytes));
    *reinterpret_cast<RowStore**>(memory) = nullptr;
    return memory + kRowHeaderSize;
}

void GiveRowMemory(void* memory) noexcept {
    if (!memory) return;
    unsigned char* start = static_cast<unsigned char*>(memory) - kRowHeaderSize;
    if (RowStore* store = *reinterpret_cast<RowStore**>(start))
        store->Release(memory);
    else
        ::operator delete(start);
}

} // namespace hexmoor::links
