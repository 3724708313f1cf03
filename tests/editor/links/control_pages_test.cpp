// The pages of the buttons and common controls: what each hands over state
// by state, and the behaviours their Parts single out (rows whose label or
// series depends on the road that made them, the tabs' icon offset that
// follows its choice, the combo box's arrow width, offsets written half by
// half, "Fill all states" kept to a property's series, the twins' resets
// kept to their own ids, a missing element).
#include <algorithm>
#include <set>

#include "editor/links/controls/control_pages.h"
#include "editor/links/page_dump.h"
#include "model/elements/check_properties.h"
#include "model/elements/combo_box_properties.h"
#include "model/elements/common_control_properties.h"
#include "model/elements/slider_properties.h"
#include "model/elements/tab_properties.h"
#include "page_views.h"

using namespace links_test;

namespace {

// Each page with a value under every id it shows (so the tabs' icon
// location shows its offset), as an export gets it, the states the state
// bar never offers included.
const PageCase kPages[] = {
    {"CEditLink", "0,3",
     "0: Image#10 Text Color#13 Selection Color#14 Selected Text Color#16 [Borders] | 3: Image#11 Text Color#15"},
    // Checked above unchecked: the ids run the other way.
    {"CCheckLink", "0,1,2,3,4",
     "0: Image (Checked)#110 Image (Unchecked)#109 Image (Indeterminate)#124 Text Color#111 | "
     "2: Image (Checked)#113 Image (Unchecked)#112 Image (Indeterminate)#125 Text Color#114 | "
     "1: Image (Checked)#116 Image (Unchecked)#115 Image (Indeterminate)#126 Text Color#117 | "
     "3: Image (Checked)#119 Image (Unchecked)#118 Image (Indeterminate)#127 Text Color#120 | "
     "4: Image (Checked)#122 Image (Unchecked)#121 Image (Indeterminate)#128 Text Color#123"},
    {"CRadioLink", "0,1,2,3,4",
     "0: Image (Checked)#134 Image (Unchecked)#133 Text Color#135 | 2: Image (Checked)#137 Image (Unchecked)#136 "
     "Text Color#138 | 1: Image (Checked)#140 Image (Unchecked)#139 Text Color#141 | 3: Image (Checked)#143 "
     "Image (Unchecked)#142 Text Color#144 | 4: Image (Checked)#146 Image (Unchecked)#145 Text Color#147"},
    // The offsets' keys reach an export that no grid ever showed.
    {"CCheckButtonLink", "0,1,2,3,4",
     "0: Image (Checked)#664 Image (Unchecked)#663 Text Color (unchecked)#665 Text Color (checked)#805 | "
     "2: Image (Checked)#667 Image (Unchecked)#666 Text Color (unchecked)#668 Text Color (checked)#806 "
     "[Text Offset] K:Text Offset#680 | "
     "1: Image (Checked)#670 Image (Unchecked)#669 Text Color (unchecked)#671 Text Color (checked)#807 "
     "[Text Offset] K:Text Offset#679 | "
     "3: Image (Checked)#673 Image (Unchecked)#672 Text Color (unchecked)#674 Text Color (checked)#808 | "
     "4: Image (Checked)#676 Image (Unchecked)#675 Text Color (unchecked)#677 Text Color (checked)#809"},
    {"CGroupLink", "0,3",
     "0: Text Color#157 Light Line Color#158 Dark Line Color#159 | "
     "3: Text Color#160 Light Line Color#161 Dark Line Color#162"},
    {"CSliderHLink", "0,1,2,3,4",
     "0: Horizontal Thumb#170 Horizontal Line#171 Horizontal Background#172 Horizontal Selection#185 | "
     "2: Horizontal Thumb#173 Horizontal Line#174 Horizontal Background#175 | "
     "1: Horizontal Thumb#176 Horizontal Line#177 Horizontal Background#178 | "
     "3: Horizontal Thumb#179 Horizontal Line#180 Horizontal Background#181 | "
     "4: Horizontal Thumb#182 Horizontal Line#183 Horizontal Background#184"},
    {"CSliderVLink", "0,1,2,3,4",
     "0: Vertical Thumb#194 Vertical Line#195 Vertical Background#196 Vertical Selection#209 | "
     "2: Vertical Thumb#197 Vertical Line#198 Vertical Background#199 | "
     "1: Vertical Thumb#200 Vertical Line#201 Vertical Background#202 | "
     "3: Vertical Thumb#203 Vertical Line#204 Vertical Background#205 | "
     "4: Vertical Thumb#206 Vertical Line#207 Vertical Background#208"},
    {"CTabHLink", "0,1,2,3,4",
     "0: Horizontal Tab Item#219 Horizontal Tab Panel#218 Text Color#220 Icon Location#229 K:hicon_offset#230 "
     "Transparent Dialog Box#634 | 2: Horizontal Tab Item#221 Text Color#222 [Text Offset] K:Text Offset#233 | "
     "1: Horizontal Tab Item#223 Text Color#224 [Text Offset] K:Text Offset#232 | "
     "3: Horizontal Tab Item#225 Text Color#226 | 4: Horizontal Tab Item#227 Text Color#228"},
    {"CTabVLink", "0,1,2,3,4",
     "0: Vertical Tab Item#239 Vertical Tab Panel#238 Text Color#240 Icon Location#249 K:vicon_offset#250 "
     "Transparent Dialog Box#683 | 2: Vertical Tab Item#241 Text Color#242 [Text Offset] K:Text Offset#253 | "
     "1: Vertical Tab Item#243 Text Color#244 [Text Offset] K:Text Offset#252 | "
     "3: Vertical Tab Item#245 Text Color#246 | 4: Vertical Tab Item#247 Text Color#248"},
    {"CToolBrLink", "0,1,2,3",
     "0: Image#311 Toolbar Background#309 Toolbar Separator#315 Text Color#310 Vertical center alignment#684 "
     "[Borders] | 2: Image#312 | 1: Image#313 | 3: Image#314 Disable Icon Color#316"},
    // The grip's highlighted and pressed images reach an export only.
    {"CStatusLink", "0,3",
     "0: Statusbar Pane#324 Grip#326 Text Color#330 Panel Image#332 [Borders] | 2: Grip#327 | 1: Grip#328 | "
     "3: Statusbar Pane#325 Grip#329 Text Color#331"},
    {"CComboBoxLink", "0,1,2,3,4",
     "0: Arrow#341 Background#346 Arrow width Text Color#347 ListBox Border Color#353 Transparent Edit#662 "
     "[Borders] | 2: Arrow#342 | 1: Arrow#343 | 3: Arrow#344 Background#351 Text Color#352 | "
     "4: Background#348 Text Color#349"},
    {"CListBoxLink", "0,3",
     "0: Image#354 Uncheck Image (for checked listbox only)#791 Check Image (for checked listbox only)#793 "
     "Indeterminate Image (for checked listbox only)#795 Text Color#356 Selected Text Color#363 "
     "Selection Color#358 [Borders] | 3: Image#355 Uncheck Image (for checked listbox only)#792 "
     "Check Image (for checked listbox only)#794 Indeterminate Image (for checked listbox only)#796 "
     "Text Color#357"},
    {"CToolTipLink", "0", "0: Image#527 Text Color#528"},
    {"CTreeViewLink", "0,3",
     "0: Background#393 Box#395 Expanded Box#396 Hor line#403 Vert line#610 Text Color#612 "
     "Selected Text Color#614 Selection Color#616 [Borders] | 3: Background#394 Box#401 Expanded Box#402 "
     "Hor line#404 Vert line#611 Text Color#613 Selected Text Color#615 Selection Color#617"},
    {"CSplitterLink", "",
     "0: Border Image#600 Hor Splitter Bar#602 Vert Splitter Bar#601 Intersection Splitter Bars#603 "
     "Hor Splitter Box#605 Vert Splitter Box#604"},
    {"CListViewLink", "0,3",
     "0: Image#366 Grid Color#372 Text Color#374 Selection Color#626 Selected Text Color#627 Hot Item Color#628 "
     "[Borders] | 3: Image#367 Grid Color#373 Text Color#375"},
    {"CDateTimeLink", "0,2,3",
     "0: Background#405 Arrow Button#413 CheckBox (Checked)#409 CheckBox (Unchecked)#410 Text Color#406 "
     "Selection Color#416 Selected Text Color#417 [Borders] | 2: Arrow Button#414 | 3: Background#407 "
     "Arrow Button#415 CheckBox (Checked)#411 CheckBox (Unchecked)#412 Text Color#408"},
    {"CMonthCalLink", "0,2,3",
     "0: Background#630 Title#637 Today Label#638 Month Background#639 Previous Button#631 Next Button#634 "
     "Selection Color#640 Selected Text Color#641 Text Color#642 Title Text Color#643 Trailing Text Color#644 "
     "Weekdays Color#645 | 2: Previous Button#632 Next Button#635 | 3: Previous Button#633 Next Button#636"},
};

class ControlPages : public PageTest {
protected:
    // A page of the class over its own element, rows built.
    BoundPage Built(const char* className) {
        BoundPage b = MakeBoundPage(className);
        EXPECT_NE(b.page, nullptr) << className;
        if (b.page) b.page->BuildPropertyItems(1);
        return b;
    }
    // "label:id:base" of every row the grid shows, top level only.
    std::string Shown() const {
        std::string out;
        for (int i = 0; i < grid.Count(); ++i) {
            const CPropertyItem* row = grid.Item(i);
            if (row->Parent()) continue;
            if (!out.empty()) out += ' ';
            for (wchar_t c : row->Label()) out.push_back(static_cast<char>(c));
            out += ':' + std::to_string(row->Id()) + ':' + std::to_string(row->BaseId());
        }
        return out;
    }
};

} // namespace

