// The rows' store and shared texts: rows made past the first block keep
// their texts, a row that outlives its store's owner keeps its memory, and
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
    std::vector<CPropertyItem*> children;
    for (int i = 0; i < 9; ++i) {
        auto row = store->MakeRow(L"row number " + std::to_wstring(i), L"RGB(1,2,3)", kKindColor, L"", 10, FALSE,
                                  group.get(), 0);
        children.push_back(row.get());
        group->AddChild(std::move(row));
    }
    EXPECT_EQ(store->LiveRows(), 10u);
    EXPECT_GE(store->Places(), 10u);
    for (int i = 0; i < 9; ++i)
        EXPECT_EQ(children[static_cast<size_t>(i)]->Label(), L"row number " + std::to_wstring(i));
    const size_t places = store->Places();
    group->ClearChildren();
    EXPECT_EQ(store->LiveRows(), 1u);
    // Freed places are used again before the store grows.
    for (int i = 0; i < 9; ++i) group->AddChild(store->MakeRow(L"again", L"", kKindNumber, L"", 0, FALSE, nullptr, 0));
    EXPECT_EQ(store->Places(), places);
    group.reset();
    EXPECT_EQ(store->LiveRows(), 0u);
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
