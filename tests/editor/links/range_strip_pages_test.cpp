// The .NET strips', scroll bars', progress bars', spin controls' and
// header's pages: the rows their Parts single out, how their base-state ids
// tie rows together, the clears that keep to their own ids, the scroll
// bars' fill from the sibling bar and the folder above them, the header's
// offsets, and what a page does without an element.
#include <map>

#include "editor/links/page_dump.h"
#include "editor/links/ranges/header_link.h"
#include "editor/links/ranges/range_pages.h"
#include "editor/links/ranges/scroll_bar_pages.h"
#include "editor/links/strips/strip_pages.h"
#include "model/elements/scrollbars.h"
#include "page_views.h"

using namespace links_test;

namespace {

const char* const kClasses[] = {
    "CToolStripLink", "CStatusStripLink", "CMenuStripLink", "CDropDownMenuLink", "CScrollBarsLink",
    "CSBHLink",       "CSBVLink",         "CISBHLink",      "CISBVLink",         "CProgressHLink",
    "CProgressVLink", "CSpinHLink",       "CSpinVLink",     "CHeaderLink",
};

class RangeStripPages : public LinksTest {
protected:
    // The grid's rows after the page was shown for a selection in the
    // state: "shown=S: Label#id ..." (S the state filled after a fallback).
    std::string Page(CItemLinkObj& link, int state) {
        Show(link, state);
        std::string out = "shown=" + std::to_string(host.checked) + ":";
        for (int i = 0; i < grid.Count(); ++i) {
            const CPropertyItem* row = grid.Item(i);
            out += " " + Token(row->Label(), row->Id(), row->Kind(), false);
        }
        return out;
    }
    // The number of rows of each state's page, filled without the first-show
    // flag: "N/N/N/N/N".
    std::string Sizes(CItemLinkObj& link) {
        Links().current = &link;
        std::string out;
        for (int s = 0; s < 5; ++s) {
            link.FillPropertyPage(s, nullptr);
            out += (s ? "/" : "") + std::to_string(grid.Count());
        }
        return out;
    }
    // Types into the row's edit and leaves it with the text the edit then
    // shows (the grid rewrites a number above the row's maximum).
    void Type(const std::wstring& path, const std::wstring& text) {
        struct EditBox : GridView {
            void EditTextRewritten(const std::wstring& rewritten) override { text = rewritten; }
            std::wstring text;
        } edit;
        edit.text = text;
        const int line = FindPathLine(grid, path);
        ASSERT_GE(line, 0);
        ASSERT_EQ(grid.Select(line), EditorKind::kEdit);
        grid.SetView(&edit);
        grid.EditChanged(text);
        grid.EditLeft(edit.text);
        grid.SetView(nullptr);
    }
    std::wstring Value(const std::wstring& path) {
        const int line = FindPathLine(grid, path);
        return line < 0 ? L"<none>" : grid.Item(line)->Value();
    }
};

} // namespace

