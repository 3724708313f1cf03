// The rows' store and shared texts: rows made past the first block keep
// their texts, a row that outlives its store's owner keeps its memory, the
// room in the first block is lent to one container at a time, and
// rows showing a table's label share one text that a new string provider
// replaces for later rows only.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "editor/links/link_strings.h"
#include "editor/links/page_link.h"
#include "editor/links/row_store.h"

using namespace hexmoor::links;

TEST(RowStore, GrowsPastItsFirstBlockAndTakesPlacesBack) {
    RowStore::Owner store = RowStore::Make(2);
    auto group = store->MakeRow(L"group", L"", kKindCategory, L"", 0, TRUE, nullptr, 0);
    group->ReserveChildren(9);
    std::vector<CPropertyItem*> children;
    for (int i = 0; i < 9; ++i) {
        auto row = store->MakeRow(L"row number " + std::to_wstring(i), L"RGB(1,2,3)", kKindColor, L"", 10, FALSE,
                                  group.get(), 0);
        children.push_back(row.get());
        group->AddChild(std::move(row));
    }
    // Ten rows and the group's array of children.
    EXPECT_EQ(store->PlacesInUse(), 11u);
    EXPECT_GE(store->Places(), 11u);
    for (int i = 0; i < 9; ++i)
        EXPECT_EQ(children[static_cast<size_t>(i)]->Label(), L"row number " + std::to_wstring(i));
    const size_t places = store->Places();
    group->ClearChildren();
    EXPECT_EQ(store->PlacesInUse(), 2u);
    // Freed places are used again before the store grows.
    for (int i = 0; i < 9; ++i) group->AddChild(store->MakeRow(L"again", L"", kKindNumber, L"", 0, FALSE, nullptr, 0));
    EXPECT_EQ(store->Places(), places);
    group.reset();
    EXPECT_EQ(store->PlacesInUse(), 0u);
}

// A group's array of children lives in a place of its row's store while it
// fits in one and on the heap past that; either way the rows in it keep
// their texts as it grows, a row taken out keeps its store (with the array
// of its own children) after the owner let go, and a row made on the heap
// keeps its array there. AddressSanitizer sees any piece freed in the wrong
// place, or a store never freed.
TEST(RowStore, AGroupsChildrenTakeAPlaceWhileTheyFit) {
    const size_t fitting = sizeof(CPropertyItem) / sizeof(std::unique_ptr<CPropertyItem>);
    RowStore::Owner store = RowStore::Make(4);
    auto group = store->MakeRow(L"group", L"", kKindCategory, L"", 0, TRUE, nullptr, 0);
    group->ReserveChildren(static_cast<int>(fitting));
    auto inner = store->MakeRow(L"inner", L"", kKindCategory, L"", 0, TRUE, nullptr, 0);
    inner->AddChild(store->MakeRow(L"leaf", L"1", kKindNumber, L"", 2, FALSE, nullptr, 0));
    group->AddChild(std::move(inner));
    EXPECT_EQ(store->PlacesInUse(), 5u); // three rows, two arrays
    const size_t rowsOnly = 3;
    for (size_t i = 1; i <= fitting + 3; ++i) {
        group->AddChild(store->MakeRow(std::to_wstring(i), L"", kKindNumber, L"", 0, FALSE, nullptr, 0));
        // The inner group's array, and the outer one's while it fits.
        const size_t arrays = group->ChildCount() <= static_cast<int>(fitting) ? 2 : 1;
        EXPECT_EQ(store->PlacesInUse(), rowsOnly + i + arrays) << i;
    }
    for (size_t i = 1; i <= fitting + 3; ++i) EXPECT_EQ(group->Child(static_cast<int>(i))->Label(), std::to_wstring(i));

    std::unique_ptr<CPropertyItem> kept = group->TakeChild(0);
    group.reset();
    store.reset();
    ASSERT_EQ(kept->ChildCount(), 1);
    EXPECT_EQ(kept->Child(0)->Value(), L"1");
    kept->AddChild(std::make_unique<CPropertyItem>(L"late", L"", kKindNumber, L"", 0, FALSE, nullptr, 0));
    EXPECT_EQ(kept->Child(1)->Label(), L"late");
    kept.reset();

    auto onHeap = std::make_unique<CPropertyItem>(L"heap", L"", kKindCategory, L"", 0, TRUE, nullptr, 0);
    onHeap->AddChild(std::make_unique<CPropertyItem>(L"child", L"", kKindNumber, L"", 0, FALSE, nullptr, 0));
    EXPECT_EQ(onHeap->Child(0)->Label(), L"child");
}

