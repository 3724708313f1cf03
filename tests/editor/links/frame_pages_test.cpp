// The frame family's pages and the push button: what each page hands over
// state by state, and the behaviours their Parts single out (offset rows
// that follow a choice, pairs written back, images that size a button,
// clears that keep to their own ids, the semitransparency warning).
#include "editor/links/controls/button_link.h"
#include "editor/links/frame/frame_pages.h"
#include "editor/links/item_kinds.h"
#include "page_views.h"
#include "model/elements/frame_properties.h"

using namespace links_test;

namespace {

// Each page with a value under every id it shows (so a choice shows its
// offsets), as an export gets it: keys where the grid shows child rows, the
// states the state bar never offers included.
const PageCase kPages[] = {
    {"CFrameLink", "",
     "0: TitleBar Font#1494 Titlebar Text#487 K:text_offset#557 K:icon_offset#558 MDI Client Background#485 "
     "Region#483 K:datargn_size#553 Caption button alignment#685 Use Semitransparency#773 Content While Dragging#774"},
    {"CFrameFixedLink", "", "0: Region"},
    {"CWinCloseLink", "0,1,2,3",
     "0: Close Image#456 K:closebox_size#493 [Size] K:closebox_offset#489 [Offsets] | 2: Close Image#457 | "
     "1: Close Image#458 | 3: Close Image#459"},
    {"CWinMaxLink", "0,1,2,3",
     "0: Maximize Image#460 K:maxbox_size#551 [Size] K:maxbox_offset#491 [Offsets] | 2: Maximize Image#461 | "
     "1: Maximize Image#462 | 3: Maximize Image#470"},
    {"CWinRestLink", "0,1,2,3",
     "0: Restore Image#466 | 2: Restore Image#467 | 1: Restore Image#468 | 3: Restore Image#469"},
    {"CWinMinLink", "0,1,2,3",
     "0: Minimize Image#463 K:minbox_size#550 [Size] K:minbox_offset#490 [Offsets] | 2: Minimize Image#464 | "
     "1: Minimize Image#465 | 3: Minimize Image#471"},
    {"CWinHelpLink", "0,1,2",
     "0: Help Image#472 K:helpbox_size#552 [Size] K:helpbox_offset#492 [Offsets] | 2: Help Image#473 | "
     "1: Help Image#474"},
    {"CMenuBarLink", "0,1,2,3",
     "0: Menu Item Image#418 [Menubar border] K:menubar_offset#657 [Offsets] Height#652 Menubar Background#422 "
     "Text Color#423 | 2: Menu Item Image#419 Text Color#424 | 1: Menu Item Image#420 Text Color#425 | "
     "3: Menu Item Image#421 Text Color#426"},
    {"CMBCloseLink", "0,1,2",
     "0: Menubar Close Image#505 K:mbclose_size#649 [Size] K:mbclose_offset#646 [Offsets] | "
     "2: Menubar Close Image#506 | 1: Menubar Close Image#507 | 3: Menubar Close Image#508"},
    {"CMBRestLink", "0,1,2",
     "0: Menubar Restore Image#515 K:mbres_size#650 [Size] K:mbres_offset#647 [Offsets] | "
     "2: Menubar Restore Image#516 | 1: Menubar Restore Image#517"},
    {"CMBMinLink", "0,1,2",
     "0: Menubar Minimize Image#512 K:mbmin_size#651 [Size] K:mbmin_offset#648 [Offsets] | "
     "2: Menubar Minimize Image#513 | 1: Menubar Minimize Image#514"},
    {"CMenuLink", "0,1,2,3",
     "0: Item Image#437 Separator Image#447 Submenu Arrow#449 Menu Borders#453 Text Color#438 BorderColor#429 "
     "[Borders] | 2: Item Image#439 Text Color#440 | 1: Item Image#441 Submenu Arrow#450 Text Color#442 | "
     "3: Item Image#443 Submenu Arrow#452 Text Color#444"},
    {"CMinimizedLink", "",
     "0: Minimized Frame#486 K:minclosebox_offset#554 K:minmaxbox_offset#555 K:minresbox_offset#556 "
     "[Close Button Offset] [Maximize Button Offset] [Restore Button Offset]"},
    {"CDialogLink", "0", "0: Dialog Background"},
    // The offsets' key reaches an export that no grid ever showed.
    {"CButtonLink", "0,1,2,3,4",
     "0: Image#22 Text Color#23 | 2: Image#24 Text Color#25 [Text Offset] K:Text Offset#35 | "
     "1: Image#26 Text Color#27 [Text Offset] K:Text Offset#34 | 3: Image#28 Text Color#29 | "
     "4: Image#30 Text Color#32"},
};

class FramePages : public PageTest {};

} // namespace