TEST_F(ControlPages, EachPageHandsOverItsStates) {
    for (const PageCase& c : kPages) ExpectHandsOver(c);
}

TEST_F(ControlPages, LabelsAndSeriesFollowTheRoadThatMadeTheRow) {
    struct Case {
        const char* className;
        int state;
        const char* built;
        const char* filled;
    };
    // A row made by a fill (a custom control shown before any build) keeps
    // the fill's label or series until the rows are made again.
    const Case cases[] = {
        {"CEditLink", 0, "Image:10:10 Text Color:13:13 Selection Color:14:0 Selected Text Color:16:16 Borders:0:0",
         "Image:10:10 Text Color:13:13 Selection Color:14:0 Selected Text Color:16:0 Borders:0:0"},
        {"CListBoxLink", 0,
         "Image:354:354 Uncheck Image (for checked listbox only):791:791 Check Image (for checked listbox "
         "only):793:793 Indeterminate Image (for checked listbox only):795:795 Text Color:356:356 Selected Text "
         "Color:363:0 Selection Color:358:0 Borders:0:0",
         "Image:354:354 Uncheck Image (for checked listbox only):791:791 Check Image (for checked listbox "
         "only):793:793 Indeterminate Image (for checked listbox only):795:795 Text Color:356:356 Selected Text "
         "Color:363:363 Selection Color:358:0 Borders:0:0"},
        {"CToolTipLink", 0, "Image:527:0 Text Color:528:0", "Tooltip Background:527:0 Text Color:528:0"},
        {"CListViewLink", 3, "Image:367:366 Grid Color:373:372 Text Color:375:374",
         "Background:367:366 Grid Color:373:372 Text Color:375:374"},
        // The month calendar's buttons form series with their normal image.
        {"CMonthCalLink", 2, "Previous Button:632:631 Next Button:635:634",
         "Previous Button:632:631 Next Button:635:634"},
    };
    for (const Case& c : cases) {
        BoundPage built = Built(c.className);
        Show(*built.page, c.state);
        EXPECT_EQ(Shown(), c.built) << c.className;
        BoundPage filled = MakeBoundPage(c.className);
        Show(*filled.page, c.state);
        EXPECT_EQ(Shown(), c.filled) << c.className;
        // A fill leaves the texts of images and colours to the builds.
        EXPECT_EQ(grid.Item(0)->Value(), L"") << c.className;
        Links().current = nullptr;
    }
}