TEST_F(RangeStripPages, StatesAndTheRowsTheirPartsSingleOut) {
    struct Case {
        const char* className;
        const char* buttons;
        int state;
        const char* page;
    };
    const Case cases[] = {
        {"CToolStripLink", "0,1,2,3", 1, "Button (Checked)#766"},
        {"CToolStripLink", "0,1,2,3", 2, "Button (Checked)#765"},
        {"CToolStripLink", "0,1,2,3", 3, "Label#732 Text Color#733"},
        {"CStatusStripLink", "0,1,2,3", 3,
         "shown=3: Sizing Grip#754 Split Button#718 Split Button Arrow#722 Drop Down Button#726 "
         "Drop Down Button Arrow#730 Label#752 Text Color#755"},
        {"CMenuStripLink", "0,1,2,3", 3, "shown=3: Item Image#745 Text Color#746"},
        {"CDropDownMenuLink", "0,1,2,3", 2,
         "shown=2: Item Image#788 Item Image (Checked)#790 Item Image (Indeterminate)#789 Text Color#787"},
        {"CDropDownMenuLink", "0,1,2,3", 3, "Item Image (Checked)#734"},
        {"CDropDownMenuLink", "0,1,2,3", 0, "Text Color#785 [Borders]"},
        {"CSBHLink", "0,1,2,3", 3,
         "shown=3: Horizontal Background#101 Horizontal Thumb#65 Arrow Left#49 Arrow Right#57"},
        {"CSBVLink", "0,1,2,3", 2, "shown=2: Vertical Thumb#94 Arrow Up#79 Arrow Down#87"},
        {"CSBVLink", "0,1,2,3", 1, "shown=1: Vertical Thumb#96 Arrow Up#81 Arrow Down#89"},
        {"CISBHLink", "0,1,2,3", 0,
         "shown=0: Horizontal Background#814 Horizontal Thumb#823 Arrow Left#815 Arrow Right#819 Height#812 "
         "Arrow Width#813"},
        {"CISBVLink", "0,1,2,3", 2, "shown=2: Vertical Thumb#837 Arrow Up#829 Arrow Down#833"},
        {"CProgressVLink", "0", 0, "shown=0: Vertical Background#298 Vertical Progress Item#299 [Borders]"},
        {"CProgressHLink", "0", 2, "shown=0: Horizontal Background#287"},
        // The focused images are never offered: the page falls back to 0.
        {"CSpinHLink", "0,1,2,3", 4, "shown=0: Arrow Left#258 Arrow Right#263"},
        {"CSpinVLink", "0,1,2,3", 2, "shown=2: Arrow Up#278 Arrow Down#283"},
        // The header's disabled item is offered (the runtime draws it).
        {"CHeaderLink", "0,1,2,3", 3, "shown=3: Image#379 Text Color#383"},
        {"CHeaderLink", "0,1,2,3", 1, "shown=1: Image#378 Text Color#382 [Text Offset]"},
        {"CScrollBarsLink", "", 2, "shown=2:"},
    };
    for (const Case& c : cases) {
        BoundPage b = MakeBoundPage(c.className);
        ASSERT_NE(b.page, nullptr) << c.className;
        b.page->BuildPropertyItems(1);
        host = FakeHost{};
        const std::string page = Page(*b.page, c.state);
        EXPECT_NE(page.find(c.page), std::string::npos) << c.className << " state " << c.state << ": " << page;
        EXPECT_EQ(Buttons(host), c.buttons) << c.className;
        Links().current = nullptr;
    }
}

TEST_F(RangeStripPages, PageSizesAndExportOnlyStates) {
    const std::pair<const char*, const char*> sizes[] = {
        {"CToolStripLink", "13/9/9/10/0"},   {"CStatusStripLink", "9/5/5/7/0"}, {"CMenuStripLink", "4/2/2/2/0"},
        {"CDropDownMenuLink", "10/6/4/6/0"}, {"CSBHLink", "4/3/3/4/0"},         {"CISBVLink", "6/3/3/4/0"},
        {"CProgressHLink", "3/0/0/0/0"},     {"CSpinVLink", "2/2/2/2/2"},       {"CHeaderLink", "2/3/3/2/0"},
    };
    for (const auto& [name, expected] : sizes) {
        BoundPage b = MakeBoundPage(name);
        EXPECT_EQ(Sizes(*b.page), expected) << name;
        Links().current = nullptr;
    }
    // The state bar never offers the spin's focused images; an export asks
    // for them.
    BoundPage spin = MakeBoundPage("CSpinHLink");
    EXPECT_NE(ExportListing(*spin.page).find(" | 4: Arrow Left#262 Arrow Right#267"), std::string::npos);
    // An export of a header never shown in a grid has the offsets' keys.
    BoundPage header = MakeBoundPage("CHeaderLink");
    EXPECT_EQ(ExportListing(*header.page),
              "0: Image#376 Text Color#380 | 2: Image#377 Text Color#381 [Text Offset] K:Text Offset#385 | "
              "1: Image#378 Text Color#382 [Text Offset] K:Text Offset#384 | 3: Image#379 Text Color#383");
}