TEST_F(FramePages, EachPageHandsOverItsStates) {
    for (const PageCase& c : kPages) ExpectHandsOver(c);
}

TEST_F(FramePages, LabelsAndBaseIdsFollowWhoMadeTheRow) {
    CTwfObj menu(16);
    CMenuLink built(nullptr, 16, 0, L"Default");
    built.SetTwfObj(&menu);
    built.BuildPropertyItems(1);
    CMenuLink filled(nullptr, 16, 0, L"Default");
    filled.SetTwfObj(&menu);
    Show(built, 0);
    EXPECT_EQ(grid.Item(5)->Label(), L"BorderColor");
    Show(filled, 0);
    EXPECT_EQ(grid.Item(5)->Label(), L"Border Color");
    // A fill leaves image and colour texts to the builds, but writes the
    // border widths it makes.
    EXPECT_EQ(grid.Item(0)->Value(), L"");
    grid.ExpandItem(6, true);
    EXPECT_EQ(grid.Item(7)->Label(), L"Top Border");
    EXPECT_EQ(grid.Item(7)->Value(), L"0");

    CTwfWndFrame frame;
    CMinimizedLink minimized(nullptr, 2, 0, L"Default");
    minimized.SetTwfObj(&frame);
    Show(minimized, 0);
    EXPECT_EQ(grid.Item(0)->Label(), L"Image");
    minimized.BuildPropertyItems(2);
    minimized.BuildPropertyItems(1);
    Show(minimized, 0);
    EXPECT_EQ(grid.Item(0)->Label(), L"Minimized Frame");
    EXPECT_TRUE(host.pageShown);
    EXPECT_EQ(Buttons(host), "");
}

TEST_F(FramePages, HiddenStateFallsBackThroughOneNestedFill) {
    struct Counting : CWinHelpLink {
        using CWinHelpLink::CWinHelpLink;
        BOOL FillPropertyPage(int state, void* context) override {
            states.push_back(state);
            return CWinHelpLink::FillPropertyPage(state, context);
        }
        std::vector<int> states;
    };
    struct Resets : GridView {
        void LinesReset() override { ++count; }
        int count = 0;
    };
    CTwfWndFrame frame;
    Counting help(nullptr, 2, 0, L"Default");
    help.SetTwfObj(&frame);
    help.BuildPropertyItems(1);
    Resets resets;
    grid.SetView(&resets);
    EXPECT_EQ(Show(help, 3), 1);
    grid.SetView(nullptr);
    EXPECT_EQ(help.states, (std::vector<int>{3 | kFirstShowFlag, 0}));
    EXPECT_EQ(host.checked, 0);
    // The outer fill cleared the grid before it asked; the nested one
    // cleared it again and filled it; the outer one then left it alone.
    EXPECT_EQ(resets.count, 2);
    EXPECT_EQ(Labels(), (std::vector<std::wstring>{L"Help Image", L"Size", L"Offsets"}));
}