TEST_F(ControlPages, TabIconOffsetFollowsTheChoice) {
    const WORD location = tab_props::kHorizontalBase + tab_props::kIconLocation;
    const WORD offset = tab_props::kHorizontalBase + tab_props::kIconOffset;
    BoundPage b = Built("CTabHLink");
    CTwfObj& tab = *b.object;
    tab.SetNumber(offset, (5u << 16) | 7u);
    Show(*b.page, 0);
    EXPECT_EQ(Value(L"Icon Location"), L"Standard");
    EXPECT_EQ(Line(L"Icon Location/X Offset"), -1);
    EXPECT_EQ(ExportListing(*b.page).find("hicon_offset"), std::string::npos);

    Show(*b.page, 0);
    Choose(L"Icon Location", L"Use Offset");
    EXPECT_EQ(tab.GetNumber(location), 1u);
    EXPECT_EQ(Value(L"Icon Location/X Offset"), L"7");
    EXPECT_EQ(Value(L"Icon Location/Y Offset"), L"5");
    Type(L"Icon Location/X Offset", L"-4");
    EXPECT_EQ(tab.GetNumber(offset), (5u << 16) | 0xFFFCu);
    EXPECT_EQ(Value(L"Icon Location/X Offset"), L"-4");
    // A half left blank or as a lone "-" stores 0 and keeps the other half.
    Type(L"Icon Location/Y Offset", L"");
    EXPECT_EQ(tab.GetNumber(offset), 0xFFFCu);
    EXPECT_EQ(Value(L"Icon Location/Y Offset"), L"0");
    Type(L"Icon Location/Y Offset", L"6");
    Type(L"Icon Location/X Offset", L"-");
    EXPECT_EQ(tab.GetNumber(offset), 6u << 16);

    Choose(L"Icon Location", L"Standard");
    EXPECT_EQ(tab.GetNumber(location), 0u);
    EXPECT_EQ(Line(L"Icon Location/X Offset"), -1);
    const CPropertyItem* row = grid.Item(Line(L"Icon Location"));
    EXPECT_EQ(row->ChildCount(), 0);
    EXPECT_FALSE(row->IsExpandable());
    EXPECT_EQ(tab.GetNumber(offset), 6u << 16);

    // A stored value other than the two entries shows no entry and no
    // offsets, and stays as it is when the page commits: it counts as
    // "Standard".
    tab.SetNumber(location, 2);
    b.page->BuildPropertyItems(2);
    b.page->BuildPropertyItems(1);
    Show(*b.page, 0);
    EXPECT_EQ(Value(L"Icon Location"), L"");
    EXPECT_EQ(Line(L"Icon Location/X Offset"), -1);
    Choose(L"Transparent Dialog Box", L"True");
    EXPECT_EQ(tab.GetNumber(tab_props::kHorizontalTransparentDialog), 1u);
    EXPECT_EQ(tab.GetNumber(location), 2u);
    EXPECT_EQ(grid.Item(Line(L"Icon Location"))->ChildCount(), 0);
    EXPECT_EQ(ExportListing(*b.page).find("hicon_offset"), std::string::npos);
}