// A row's base-state id is 0, its own id, or the id its line edits in the
// normal state: the one a "Fill all states" on it copies from and to.
TEST_F(RangeStripPages, BaseIdsTieALineAcrossItsStates) {
    for (const char* name : kClasses) {
        BoundPage b = MakeBoundPage(name);
        StoreEveryValue(*b.page);
        b.page->BuildPropertyItems(1);
        std::map<std::wstring, WORD> normalIds;
        b.page->FillPropertyPage(0, nullptr);
        for (int i = 0; i < grid.Count(); ++i) normalIds[grid.Item(i)->Label()] = grid.Item(i)->Id();
        for (int s = 0; s < kStateCount; ++s) {
            b.page->FillPropertyPage(s, nullptr);
            for (int i = 0; i < grid.Count(); ++i) grid.ExpandItem(i, true);
            for (int i = 0; i < grid.Count(); ++i) {
                const CPropertyItem* row = grid.Item(i);
                const WORD base = row->BaseId();
                const bool tied = base == 0 || base == row->Id() ||
                                  (normalIds.count(row->Label()) && base == normalIds[row->Label()]);
                EXPECT_TRUE(tied) << name << " state " << s << " row " << row->Id() << " base " << base;
            }
        }
        Links().current = nullptr;
    }
}

// Every standalone image and its internal counterpart sit on rows of the
// same label in the same state: the fills copy image for image.
TEST_F(RangeStripPages, SiblingBarsPairRowsOfTheSameLabelAndState) {
    for (const auto& [standaloneName, internalName] :
         {std::pair{"CSBHLink", "CISBHLink"}, std::pair{"CSBVLink", "CISBVLink"}}) {
        CTwfScrollbars bars;
        auto standalone = FamilyByClass(standaloneName)->make(nullptr, 5, 0, L"Default");
        auto internal = FamilyByClass(internalName)->make(nullptr, 5, 0, L"Default");
        standalone->SetTwfObj(&bars);
        internal->SetTwfObj(&bars);
        auto* page = dynamic_cast<CPageLink*>(standalone.get());
        // Each standalone image has a width of its own.
        int width = 1;
        for (const RowSpec& row : page->Table().rows) bars.PutImage(row.id, TestImage(width++, 1));
        dynamic_cast<CScrollBarLink&>(*internal).FillFromSiblingScrollBar();
        for (int s = 0; s < kStateCount; ++s) {
            std::map<std::wstring, int> widths;
            standalone->FillPropertyPage(s, nullptr);
            for (int i = 0; i < grid.Count(); ++i)
                widths[grid.Item(i)->Label()] = bars.GetImage(grid.Item(i)->Id())->GetWidth();
            internal->FillPropertyPage(s, nullptr);
            for (int i = 0; i < grid.Count(); ++i) {
                const CPropertyItem* row = grid.Item(i);
                if (row->Kind() != kKindImage) continue;
                ASSERT_TRUE(bars.HasImage(row->Id())) << internalName << " " << row->Id();
                EXPECT_EQ(bars.GetImage(row->Id())->GetWidth(), widths[row->Label()])
                    << internalName << " state " << s << " row " << row->Id();
            }
        }
    }
}