TEST_F(FramePages, TextLocationOffsetsFollowTheChoice) {
    CTwfWndFrame frame;
    frame.SetNumber(557, (5u << 16) | 7u);
    CFrameLink link(nullptr, 2, 0, L"Default");
    link.SetTwfObj(&frame);
    link.BuildPropertyItems(1);
    Show(link, 0);
    EXPECT_EQ(Value(L"Titlebar Text/Text Location"), L"Left");
    Choose(L"Titlebar Text/Text Location", L"UserOffset");
    EXPECT_EQ(frame.GetNumber(frame_props::kTextLocation), 3u);
    EXPECT_EQ(Value(L"Titlebar Text/Text Location/X Offset"), L"7");
    EXPECT_EQ(Value(L"Titlebar Text/Text Location/Y Offset"), L"5");
    Choose(L"Titlebar Text/Text Location", L"Center");
    EXPECT_EQ(frame.GetNumber(frame_props::kTextLocation), 1u);
    EXPECT_EQ(Line(L"Titlebar Text/Text Location/X Offset"), -1);
    const CPropertyItem* location = grid.Item(Line(L"Titlebar Text/Text Location"));
    EXPECT_EQ(location->ChildCount(), 0);
    EXPECT_FALSE(location->IsExpandable());
    // Back to UserOffset: the stored offsets come back.
    Choose(L"Titlebar Text/Text Location", L"UserOffset");
    EXPECT_EQ(Value(L"Titlebar Text/Text Location/X Offset"), L"7");
    EXPECT_EQ(frame.GetNumber(557), (5u << 16) | 7u);

    // Typed offsets go to their own half; the row shows what is stored.
    Type(L"Titlebar Text/Text Location/X Offset", L"-5");
    EXPECT_EQ(frame.GetNumber(557), (5u << 16) | 65531u);
    EXPECT_EQ(Value(L"Titlebar Text/Text Location/X Offset"), L"65531");
    Type(L"Titlebar Text/Text Location/Y Offset", L"12");
    EXPECT_EQ(frame.GetNumber(557), (12u << 16) | 65531u);
    link.BuildPropertyItems(2);
    link.BuildPropertyItems(1);
    Show(link, 0);
    EXPECT_EQ(Value(L"Titlebar Text/Text Location/X Offset"), L"65531");
}

TEST_F(FramePages, RegionSizeShowsOnlyForTheRoundRectangle) {
    CTwfWndFrame frame;
    frame.SetNumber(553, (9u << 16) | 8u);
    CFrameLink link(nullptr, 2, 0, L"Default");
    link.SetTwfObj(&frame);
    link.BuildPropertyItems(1);
    Show(link, 0);
    Choose(L"Region", L"RoundRectShape");
    EXPECT_EQ(Value(L"Region/cx"), L"8");
    EXPECT_EQ(Value(L"Region/cy"), L"9");
    EXPECT_NE(ExportListing(link).find("K:datargn_size#553"), std::string::npos);
    Show(link, 0);
    Choose(L"Region", L"EllipticShape");
    EXPECT_EQ(frame.GetNumber(frame_props::kRegionShape), 2u);
    EXPECT_EQ(Line(L"Region/cx"), -1);
    EXPECT_EQ(ExportListing(link).find("datargn_size"), std::string::npos);
    // A reset gives the first choices back and zeroes the offsets and size.
    frame.SetNumber(773, 1);
    link.ResetElement(FALSE);
    EXPECT_EQ(frame.GetNumber(frame_props::kRegionShape), 0u);
    EXPECT_EQ(frame.GetNumber(553), 0u);
    EXPECT_EQ(frame.GetNumber(773), 1u);
}