TEST_F(ControlPages, TextOffsetsAreSignedHalvesOfTheirOwnPair) {
    // The pressed pair of the push-like button shows its halves signed and
    // takes a typed half modulo 2^16.
    BoundPage button = Built("CCheckButtonLink");
    button.object->SetNumber(check_button_props::kTextOffsetPressed, (65534u << 16) | 3u);
    Show(*button.page, 2);
    EXPECT_EQ(Value(L"Text Offset/X Offset"), L"3");
    EXPECT_EQ(Value(L"Text Offset/Y Offset"), L"-2");
    Type(L"Text Offset/X Offset", L"70000");
    EXPECT_EQ(button.object->GetNumber(check_button_props::kTextOffsetPressed), (65534u << 16) | 4464u);
    EXPECT_FALSE(button.object->HasNumber(check_button_props::kTextOffsetHot));

    // The vertical tab's pressed Y goes to its own pair; the X half stays.
    const WORD pressed = tab_props::kVerticalBase + tab_props::kTextOffsetPressed;
    const WORD hot = tab_props::kVerticalBase + tab_props::kTextOffsetHot;
    BoundPage tab = Built("CTabVLink");
    tab.object->SetNumber(pressed, 9);
    Show(*tab.page, 2);
    Type(L"Text Offset/Y Offset", L"7");
    EXPECT_EQ(tab.object->GetNumber(pressed), (7u << 16) | 9u);
    Show(*tab.page, 1);
    Type(L"Text Offset/X Offset", L"-1");
    EXPECT_EQ(tab.object->GetNumber(hot), 0xFFFFu);
    EXPECT_EQ(tab.object->GetNumber(pressed), (7u << 16) | 9u);
}

