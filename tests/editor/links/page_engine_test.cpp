// Every table-run page, in every state, to the grid and to an export sink:
// both get the same rows in the same order, an export touches neither the
// pane nor the grid, no property id is handed over twice in a state, every
// base-state id names a row of its kind, and after a free and a build the
// row map points at live rows only.
#include <map>
#include <set>
#include <tuple>

#include "page_views.h"

using namespace links_test;

namespace {

std::vector<std::string> PageClasses() {
    std::vector<std::string> names;
    std::set<std::string> seen;
    for (const LinkFamily& f : LinkFamilies()) {
        if (!seen.insert(f.className).second) continue;
        auto link = f.make(nullptr, f.type, f.controlId, L"Default");
        if (dynamic_cast<CPageLink*>(link.get())) names.push_back(f.className);
    }
    return names;
}

struct Handed {
    std::wstring label;
    WORD id;
    int kind;
    bool operator==(const Handed&) const = default;
};

class EveryPage : public LinksTest, public ::testing::WithParamInterface<std::tuple<std::string, int, bool>> {
protected:
    void SetUp() override {
        LinksTest::SetUp();
        bound = MakeBoundPage(std::get<0>(GetParam()));
        ASSERT_NE(bound.page, nullptr);
        StoreEveryValue(*bound.page);
        ASSERT_EQ(bound.page->BuildPropertyItems(2), 1);
        ASSERT_EQ(bound.page->BuildPropertyItems(1), 1);
        Links().current = bound.page;
    }
    // The rows the grid shows after a plain fill of the state (no group is
    // open after a build, so these are the rows the page handed over).
    std::vector<Handed> GridRows(int state) {
        bound.page->FillPropertyPage(state, nullptr);
        std::vector<Handed> rows;
        for (int i = 0; i < grid.Count(); ++i)
            rows.push_back({grid.Item(i)->Label(), grid.Item(i)->Id(), grid.Item(i)->Kind()});
        return rows;
    }
    BoundPage bound;
};

} // namespace

TEST_P(EveryPage, GridAndSinkGetTheSameRows) {
    const int state = std::get<1>(GetParam());
    const bool exportFirst = std::get<2>(GetParam());
    CPageLink& page = *bound.page;
    RecordingSink sink;
    auto exportRows = [&] {
        const int callsBefore = host.calls;
        grid.ClearProperties();
        page.SetExportSink(&sink);
        page.SetOutputMode(1);
        EXPECT_EQ(page.FillPropertyPage(state, nullptr), 1);
        page.SetOutputMode(0);
        page.SetExportSink(nullptr);
        EXPECT_EQ(host.calls, callsBefore) << "an export reached the pane";
        EXPECT_EQ(grid.Count(), 0) << "an export reached the grid";
    };
    std::vector<Handed> shown;
    if (exportFirst) exportRows();
    shown = GridRows(state);
    if (!exportFirst) exportRows();

    std::vector<Handed> handed;
    std::map<WORD, int> ids;
    for (const auto& e : sink.entries) {
        if (e.key) continue;
        handed.push_back({e.label, e.id, e.kind});
        for (const CPropertyItem* row : e.rows)
            if (row->Id() != 0 && !IsPairHalf(page, *row)) ++ids[row->Id()];
    }
    EXPECT_EQ(shown, handed);
    for (const auto& [id, count] : ids) EXPECT_EQ(count, 1) << "id " << id << " handed over " << count << " times";
}

TEST_P(EveryPage, BaseIdsNameRowsOfTheirKindAndTheMapHoldsLiveRows) {
    const int state = std::get<1>(GetParam());
    CPageLink& page = *bound.page;
    for (int s = 0; s < kStateCount; ++s) page.FillPropertyPage(s, nullptr);
    // Open every group shown so that the pair halves a fill makes for the
    // grid exist too.
    for (int i = 0; i < grid.Count(); ++i)
        if (grid.Item(i)->IsExpandable() && !grid.Item(i)->IsExpanded()) grid.ExpandItem(i, true);
    page.FillPropertyPage(state, nullptr);
    for (int i = 0; i < grid.Count(); ++i)
        if (grid.Item(i)->IsExpandable() && !grid.Item(i)->IsExpanded()) grid.ExpandItem(i, true);
    const std::set<const CPropertyItem*> rows = LiveRows(page);
    for (const CPropertyItem* row : rows) {
        if (row->BaseId() == 0) continue;
        const bool named = std::any_of(rows.begin(), rows.end(), [&](const CPropertyItem* other) {
            return other->Id() == row->BaseId() && other->Kind() == row->Kind();
        });
        EXPECT_TRUE(named) << "base id " << row->BaseId() << " of a kind-" << row->Kind() << " row";
    }

    page.BuildPropertyItems(2);
    EXPECT_TRUE(page.RowMap().empty());
    page.BuildPropertyItems(1);
    page.FillPropertyPage(state, nullptr);
    const std::set<const CPropertyItem*> live = LiveRows(page);
    for (const auto& [id, row] : page.RowMap()) {
        EXPECT_TRUE(live.count(row)) << "map entry " << id;
        EXPECT_NE(row->Kind(), kKindCategory) << "a group in the map under " << id;
        EXPECT_EQ(row->Id(), id);
    }
}

TEST_P(EveryPage, EachRowIsItsOwnSeriesOrJoinsANormalRow) {
    // A row's base-state id is 0 (no series), its own id, or the id of the
    // row of its kind that the normal state shows: "Fill all states" then
    // copies along one property's states and nowhere else.
    const int state = std::get<1>(GetParam());
    CPageLink& page = *bound.page;
    std::set<std::pair<WORD, int>> normal;
    for (const Handed& row : GridRows(0)) normal.insert({row.id, row.kind});
    for (int i = 0; i < grid.Count(); ++i)
        if (grid.Item(i)->IsExpandable() && !grid.Item(i)->IsExpanded()) grid.ExpandItem(i, true);
    for (int i = 0; i < grid.Count(); ++i) normal.insert({grid.Item(i)->Id(), grid.Item(i)->Kind()});
    page.FillPropertyPage(state, nullptr);
    for (int i = 0; i < grid.Count(); ++i)
        if (grid.Item(i)->IsExpandable() && !grid.Item(i)->IsExpanded()) grid.ExpandItem(i, true);
    for (int i = 0; i < grid.Count(); ++i) {
        const CPropertyItem* row = grid.Item(i);
        const WORD base = row->BaseId();
        EXPECT_TRUE(base == 0 || base == row->Id() || normal.count({base, row->Kind()}))
            << "row \"" << std::string(row->Label().begin(), row->Label().end()) << "\" " << row->Id() << " base "
            << base;
    }
}

INSTANTIATE_TEST_SUITE_P(Pages, EveryPage,
                         ::testing::Combine(::testing::ValuesIn(PageClasses()), ::testing::Range(0, kStateCount),
                                            ::testing::Bool()),
                         [](const auto& info) {
                             return std::get<0>(info.param) + "_state" + std::to_string(std::get<1>(info.param)) +
                                    (std::get<2>(info.param) ? "_exportFirst" : "_gridFirst");
                         });
