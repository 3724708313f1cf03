#pragma once
// Views of table-run pages for tests: an element object that holds a value
// for every row of a page, a sink that records what an export hands over,
// and a compact listing of a page's states.

#include <set>
#include <string>
#include <vector>

#include "editor/links/family.h"
#include "editor/links/page_link.h"
#include "links_fixture.h"
#include "model/elements/combo_box.h"
#include "model/elements/scrollbars.h"
#include "model/elements/wnd_frame.h"

namespace links_test {

// A link of a family row, bound to a new element object of its type.
struct BoundPage {
    std::unique_ptr<CTwfObj> object;
    std::shared_ptr<CItemLinkObj> link;
    CPageLink* page = nullptr;
};

inline BoundPage MakeBoundPage(const std::string& className) {
    BoundPage b;
    const LinkFamily* family = FamilyByClass(className);
    if (!family) return b;
    if (family->type == CTwfWndFrame::kType)
        b.object = std::make_unique<CTwfWndFrame>();
    else if (family->type == CTwfComboBox::kType)
        b.object = std::make_unique<CTwfComboBox>();
    else if (family->type == CTwfScrollbars::kType)
        b.object = std::make_unique<CTwfScrollbars>();
    else
        b.object = std::make_unique<CTwfObj>(family->type);
    b.link = family->make(nullptr, family->type, family->controlId, L"Default");
    b.link->SetTwfObj(b.object.get());
    b.page = dynamic_cast<CPageLink*>(b.link.get());
    return b;
}

// Stores a value under every id the page shows: an image, a colour, the
// number of a border, the entry that shows a choice's pair, each pair with
// halves that differ.
inline void StoreEveryValue(CPageLink& page) {
    CTwfObj* o = page.GetTwfObj();
    if (!o) return;
    for (const RowSpec& row : page.Table().rows) {
        switch (row.kind) {
        case kKindImage: o->PutImage(row.id, TestImage(2, 3)); break;
        case kKindColor: o->SetColor(row.id, 0x00102030u + row.id); break;
        case kKindSize: o->SetNumber(row.id, row.id); break;
        case kKindChoice: o->SetNumber(row.id, row.pairEntry >= 0 ? static_cast<DWORD>(row.pairEntry) : 1u); break;
        default: break;
        }
        if (row.pair) o->SetNumber(row.pair->pairId, 0xFFFD0007u);
    }
}

// Whether the row is one half of a pair (its parent shows a pair).
inline bool IsPairHalf(const CPageLink& page, const CPropertyItem& row) {
    if (!row.Parent()) return false;
    for (size_t i = 0; i < page.Table().rows.size(); ++i)
        if (page.Row(static_cast<int>(i)) == row.Parent()) return page.Table().rows[i].pair.has_value();
    return false;
}

inline void CollectRows(const CPropertyItem* row, std::set<const CPropertyItem*>& rows) {
    if (!row) return;
    rows.insert(row);
    for (int i = 0; i < row->ChildCount(); ++i) CollectRows(row->Child(i), rows);
}

// Every row the page holds now.
inline std::set<const CPropertyItem*> LiveRows(const CPageLink& page) {
    std::set<const CPropertyItem*> rows;
    for (size_t i = 0; i < page.Table().rows.size(); ++i) CollectRows(page.Row(static_cast<int>(i)), rows);
    return rows;
}

// Records rows (with their children) and keys as an export hands them over.
class RecordingSink : public ExportSink {
public:
    struct Entry {
        std::wstring label;
        WORD id;
        int kind;
        bool key;
        std::vector<const CPropertyItem*> rows; // the row and its descendants
    };
    void AddExportProperty(CItemLinkObj&, const CPropertyItem& row, void*, int position) override {
        Entry e{row.Label(), row.Id(), row.Kind(), false, {}};
        Collect(&row, e.rows);
        entries.push_back(e);
        positions.push_back(position);
    }
    void AddExportGroupKey(CItemLinkObj&, const std::wstring& key, int kind, WORD id, void*) override {
        entries.push_back(Entry{key, id, kind, true, {}});
    }
    std::vector<Entry> entries;
    std::vector<int> positions;

private:
    static void Collect(const CPropertyItem* row, std::vector<const CPropertyItem*>& out) {
        out.push_back(row);
        for (int i = 0; i < row->ChildCount(); ++i) Collect(row->Child(i), out);
    }
};

// One row as the listings write it: "Label#id" ("Label" for id 0), a group
// in brackets, a key as "K:name#id".
inline std::string Token(const std::wstring& label, WORD id, int kind, bool key) {
    std::string text;
    for (wchar_t c : label) text.push_back(static_cast<char>(c));
    if (key) return "K:" + text + "#" + std::to_string(id);
    if (id != 0) text += "#" + std::to_string(id);
    return kind == kKindCategory ? "[" + text + "]" : text;
}

// What an export of the link hands over, state by state in the export's
// order: "0: a b c | 2: ... | 1: ...", empty states left out.
inline std::string ExportListing(CItemLinkObj& link) {
    RecordingSink sink;
    link.SetExportSink(&sink);
    link.SetOutputMode(1);
    std::string out;
    for (int s : {0, 2, 1, 3, 4}) {
        sink.entries.clear();
        link.FillPropertyPage(s, nullptr);
        if (sink.entries.empty()) continue;
        if (!out.empty()) out += " | ";
        out += std::to_string(s) + ":";
        for (const auto& e : sink.entries) out += " " + Token(e.label, e.id, e.kind, e.key);
    }
    link.SetOutputMode(0);
    link.SetExportSink(nullptr);
    return out;
}

// The visible state buttons after a page was shown for a selection: "0,3".
inline std::string Buttons(const FakeHost& host) {
    std::string list;
    for (int s = 0; s < 5; ++s)
        if (host.visible[s]) list += (list.empty() ? "" : ",") + std::to_string(s);
    return list;
}

// A page class, the state buttons it shows and what an export of it gets
// (ExportListing) with a value under every id it shows.
struct PageCase {
    const char* className;
    const char* buttons;
    const char* exported;
};

// A link test that reaches the grid's rows by their '/'-joined label paths
// and edits them as the grid's editors do.
class PageTest : public LinksTest {
protected:
    // The grid's line of a row at a path, groups opened on the way; -1 when
    // there is none.
    int Line(const std::wstring& path) {
        int line = -1;
        size_t start = 0;
        CPropertyItem* parent = nullptr;
        for (;;) {
            const size_t slash = path.find(L'/', start);
            const std::wstring label =
                path.substr(start, slash == std::wstring::npos ? std::wstring::npos : slash - start);
            line = -1;
            for (int i = 0; i < grid.Count(); ++i)
                if (grid.Item(i)->Parent() == parent && grid.Item(i)->Label() == label) line = i;
            if (line < 0 || slash == std::wstring::npos) return line;
            parent = grid.Item(line);
            if (!parent->IsExpanded()) grid.ExpandItem(line, true);
            start = slash + 1;
        }
    }
    // Types text into the row as the grid's edit does, and leaves it.
    void Type(const std::wstring& path, const std::wstring& text) {
        const int line = Line(path);
        ASSERT_GE(line, 0) << "no row " << std::string(path.begin(), path.end());
        ASSERT_EQ(grid.Select(line), EditorKind::kEdit);
        grid.EditChanged(text);
        grid.EditLeft(text);
    }
    void Choose(const std::wstring& path, const std::wstring& entry) {
        const int line = Line(path);
        ASSERT_GE(line, 0);
        ASSERT_EQ(grid.Select(line), EditorKind::kChoice);
        grid.ChoiceChosen(entry);
        grid.CloseEditor();
    }
    std::wstring Value(const std::wstring& path) {
        const int line = Line(path);
        return line < 0 ? L"<none>" : grid.Item(line)->Value();
    }
    // The page of the case, over an element holding a value under every id
    // it shows, hands an export what the case says and, shown for a
    // selection, declares its state buttons and shows the grid.
    void ExpectHandsOver(const PageCase& c) {
        BoundPage b = MakeBoundPage(c.className);
        ASSERT_NE(b.page, nullptr) << c.className;
        StoreEveryValue(*b.page);
        b.page->BuildPropertyItems(2);
        b.page->BuildPropertyItems(1);
        EXPECT_EQ(ExportListing(*b.page), c.exported) << c.className;
        host = FakeHost{};
        Show(*b.page, 0);
        EXPECT_EQ(Buttons(host), c.buttons) << c.className;
        EXPECT_TRUE(host.pageShown) << c.className;
        Links().current = nullptr;
    }
};

} // namespace links_test