TEST_F(ControlPages, ComboArrowWidthTakesTheLeadingDigits) {
    BoundPage b = Built("CComboBoxLink");
    auto& combo = dynamic_cast<CTwfComboBox&>(*b.object);
    combo.SetArrowWidth(17);
    b.page->BuildPropertyItems(1);
    Show(*b.page, 0);
    EXPECT_EQ(Value(L"Arrow width"), L"17");
    EXPECT_EQ(Value(L"Transparent Edit"), L"False");
    struct Case {
        const wchar_t* typed;
        DWORD stored;
    };
    for (const Case& c : {Case{L"12abc", 12}, Case{L"", 12}, Case{L"abc", 0}, Case{L"40", 40}}) {
        Type(L"Arrow width", c.typed);
        EXPECT_EQ(combo.GetArrowWidth(), c.stored) << std::string(c.typed, c.typed + std::wcslen(c.typed));
        EXPECT_EQ(Value(L"Arrow width"), std::to_wstring(c.stored));
    }
    Choose(L"Transparent Edit", L"True");
    EXPECT_EQ(combo.GetNumber(combo_box_props::kTransparentEdit), 1u);
    EXPECT_EQ(combo.GetArrowWidth(), 40u);
    // A reset clears the field with the maps.
    b.page->ResetElement(FALSE);
    EXPECT_EQ(combo.GetArrowWidth(), 0u);
    EXPECT_EQ(Value(L"Arrow width"), L"0");
}

TEST_F(ControlPages, FillAllStatesKeepsToTheRowsSeries) {
    struct Case {
        const char* className;
        int state;
        int line;
        std::vector<WORD> filled; // the ids that take the row's value
    };
    const Case cases[] = {
        {"CMonthCalLink", 0, 4, {month_cal_props::kPreviousPressed, month_cal_props::kPreviousDisabled}},
        {"CSliderHLink", 0, 0, {173, 176, 179, 182}},
        {"CTreeViewLink", 0, 1, {401}},
        {"CCheckLink", 1, 2, {124, 125, 127, 128}},
        // Rows of no series: the command does nothing.
        {"CSliderHLink", 0, 3, {}},
        {"CComboBoxLink", 0, 3, {}},
        {"CComboBoxLink", 0, 1, {}},
    };
    for (const Case& c : cases) {
        BoundPage b = Built(c.className);
        CTwfObj& o = *b.object;
        Show(*b.page, c.state);
        CPropertyItem* row = grid.Item(c.line);
        const WORD source = row->Id();
        const int kind = row->Kind();
        if (kind == kKindImage)
            o.PutImage(source, TestImage(3, 4));
        else
            o.SetColor(source, 0x00123456u);
        modified = false;
        grid.SetSelectedIndex(c.line);
        // The command's road, as Ctrl+W and the menus take it: refused for a
        // row of no series.
        EXPECT_EQ(RunFillAllStates(b.page, &grid), !c.filled.empty()) << c.className << " line " << c.line;
        std::vector<WORD> filled;
        for (const RowSpec& spec : b.page->Table().rows) {
            if (spec.id == 0 || spec.id == source || spec.kind != kind) continue;
            if (kind == kKindImage ? o.HasImage(spec.id) != 0 : o.GetColor(spec.id) == 0x00123456u)
                filled.push_back(spec.id);
        }
        std::sort(filled.begin(), filled.end());
        EXPECT_EQ(filled, c.filled) << c.className << " line " << c.line;
        EXPECT_EQ(modified, !c.filled.empty()) << c.className;
        Links().current = nullptr;
    }
}