TEST(RowStore, ARowTakenOutOutlivesTheStoresOwner) {
    RowStore::Owner store = RowStore::Make(4);
    auto group = store->MakeRow(L"group", L"", kKindCategory, L"", 0, TRUE, nullptr, 0);
    group->AddChild(store->MakeRow(L"kept", L"value", kKindNumber, L"", 3, FALSE, nullptr, 0));
    std::unique_ptr<CPropertyItem> kept = group->TakeChild(0);
    group.reset();
    store.reset();
    // The store stays until its last row goes (AddressSanitizer sees any
    // use after it went, or a store never freed).
    EXPECT_EQ(kept->Label(), L"kept");
    EXPECT_EQ(kept->Value(), L"value");
    kept.reset();
}

// The room in a store's first block: rows never land in it, a container
// gets it while it fits, takes the heap once it grows past it (the room then
// free again), and a copy of the container never takes it.
TEST(RowStore, ItsRoomIsLentToOneContainerAtATime) {
    RowStore::Owner store = RowStore::Make(2, 4 * sizeof(int));
    auto* room = static_cast<unsigned char*>(store->Room());
    ASSERT_NE(room, nullptr);
    EXPECT_EQ(RowStore::Make(2)->Room(), nullptr);
    auto first = store->MakeRow(L"a", L"", kKindNumber, L"", 1, FALSE, nullptr, 0);
    auto second = store->MakeRow(L"b", L"", kKindNumber, L"", 2, FALSE, nullptr, 0);
    auto grown = store->MakeRow(L"c", L"", kKindNumber, L"", 3, FALSE, nullptr, 0); // a second block
    for (const CPropertyItem* row : {first.get(), second.get(), grown.get()}) {
        const auto* at = reinterpret_cast<const unsigned char*>(row);
        EXPECT_TRUE(at + sizeof(CPropertyItem) <= room || at >= room + 4 * sizeof(int));
    }

    LentRoom lent{room, 4 * sizeof(int), false};
    std::vector<int, RoomAllocator<int>> numbers{RoomAllocator<int>(&lent)};
    numbers.reserve(4);
    EXPECT_EQ(static_cast<void*>(numbers.data()), room);
    EXPECT_TRUE(lent.lent);
    numbers.assign({1, 2, 3, 4});
    std::vector<int, RoomAllocator<int>> other{RoomAllocator<int>(&lent)};
    other.reserve(1); // the room is lent: the heap
    EXPECT_NE(static_cast<void*>(other.data()), room);
    numbers.push_back(5); // past the room: the heap, the room given back
    EXPECT_NE(static_cast<void*>(numbers.data()), room);
    EXPECT_FALSE(lent.lent);
    EXPECT_EQ(numbers, (std::vector<int, RoomAllocator<int>>({1, 2, 3, 4, 5}, RoomAllocator<int>(&lent))));
    numbers.shrink_to_fit();
    numbers.resize(2);
    const auto copy = numbers;
    EXPECT_NE(static_cast<const void*>(copy.data()), room);
    EXPECT_FALSE(lent.lent);
}

TEST(LastingLabelText, RowsShareItUntilAnotherProviderIsInstalled) {
    const Label label = Text(IDS_LINK_X_OFFSET);
    const std::wstring& before = LastingLabelText(label);
    const std::wstring text = before;
    EXPECT_EQ(&before, &LastingLabelText(label));
    EXPECT_EQ(before, LabelText(label));

    CPropertyItem shown(RowText::Lasting(before), L"", kKindNumber, L"", 0, FALSE, nullptr, 0);
    CPropertyItem renamed(RowText::Lasting(before), L"", kKindNumber, L"", 0, FALSE, nullptr, 0);
    renamed.SetLabel(L"Other");
    EXPECT_EQ(shown.Label(), before);
    EXPECT_EQ(renamed.Label(), L"Other");

    SetLinkStringProvider([](UINT id) { return id == IDS_LINK_X_OFFSET ? std::wstring(L"Versatz X") : L""; });
    EXPECT_EQ(LastingLabelText(label), L"Versatz X");
    EXPECT_EQ(shown.Label(), text); // the row made before keeps its text
    SetLinkStringProvider({});
    EXPECT_EQ(LastingLabelText(label), text);
}