TEST_F(RangeStripPages, InternalBarsStartAtSixteenAndAResetKeepsTheirSizes) {
    CTwfScrollbars bars;
    std::vector<std::shared_ptr<CItemLinkObj>> links;
    for (const char* name : {"CSBHLink", "CSBVLink", "CISBHLink", "CISBVLink"}) {
        links.push_back(FamilyByClass(name)->make(nullptr, 5, 0, L"Default"));
        links.back()->SetTwfObj(&bars);
        StoreEveryValue(dynamic_cast<CPageLink&>(*links.back()));
        links.back()->BuildPropertyItems(1);
    }
    // StoreEveryValue wrote each number as its id: back to a new element's.
    CTwfScrollbars fresh;
    for (WORD id : {810, 811, 812, 813}) bars.SetNumber(id, fresh.GetNumber(id));
    CItemLinkObj& internalH = *links[2];
    internalH.BuildPropertyItems(1);
    Show(internalH, 0);
    EXPECT_EQ(Value(L"Height"), L"16");
    EXPECT_EQ(Value(L"Arrow Width"), L"16");
    Type(L"Height", L"20");
    EXPECT_EQ(bars.GetNumber(812), 20u);
    EXPECT_EQ(bars.GetNumber(810), 16u);

    const ImageMap before = bars.GetImageMap();
    internalH.ResetElement(FALSE);
    for (const auto& [id, image] : before) {
        const bool internalHorz = (id >= 814 && id <= 826) || id == 841;
        EXPECT_EQ(bars.HasImage(id) != 0, !internalHorz) << id;
    }
    EXPECT_EQ(bars.GetNumber(812), 20u);
    EXPECT_EQ(bars.GetNumber(813), 16u);
    EXPECT_EQ(Value(L"Horizontal Thumb"), L"No image");
    EXPECT_EQ(Value(L"Height"), L"20");

    // The standalone horizontal bar resets its 14 ids only.
    links[0]->ResetElement(FALSE);
    for (WORD id : {42, 101, 59, 61, 63, 65, 43, 45, 47, 49, 51, 53, 55, 57}) EXPECT_FALSE(bars.HasImage(id)) << id;
    for (WORD id : {76, 100, 93, 94, 827, 840, 836}) EXPECT_TRUE(bars.HasImage(id)) << id;
}

TEST_F(RangeStripPages, SiblingFillCopiesDeeplyAndKeepsTheRows) {
    CTwfScrollbars bars;
    CSBHLink standalone(nullptr, 5, 1005, L"Default");
    CISBHLink internal(nullptr, 5, 1005, L"Default");
    standalone.SetTwfObj(&bars);
    internal.SetTwfObj(&bars);
    bars.PutImage(59, TestImage(4, 5));
    bars.PutImage(823, TestImage(1, 1));
    bars.PutImage(824, TestImage(1, 1));
    bars.SetNumber(812, 9);
    internal.BuildPropertyItems(1);
    standalone.BuildPropertyItems(1);
    Show(internal, 0);
    const auto rows = internal.RowMap();
    modified = false;
    // The selected thumb row's image is shown again after the fill.
    struct ImagePage : OptionsPages {
        void SetImagePreview(const CMrgBitmap* image) override { shown = image; }
        const CMrgBitmap* shown = nullptr;
    } pages;
    Links().options = &pages;
    grid.SetSelectedIndex(FindPathLine(grid, L"Horizontal Thumb"));

    internal.FillFromSiblingScrollBar();
    EXPECT_EQ(pages.shown, bars.GetImage(823));
    Links().options = nullptr;
    // Only the normal thumb had an image: the internal bar holds exactly it.
    int images = 0;
    for (WORD id = 814; id <= 841; ++id) images += bars.HasImage(id) ? 1 : 0;
    EXPECT_EQ(images, 1);
    ASSERT_NE(bars.GetImage(823), nullptr);
    EXPECT_EQ(bars.GetImage(823)->GetWidth(), 4);
    EXPECT_NE(bars.GetImage(823), bars.GetImage(59));
    EXPECT_EQ(bars.GetNumber(812), 9u);
    EXPECT_TRUE(modified);
    // The grid still shows the same rows, with texts of the new images.
    EXPECT_EQ(internal.RowMap(), rows);
    EXPECT_EQ(grid.Item(0)->Value(), L"No image");
    EXPECT_EQ(Value(L"Horizontal Thumb"), L"Inserted");
    // A copy: a new standalone thumb leaves the internal one as it was.
    bars.PutImage(59, TestImage(7, 7));
    EXPECT_EQ(bars.GetImage(823)->GetWidth(), 4);

    // From an empty internal bar: the standalone bar ends empty and the
    // skin is modified all the same; the source is untouched.
    CTwfScrollbars empty;
    empty.PutImage(42, TestImage(2, 2));
    standalone.SetTwfObj(&empty);
    standalone.BuildPropertyItems(1);
    modified = false;
    standalone.FillFromSiblingScrollBar();
    EXPECT_FALSE(empty.HasImage(42));
    EXPECT_TRUE(modified);

    // Without a scroll-bar element nothing happens.
    CTwfObj other(5);
    internal.SetTwfObj(&other);
    modified = false;
    internal.FillFromSiblingScrollBar();
    EXPECT_FALSE(modified);
}