TEST_F(FramePages, CaptionButtonTakesTheSizeOfItsImage) {
    CTwfWndFrame frame;
    frame.SetNumber(frame_props::kCloseButtonOffset, 0x00030004u);
    CWinCloseLink link(nullptr, 2, 0, L"Default");
    link.SetTwfObj(&frame);
    link.BuildPropertyItems(1);
    Show(link, 0);
    ASSERT_TRUE(link.SetImage(457, TestImage(21, 19)));
    EXPECT_EQ(frame.GetNumber(frame_props::kCloseButtonSize), (19u << 16) | 21u);
    EXPECT_EQ(frame.GetNumber(frame_props::kCloseButtonOffset), 0x00030004u);
    EXPECT_EQ(Value(L"Size/Width"), L"21");
    EXPECT_EQ(Value(L"Size/Height"), L"19");
    // The restore button has no size: its image is only stored.
    CWinRestLink restore(nullptr, 2, 0, L"Default");
    restore.SetTwfObj(&frame);
    ASSERT_TRUE(restore.SetImage(466, TestImage(5, 5)));
    EXPECT_EQ(frame.GetNumber(frame_props::kCloseButtonSize), (19u << 16) | 21u);
}

TEST_F(FramePages, ResettingAButtonTouchesOnlyItsIds) {
    CTwfWndFrame frame;
    for (const char* name : {"CFrameLink", "CWinCloseLink", "CWinMaxLink", "CWinMinLink", "CWinHelpLink",
                             "CWinRestLink", "CMinimizedLink", "CMenuBarLink"}) {
        auto link = FamilyByClass(name)->make(nullptr, 2, 0, L"Default");
        link->SetTwfObj(&frame);
        StoreEveryValue(*dynamic_cast<CPageLink*>(link.get()));
    }
    const ImageMap images = frame.GetImageMap();
    const NumberMap numbers = frame.GetNumberMap();
    CWinCloseLink close(nullptr, 2, 0, L"Default");
    close.SetTwfObj(&frame);
    close.ClearElementImages();
    for (const auto& [id, image] : images) EXPECT_EQ(frame.HasImage(id) != 0, id < 456 || id > 459) << "image " << id;
    for (const auto& [id, n] : numbers)
        EXPECT_EQ(frame.GetNumber(id),
                  id == frame_props::kCloseButtonSize || id == frame_props::kCloseButtonOffset ? 0u : n)
            << "number " << id;

    // The folder of the caption buttons clears nothing.
    CCaptionButtons folder(nullptr, 2, 0, L"Default");
    folder.SetTwfObj(&frame);
    folder.ClearElementImages();
    EXPECT_TRUE(frame.HasImage(460));
}

TEST_F(FramePages, MenuBarClearKeepsItsSizes) {
    CTwfWndFrame frame;
    CMenuBarLink link(nullptr, 2, 0, L"Default");
    link.SetTwfObj(&frame);
    StoreEveryValue(link);
    frame.SetNumber(653, 3);
    frame.SetNumber(655, 4);
    CTwfMenuBar* bar = frame.GetMenuBar();
    bar->L652 = 7;
    bar->L657 = {1, 2};
    bar->L649 = {5, 6};
    link.ClearElementImages();
    for (WORD id : {418, 419, 420, 421, 422}) EXPECT_FALSE(frame.HasImage(id)) << id;
    for (WORD id : {423, 424, 425, 426}) EXPECT_FALSE(frame.HasColor(id)) << id;
    for (WORD id = 652; id <= 657; ++id) EXPECT_TRUE(frame.HasNumber(id)) << id;
    EXPECT_EQ(frame.GetNumber(657), 0xFFFD0007u);
    EXPECT_EQ(bar->L652, 0u);
    EXPECT_EQ(bar->L657, LegacyPair{});
    EXPECT_EQ(bar->L649, (LegacyPair{5, 6}));
}

