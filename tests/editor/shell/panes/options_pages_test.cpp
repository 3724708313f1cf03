// The Options pane's pages as real windows over a link's image: the pages
// start disabled, an image row enables and loads the image page, the
// up-down arrows step a margin (never below 0), message 1126 from the
// margin editor writes and stores a margin, typed margins and the edge
// radio buttons reach the element.
#include "links/links_fixture.h"

#include <commctrl.h>

#include "editor/links/small_links.h"
#include "editor/shell/panes/options_pages.h"
#include "editor/shell/panes/panels.h"
#include "options_pages_ids.h"
#include "tests/harness/test_window.h"

using namespace links_test;
using hexmoor::shell::OptionsPagesSet;

namespace {

std::wstring Text(HWND w) {
    wchar_t buffer[128]{};
    GetWindowTextW(w, buffer, 128);
    return buffer;
}

// Presses and releases the left button on the upper or lower half of an
// up-down control, as a click does.
void ClickArrow(HWND spin, bool up) {
    RECT rc;
    GetClientRect(spin, &rc);
    const LPARAM at = MAKELPARAM(rc.right / 2, up ? rc.bottom / 4 : rc.bottom * 3 / 4);
    SendMessageW(spin, WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageW(spin, WM_LBUTTONUP, 0, at);
    hexmoor::test::PumpMessages();
}

class OptionsPagesTest : public LinksTest {
protected:
    void SetUp() override {
        LinksTest::SetUp();
        INITCOMMONCONTROLSEX icc{sizeof icc, ICC_WIN95_CLASSES | ICC_UPDOWN_CLASS};
        InitCommonControlsEx(&icc);
        hexmoor::test::TestWindowArgs args;
        args.clientWidth = 260;
        args.clientHeight = 420;
        window = std::make_unique<hexmoor::test::TestWindow>(args);
        ASSERT_TRUE(pages.Create(window->Handle()));
        pages.Layout(260, 420);
        object.PutImage(41, TestImage(12, 9));
        link.SetTwfObj(&object);
        link.BuildPropertyItems(1);
        Show(link, 0);
        grid.SetSelectedIndex(0);
        row = grid.Item(0);
    }
    void TearDown() override {
        window.reset();
        LinksTest::TearDown();
    }
    HWND Page() const { return const_cast<OptionsPagesSet&>(pages).ImagePage().Handle(); }
    HWND Control(int id) const { return GetDlgItem(Page(), id); }
    MrgBitmapParams Stored() const { return object.GetImage(41)->GetParams(); }

    std::unique_ptr<hexmoor::test::TestWindow> window;
    OptionsPagesSet pages;
    mutable CTwfObj object{27};
    CSBGripLink link{nullptr, 27, 0, L"Default"};
    CPropertyItem* row = nullptr;
};

} // namespace

TEST_F(OptionsPagesTest, ImagePageStepsDragsAndTypesMargins) {
    // Created disabled and hidden, with an empty size label.
    EXPECT_FALSE(IsWindowVisible(Page()));
    EXPECT_FALSE(IsWindowEnabled(Control(IDC_OPT_MARGIN_TOP)));
    EXPECT_EQ(Text(pages.ImagePage().SizeLabel()), L"width: 0  height: 0");
    EXPECT_EQ(GetDlgItem(Page(), IDC_OPT_PREVIEW_SLOT), nullptr);

    pages.Model().SelectView(0);
    EXPECT_TRUE(IsWindowVisible(Page()));
    EXPECT_FALSE(IsWindowVisible(pages.RegionPage().Handle()));
    link.ShowItemImage(row);
    EXPECT_TRUE(IsWindowEnabled(Control(IDC_OPT_MARGIN_TOP)));
    EXPECT_EQ(SendMessageW(Control(IDC_OPT_DRAW_MODE), CB_GETCOUNT, 0, 0), 2);
    EXPECT_EQ(Text(pages.ImagePage().SizeLabel()), L"width: 12  height: 9");
    EXPECT_EQ(Text(Control(IDC_OPT_MARGIN_TOP)), L"0");
    modified = false;

    // Down at 0 stays 0; up then gives 1.
    ClickArrow(Control(IDC_OPT_TOP_SPIN), false);
    EXPECT_EQ(Text(Control(IDC_OPT_MARGIN_TOP)), L"0");
    EXPECT_EQ(Stored().top, 0);
    EXPECT_FALSE(modified);
    ClickArrow(Control(IDC_OPT_TOP_SPIN), true);
    EXPECT_EQ(Text(Control(IDC_OPT_MARGIN_TOP)), L"1");
    EXPECT_EQ(Stored().top, 1);
    EXPECT_TRUE(modified);

    // The margin editor releases the left margin at 7.
    modified = false;
    SendMessageW(Page(), hexmoor::shell::kMarginDraggedMessage, 0, 7);
    EXPECT_EQ(Text(Control(IDC_OPT_MARGIN_LEFT)), L"7");
    EXPECT_EQ(Stored().left, 7);
    EXPECT_TRUE(modified);

    // Typing into an edit stores at once; the edge radio stores its mode.
    SetWindowTextW(Control(IDC_OPT_MARGIN_RIGHT), L"12");
    EXPECT_EQ(Stored().right, 12);
    SendMessageW(Control(IDC_OPT_TILE), BM_CLICK, 0, 0);
    EXPECT_EQ(Stored().mrgDrawMode, 1);

    // Leaving image rows disables the page and zeroes what it shows, not
    // what the element holds.
    modified = false;
    pages.Model().EnableImageOptions(false);
    pages.Model().EnableAllControls(OptionsPagesSet::Page::kImagePage, false);
    EXPECT_EQ(Text(Control(IDC_OPT_MARGIN_LEFT)), L"0");
    EXPECT_FALSE(IsWindowEnabled(Control(IDC_OPT_MARGIN_LEFT)));
    EXPECT_EQ(Text(pages.ImagePage().SizeLabel()), L"width: 0  height: 0");
    EXPECT_FALSE(modified);
    EXPECT_EQ(Stored().left, 7);
}

namespace {

std::string TooltipA(HWND panel, UINT_PTR id) {
    NMTTDISPINFOA di{};
    di.hdr.hwndFrom = panel;
    di.hdr.idFrom = id;
    di.hdr.code = TTN_NEEDTEXTA;
    SendMessageW(panel, WM_NOTIFY, id, reinterpret_cast<LPARAM>(&di));
    return di.lpszText ? di.lpszText : "";
}

std::wstring TooltipW(HWND panel, UINT_PTR id) {
    NMTTDISPINFOW di{};
    di.hdr.hwndFrom = panel;
    di.hdr.idFrom = id;
    di.hdr.code = TTN_NEEDTEXTW;
    SendMessageW(panel, WM_NOTIFY, id, reinterpret_cast<LPARAM>(&di));
    return di.lpszText ? di.lpszText : L"";
}

struct TooltipSearch {
    HWND owner;
    int found;
};

BOOL CALLBACK CountOwnedTooltip(HWND hwnd, LPARAM param) {
    auto* search = reinterpret_cast<TooltipSearch*>(param);
    wchar_t cls[64]{};
    GetClassNameW(hwnd, cls, 64);
    if (lstrcmpiW(cls, TOOLTIPS_CLASSW) == 0 && GetWindow(hwnd, GW_OWNER) == search->owner) ++search->found;
    return TRUE;
}

// This thread's tooltip windows that the window owns.
int TooltipsOwnedBy(HWND owner) {
    TooltipSearch search{owner, 0};
    EnumThreadWindows(GetCurrentThreadId(), CountOwnedTooltip, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

} // namespace

// The Options and Properties panels: class brush, tooltip texts asked in
// either character set; the tree panels' toolbars have 21 x 21 images.
TEST_F(OptionsPagesTest, PanelsAnswerTooltipsAndCarryTheirBrushes) {
    hexmoor::shell::CPanelOptions options;
    ASSERT_TRUE(options.CreatePanel(window->Handle(), L"Options", 1));
    EXPECT_EQ(GetClassLongPtrW(options.Handle(), GCLP_HBRBACKGROUND), COLOR_MENU + 1);
    EXPECT_EQ(TooltipA(options.Handle(), 0), "Image Properties");
    EXPECT_EQ(TooltipA(options.Handle(), 1), "Region Properties");
    EXPECT_EQ(TooltipW(options.Handle(), 1), L"Region Properties");
    EXPECT_EQ(TooltipA(options.Handle(), 2), "");

    // The panel's tooltip is made with its pages, which are made when first
    // needed.
    EXPECT_EQ(TooltipsOwnedBy(window->Handle()), 0);

    // A link that is not a frame side shows the image page for an image row,
    // the region page for a region row; -1 hides both.
    HWND image = options.Pages().ImagePage().Handle();
    EXPECT_EQ(TooltipsOwnedBy(window->Handle()), 1);
    HWND region = options.Pages().RegionPage().Handle();
    options.SelectOptionsView(0);
    EXPECT_TRUE(IsWindowVisible(image));
    options.SelectOptionsView(1);
    EXPECT_FALSE(IsWindowVisible(image));
    EXPECT_TRUE(IsWindowVisible(region));
    options.SelectOptionsView(-1);
    EXPECT_FALSE(IsWindowVisible(region));

    std::unique_ptr<hexmoor::shell::CPanelTree> tree = hexmoor::shell::MakeCustomControlsPanel();
    ASSERT_TRUE(tree->CreatePanel(window->Handle(), L"Custom Controls", 2));
    HIMAGELIST list = reinterpret_cast<HIMAGELIST>(SendMessageW(tree->Bar().Handle(), TB_GETIMAGELIST, 0, 0));
    int cx = 0, cy = 0;
    ASSERT_TRUE(ImageList_GetIconSize(list, &cx, &cy));
    EXPECT_EQ(cx, 21);
    EXPECT_EQ(cy, 21);
    EXPECT_EQ(ImageList_GetImageCount(list), 8);
}

// Ctrl+Tab on any page sends the focus to the active element tree and
// Ctrl+Shift+Tab to the grid, both consumed; other keys and windows outside
// the page pass.
TEST_F(OptionsPagesTest, CtrlTabLeavesThePagesForTheTreeOrTheGrid) {
    BYTE keys[256]{};
    auto press = [&](bool ctrl, bool shift) {
        GetKeyboardState(keys);
        keys[VK_CONTROL] = ctrl ? 0x80 : 0;
        keys[VK_SHIFT] = shift ? 0x80 : 0;
        SetKeyboardState(keys);
    };
    hexmoor::shell::COptionsPage* pageList[] = {&pages.ImagePage(), &pages.FrameImagePage(), &pages.RegionPage()};
    for (hexmoor::shell::COptionsPage* page : pageList) {
        SCOPED_TRACE(page->PageKind());
        HWND inside = GetDlgItem(page->Handle(), IDC_OPT_DRAW_MODE);
        ASSERT_NE(inside, nullptr);
        const struct {
            HWND target;
            WPARAM key;
            bool ctrl, shift, consumed;
            int trees, grids;
        } cases[] = {
            {inside, VK_TAB, true, false, true, 1, 0},         {inside, VK_TAB, true, true, true, 0, 1},
            {page->Handle(), VK_TAB, true, false, true, 1, 0}, {inside, VK_TAB, false, false, false, 0, 0},
            {inside, 'A', true, false, false, 0, 0},           {window->Handle(), VK_TAB, true, false, false, 0, 0},
        };
        for (const auto& c : cases) {
            host.treeFocused.clear();
            host.gridFocused = 0;
            press(c.ctrl, c.shift);
            MSG msg{c.target, WM_KEYDOWN, c.key, 0};
            EXPECT_EQ(static_cast<hexmoor::fw::Window*>(page)->PreTranslateMessage(msg), c.consumed)
                << c.key << " " << c.ctrl << c.shift;
            EXPECT_EQ(static_cast<int>(host.treeFocused.size()), c.trees);
            if (!host.treeFocused.empty()) {
                EXPECT_FALSE(host.treeFocused[0]);
            }
            EXPECT_EQ(host.gridFocused, c.grids);
        }
    }
    press(false, false);
}

// The grid shows the pages through the model the links reach, not through
// the panel: the panel's colours still follow the page-shown flag (set by
// any view but -1 while a link is current, cleared by -1).
TEST_F(OptionsPagesTest, ThePanelsColoursFollowThePagesTheGridShows) {
    hexmoor::shell::CPanelOptions options;
    ASSERT_TRUE(options.CreatePanel(window->Handle(), L"Options", 1));
    OptionsPages* road = Links().options;
    ASSERT_EQ(road, &options.Pages().Model());
    ASSERT_NE(Links().current, nullptr);
    HWND image = options.Pages().ImagePage().Handle();
    const struct {
        int mode;
        bool current, shown, imageShown;
    } steps[] = {
        {0, true, true, true},    {-1, true, false, false}, {5, true, true, false},    {-1, true, false, false},
        {0, false, false, false}, {1, true, true, false},   {-1, false, false, false},
    };
    CItemLinkObj* current = Links().current;
    for (const auto& s : steps) {
        SCOPED_TRACE(::testing::Message() << "mode " << s.mode << (s.current ? " with" : " without") << " a link");
        Links().current = s.current ? current : nullptr;
        road->SelectView(s.mode);
        EXPECT_EQ(options.SystemColors(), s.shown);
        EXPECT_EQ(options.Pages().Model().PageShown(), s.shown);
        EXPECT_EQ(IsWindowVisible(image) != FALSE, s.imageShown);
    }
    Links().current = current;
}