TEST_F(RangeStripPages, TheFolderHidesThePaneOnlyInTheGrid) {
    CTwfScrollbars bars;
    CScrollBarsLink folder(nullptr, 5, 1005, L"Default");
    folder.SetTwfObj(&bars);
    for (int state : {0, 3, 0 | kFirstShowFlag, 4 | kFirstShowFlag}) {
        host = FakeHost{};
        Links().current = &folder;
        EXPECT_EQ(folder.FillPropertyPage(state, nullptr), 1);
        EXPECT_EQ(Buttons(host), "") << state;
        EXPECT_FALSE(host.pageShown);
        EXPECT_EQ(host.caption, L"Properties - Scrollbars");
        EXPECT_EQ(grid.Count(), 0);
    }
    // An export hands nothing over and leaves the pane as it is.
    host = FakeHost{};
    EXPECT_EQ(ExportListing(folder), "");
    EXPECT_EQ(host.calls, 0);
    EXPECT_TRUE(host.pageShown);
    // A bar selected afterwards shows the pane again.
    host.pageShown = false;
    for (bool& v : host.visible) v = false;
    CSBVLink bar(nullptr, 5, 1006, L"Default");
    bar.SetTwfObj(&bars);
    Show(bar, 0);
    EXPECT_TRUE(host.pageShown);
    EXPECT_EQ(Buttons(host), "0,1,2,3");
    // Its reset touches nothing.
    bars.PutImage(42, TestImage(1, 1));
    folder.ClearElementImages();
    EXPECT_TRUE(bars.HasImage(42));
}

TEST_F(RangeStripPages, RangeResetsKeepToTheirOrientation) {
    CTwfObj spin(17);
    CSpinHLink spinH(nullptr, 17, 1015, L"Default");
    CSpinVLink spinV(nullptr, 17, 1007, L"Default");
    spinH.SetTwfObj(&spin);
    spinV.SetTwfObj(&spin);
    StoreEveryValue(spinH);
    StoreEveryValue(spinV);
    spinH.ClearElementImages();
    for (WORD id = 258; id <= 286; ++id) {
        if (id > 267 && id < 277) continue;
        EXPECT_EQ(spin.HasImage(id) != 0, id >= 277) << id;
    }

    CTwfObj progress(18);
    CProgressHLink progressH(nullptr, 18, 1008, L"Default");
    CProgressVLink progressV(nullptr, 18, 1017, L"Default");
    progressH.SetTwfObj(&progress);
    progressV.SetTwfObj(&progress);
    StoreEveryValue(progressH);
    StoreEveryValue(progressV);
    progressH.ResetElement(FALSE);
    EXPECT_FALSE(progress.HasImage(287));
    EXPECT_FALSE(progress.HasImage(288));
    EXPECT_TRUE(progress.HasImage(298));
    for (WORD id : {289, 290, 291, 292, 300, 301, 302, 303}) EXPECT_EQ(progress.GetNumber(id), id) << id;
    // The page still shows the borders, top, bottom, left, right.
    Show(progressH, 0);
    EXPECT_EQ(Value(L"Horizontal Background"), L"No image");
    EXPECT_EQ(Value(L"Borders/Bottom Border"), L"292");
    EXPECT_EQ(grid.Item(FindPathLine(grid, L"Borders/Top Border") + 2)->Label(), L"Left Border");
}