TEST_F(FramePages, MdiButtonsEditTheMenuBarAndShowUnsignedHalves) {
    CTwfWndFrame frame;
    CTwfMenuBar* bar = frame.GetMenuBar();
    bar->SetNumber(646, 0x0002FFFBu);
    bar->L646 = {1, 1};
    bar->L647 = {2, 2};
    CMBCloseLink link(nullptr, 2, 0, L"Default");
    link.SetTwfObj(&frame);
    ASSERT_EQ(link.GetTwfObj(), bar);
    link.BuildPropertyItems(1);
    Show(link, 0);
    EXPECT_EQ(Value(L"Offsets/X Offset"), L"65531");
    Type(L"Size/Width", L"70000");
    EXPECT_EQ(bar->GetNumber(649) & 0xFFFF, 4464u);
    EXPECT_EQ(Value(L"Size/Width"), L"4464");
    EXPECT_FALSE(frame.HasNumber(649));
    // Any edit writes all four halves back from the rows.
    EXPECT_EQ(bar->GetNumber(646), 0x0002FFFBu);
    bar->PutImage(505, TestImage(2, 2));
    bar->PutImage(515, TestImage(2, 2));
    link.ClearElementImages();
    EXPECT_FALSE(bar->HasImage(505));
    EXPECT_TRUE(bar->HasImage(515));
    EXPECT_EQ(bar->L646, LegacyPair{});
    EXPECT_EQ(bar->L647, (LegacyPair{2, 2}));
    EXPECT_EQ(bar->GetNumber(649) & 0xFFFF, 4464u);
}

TEST_F(FramePages, PushButtonOffsetsAreSignedHalves) {
    CTwfObj button(4);
    button.SetNumber(34, 0x00050009u);
    CButtonLink link(nullptr, 4, 1019, L"Default");
    link.SetTwfObj(&button);
    link.BuildPropertyItems(1);
    Show(link, 1);
    Type(L"Text Offset/X Offset", L"-3");
    EXPECT_EQ(button.GetNumber(34), 0x0005FFFDu);
    EXPECT_EQ(Value(L"Text Offset/X Offset"), L"-3");
    Type(L"Text Offset/Y Offset", L"-");
    EXPECT_EQ(button.GetNumber(34), 0x0000FFFDu);
    // The pressed pair is another group: untouched.
    EXPECT_FALSE(button.HasNumber(35));
}

TEST_F(FramePages, AGroupShownClosedOpensOnTheNextClick) {
    CTwfObj button(4);
    CButtonLink link(nullptr, 4, 1019, L"Default");
    link.SetTwfObj(&button);
    link.BuildPropertyItems(1);
    Show(link, 1);
    ASSERT_EQ(grid.ExpandItem(2, true), 2);
    link.FillPropertyPage(1, nullptr);
    ASSERT_EQ(grid.Count(), 3);
    EXPECT_FALSE(grid.Item(2)->IsExpanded());
    // The glyph's click toggles by the flag: it opens the group.
    grid.ExpandItem(2, !grid.Item(2)->IsExpanded());
    EXPECT_EQ(Labels(), (std::vector<std::wstring>{L"Image", L"Text Color", L"Text Offset", L"X Offset", L"Y Offset"}));
}

TEST_F(FramePages, WithoutAnElementEveryRoadIsEmpty) {
    CTwfObj notAFrame(16);
    for (const PageCase& c : kPages) {
        const LinkFamily* family = FamilyByClass(c.className);
        auto link = family->make(nullptr, family->type, family->controlId, L"Default");
        // A part of a frame given something that is not a frame binds nothing.
        link->SetTwfObj(&notAFrame);
        if (dynamic_cast<CPageLink&>(*link).Table().target != PageTarget::kElement) {
            EXPECT_EQ(link->GetTwfObj(), nullptr) << c.className;
        }
        link->SetTwfObj(nullptr);
        EXPECT_EQ(link->BuildPropertyItems(1), 0) << c.className;
        CommitEveryRowOfEveryState(*link, c.className, false);
        ExportListing(*link);
        link->ClearElementImages();
        Links().current = nullptr;
    }
}