TEST_F(ControlPages, TwinsResetOnlyTheirOwnIds) {
    for (const auto& [cleared, other] :
         {std::pair{"CSliderHLink", "CSliderVLink"}, std::pair{"CTabVLink", "CTabHLink"}}) {
        BoundPage b = MakeBoundPage(cleared);
        auto twin = FamilyByClass(other)->make(nullptr, b.link->GetTypeId(), 0, L"Default");
        twin->SetTwfObj(b.object.get());
        StoreEveryValue(*b.page);
        StoreEveryValue(dynamic_cast<CPageLink&>(*twin));
        const ImageMap images = b.object->GetImageMap();
        const ColorMap colors = b.object->GetColorMap();
        const NumberMap numbers = b.object->GetNumberMap();
        std::set<WORD> own;
        for (const RowSpec& row : b.page->Table().rows)
            if (row.kind == kKindImage || row.kind == kKindColor) own.insert(row.id);
        b.page->ResetElement(FALSE);
        for (const auto& [id, image] : images) EXPECT_EQ(b.object->HasImage(id) != 0, !own.count(id)) << id;
        for (const auto& [id, color] : colors) EXPECT_EQ(b.object->HasColor(id), !own.count(id)) << id;
        EXPECT_EQ(b.object->GetNumberMap(), numbers) << cleared;
    }
}

TEST_F(ControlPages, GroupsShowTheirRowsOnceAndStayOpen) {
    // Built twice, then shown: each border once under its group.
    BoundPage toolbar = Built("CToolBrLink");
    toolbar.page->BuildPropertyItems(1);
    Show(*toolbar.page, 0);
    ASSERT_GE(Line(L"Borders/Right Border"), 0);
    EXPECT_EQ(Labels(),
              (std::vector<std::wstring>{L"Image", L"Toolbar Background", L"Toolbar Separator", L"Text Color",
                                         L"Vertical center alignment", L"Borders", L"Left Border", L"Right Border"}));
    // An opened group is open again after a state switch.
    BoundPage edit = Built("CEditLink");
    Show(*edit.page, 0);
    ASSERT_GE(Line(L"Borders/Top Border"), 0);
    edit.page->FillPropertyPage(3, nullptr);
    edit.page->FillPropertyPage(0, nullptr);
    EXPECT_EQ(Labels(), (std::vector<std::wstring>{L"Image", L"Text Color", L"Selection Color", L"Selected Text Color",
                                                   L"Borders", L"Top Border", L"Bottom Border", L"Left Border",
                                                   L"Right Border"}));
    // A fill that makes the widths writes them; the images wait for a build.
    BoundPage status = MakeBoundPage("CStatusLink");
    status.object->SetNumber(804, 6);
    Show(*status.page, 0);
    EXPECT_EQ(Value(L"Borders/Right Border"), L"6");
    EXPECT_EQ(Value(L"Statusbar Pane"), L"");
}

TEST_F(ControlPages, SplitterShowsItsImagesWithoutStateButtons) {
    BoundPage b = MakeBoundPage("CSplitterLink");
    b.object->PutImage(splitter_props::kVertBar, TestImage(2, 2));
    host.checked = 3;
    EXPECT_EQ(Show(*b.page, 3), 1);
    EXPECT_EQ(host.checked, 0);
    EXPECT_TRUE(host.pageShown);
    EXPECT_EQ(Buttons(host), "");
    // Never built, the page still shows what the element holds.
    EXPECT_EQ(Value(L"Vert Splitter Bar"), L"Inserted");
    EXPECT_EQ(Value(L"Hor Splitter Bar"), L"No image");
    EXPECT_EQ(host.caption, L"Properties - Splitter Control");
}

TEST_F(ControlPages, WithoutAnElementEveryRoadIsEmpty) {
    for (const PageCase& c : kPages) {
        const LinkFamily* family = FamilyByClass(c.className);
        ASSERT_NE(family, nullptr) << c.className;
        auto link = family->make(nullptr, family->type, family->controlId, L"Default");
        EXPECT_EQ(link->BuildPropertyItems(1), 0) << c.className;
        CommitEveryRowOfEveryState(*link, c.className, true);
        ExportListing(*link);
        link->ClearElementImages();
        link->ResetElement(FALSE);
        Links().current = nullptr;
    }
}