TEST_F(RangeStripPages, StripsCopyNothingAcrossStatesAndBordersStopAtTwo) {
    CTwfObj strip(40);
    CToolStripLink tool(nullptr, 40, 0, L"Default");
    tool.SetTwfObj(&strip);
    strip.PutImage(706, TestImage(3, 3));
    tool.BuildPropertyItems(1);
    Show(tool, 0);
    grid.SetSelectedIndex(FindPathLine(grid, L"Overflow Button"));
    EXPECT_FALSE(CanFillAllStates(&tool, &grid));
    tool.FillAllStates(grid.Item(grid.GetSelectedIndex()));
    EXPECT_EQ(strip.GetImageMap().size(), 1u);

    CTwfObj menu(42);
    menu.SetNumber(783, 1);
    CDropDownMenuLink dropDown(nullptr, 42, 0, L"Default");
    dropDown.SetTwfObj(&menu);
    dropDown.BuildPropertyItems(1);
    Show(dropDown, 0);
    EXPECT_EQ(Value(L"Borders/Right Border"), L"1");
    EXPECT_EQ(Value(L"Borders/Left Border"), L"0");
    Type(L"Borders/Left Border", L"5");
    EXPECT_EQ(menu.GetNumber(782), 2u);
    EXPECT_EQ(Value(L"Borders/Left Border"), L"2");
    // The group the user opened opens again on the next fill.
    dropDown.FillPropertyPage(0, nullptr);
    EXPECT_EQ(grid.Item(grid.Count() - 1)->Label(), L"Right Border");
}

TEST_F(RangeStripPages, HeaderOffsetsAreSignedHalvesWrittenByThePage) {
    CTwfObj header(20);
    header.SetNumber(385, 0x0004FFFFu);
    header.SetColor(380, 0xFFFFFFFFu);
    CHeaderLink link(nullptr, 20, 1010, L"Default");
    link.SetTwfObj(&header);
    link.BuildPropertyItems(1);
    Show(link, 0);
    EXPECT_EQ(Value(L"Text Color"), L"Invert Color");
    Show(link, 2);
    EXPECT_EQ(Value(L"Text Offset/X Offset"), L"-1");
    EXPECT_EQ(Value(L"Text Offset/Y Offset"), L"4");
    Type(L"Text Offset/X Offset", L"-5");
    EXPECT_EQ(header.GetNumber(385), 0x0004FFFBu);
    EXPECT_EQ(Value(L"Text Offset/X Offset"), L"-5");
    // A blank or a lone "-" zeroes that half only.
    Type(L"Text Offset/Y Offset", L"-");
    EXPECT_EQ(header.GetNumber(385), 0x0000FFFBu);
    Type(L"Text Offset/X Offset", L"");
    EXPECT_EQ(header.GetNumber(385), 0u);
    Type(L"Text Offset/Y Offset", L"70000");
    EXPECT_EQ(header.GetNumber(385), 70000u % 65536u << 16);
    EXPECT_FALSE(header.HasNumber(384));
    // "Fill all states" on the pressed image reaches the other three.
    header.PutImage(377, TestImage(2, 2));
    link.BuildPropertyItems(1);
    Show(link, 2);
    grid.SetSelectedIndex(FindPathLine(grid, L"Image"));
    ASSERT_TRUE(RunFillAllStates(&link, &grid));
    for (WORD id : {376, 377, 378, 379}) EXPECT_TRUE(header.HasImage(id)) << id;
}

TEST_F(RangeStripPages, WithoutAnElementNothingChanges) {
    for (const char* name : kClasses) {
        const LinkFamily* family = FamilyByClass(name);
        auto link = family->make(nullptr, family->type, family->controlId, L"Default");
        EXPECT_EQ(link->BuildPropertyItems(1), 0) << name;
        CommitEveryRowOfEveryState(*link, name, false);
        ExportListing(*link);
        link->ClearElementImages();
        if (auto* bar = dynamic_cast<CScrollBarLink*>(link.get())) bar->FillFromSiblingScrollBar();
        EXPECT_FALSE(modified) << name;
        Links().current = nullptr;
    }
}