TEST_F(FramePages, WarningOnlyForEmulatedSemitransparencyWithContentShown) {
    struct Services : EditorServices {
        void ShowMessage(const std::wstring& text) override { messages.push_back(text); }
        bool AlphaFramesAccelerated() const override { return accelerated; }
        bool accelerated = false;
        std::vector<std::wstring> messages;
    } services;
    Links().services = &services;
    struct Case {
        DWORD semitransparent, contentHidden;
        bool accelerated;
        size_t messages;
    };
    for (const Case& c : {Case{1, 1, false, 0}, Case{0, 0, false, 0}, Case{1, 0, true, 0}, Case{1, 0, false, 1}}) {
        CTwfWndFrame frame;
        frame.SetNumber(773, c.semitransparent);
        frame.SetNumber(774, c.contentHidden);
        services.accelerated = c.accelerated;
        services.messages.clear();
        CFrameLink link(nullptr, 2, 0, L"Default");
        link.SetTwfObj(&frame);
        link.BuildPropertyItems(1);
        EXPECT_EQ(services.messages.size(), c.messages);
        Show(link, 0);
        Choose(L"Caption button alignment", L"Left");
        EXPECT_EQ(services.messages.size(), 2 * c.messages);
        Links().current = nullptr;
    }
    EXPECT_EQ(services.messages.at(0), CFrameLink::kSoftwareAlphaWarning);
    Links().services = nullptr;
}

TEST_F(FramePages, RegionDefinedFrameShowsTheTopSidesRegion) {
    struct RegionPage : OptionsPages {
        void EnableRegionDrawMode(bool enable) override { drawModeEnabled = enable; }
        void SetRegionPreview(const CImageRgn* region, DWORD mode) override {
            shown = region;
            drawMode = mode;
        }
        bool drawModeEnabled = true;
        const CImageRgn* shown = reinterpret_cast<const CImageRgn*>(1);
        DWORD drawMode = 9;
    } pages;
    Links().options = &pages;
    CTwfWndFrame frame;
    CFrameFixedLink link(nullptr, 2, 0, L"Default");
    link.SetTwfObj(&frame);
    ASSERT_EQ(link.GetTwfObj(), frame.GetTopSide());
    Show(link, 3);
    EXPECT_EQ(host.checked, 0);
    ASSERT_EQ(grid.Count(), 1);
    EXPECT_EQ(grid.Item(0)->Value(), L"No Region");
    link.ShowItemImage(grid.Item(0));
    EXPECT_EQ(frame.GetNumber(frame_props::kRegionShape), frame_props::kRegionDefinedWindow);
    EXPECT_FALSE(pages.drawModeEnabled);
    EXPECT_EQ(pages.shown, nullptr);
    link.SetRegion(0, nullptr);
    Show(link, 0);
    EXPECT_EQ(grid.Item(0)->Value(), L"Region");
    EXPECT_TRUE(frame.GetTopSide()->HasRegionOptions(0));
    Links().options = nullptr;
}

TEST(Family, EveryItemKindHasItsClass) {
    const std::pair<int, const char*> kinds[] = {
        {kItemFrame, "CFrameLink"},
        {kItemRegionDefined, "CFrameFixedLink"},
        {kItemFrameSides, "CFrameSides"},
        {kItemCaptionButtons, "CCaptionButtons"},
        {kItemHelpButton, "CWinHelpLink"},
        {kItemMdiRestoreButton, "CMBRestLink"},
        {kItemMinimizedFrame, "CMinimizedLink"},
        {kItemButton, "CButtonLink"},
        {kItemWindowsGroup, "CEmptyLink"},
        {kItemUserDataRoot, "CEmptyLink"},
        {kItemTopSide, "CTopSideFrame"},
    };
    for (const auto& [kind, name] : kinds) {
        auto link = MakeLinkForKind(kind, nullptr, L"Default");
        ASSERT_NE(link, nullptr) << kind;
        EXPECT_STREQ(link->ClassName(), name);
    }
    EXPECT_EQ(MakeLinkForKind(999, nullptr, L"Default"), nullptr);
    EXPECT_EQ(FamilyForKind(kItemButton)->controlId, 1019);
}

TEST_F(FramePages, AGroupItemShowsAnEmptyCaption) {
    auto group = MakeLinkForKind(kItemWindowsGroup, nullptr, L"WindowsGroup");
    Show(*group, 2);
    EXPECT_EQ(host.caption, L"Properties - ");
    EXPECT_EQ(grid.Count(), 0);
}
