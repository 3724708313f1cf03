// Copying an element into the custom-controls tree and Clear on an item,
// in memory: what is copied, what each Clear resets and in which order,
// and that the item cleared is the one whose page is shown after.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "editor/shell/trees/element_tree.h"
#include "editor/shell/trees/tree_images.h"
#include "editor/shell/trees/tree_menus.h"
#include "model/element_types.h"
#include "model/elements/wnd_frame.h"
#include "model/twf_skin.h"
#include "model/elements/frame_properties.h"

using namespace hexmoor;
using shell::ElementTree;
using shell::MemoryTree;
using shell::TreeHandle;

namespace {

constexpr UINT kAddFrame = 32821, kAddButton = 32823, kAddSliders = 32835;

// Records every reset and page refill, in order.
class FakeResetter : public shell::ElementResetter {
public:
    explicit FakeResetter(std::set<int> kinds) : kinds_(std::move(kinds)) {}
    bool CanReset(int kind) const override { return kinds_.count(kind) != 0; }
    void Reset(int kind, WORD type, const std::wstring& scheme, links::CItemLinkObj* link, bool refresh) override {
        if (link) linked.insert(kind);
        log.push_back(std::to_wstring(kind) + (refresh ? L"!" : L""));
        schemes.insert(scheme);
        types.insert(type);
    }
    void RefillPage() override { log.push_back(L"refill"); }
    void RefreshPreview() override { log.push_back(L"preview"); }

    std::vector<std::wstring> log;
    // The kinds reset through their item's link.
    std::set<int> linked;
    std::set<std::wstring> schemes;
    std::set<WORD> types;

private:
    std::set<int> kinds_;
};

std::set<int> AllKinds() {
    std::set<int> all;
    for (int k = 0; k < 100; ++k) all.insert(k);
    return all;
}

class PageLog : public shell::PageSink {
public:
    void ShowElement(const shell::SelectedElement& e) override { shown.push_back(e.caption); }
    void ClearPage() override { shown.push_back(L"-"); }
    std::vector<std::wstring> shown;
};

class TreeOps : public ::testing::Test {
protected:
    TreeOps() {
        skin.InitNewSkin(L"Default");
        custom.SetOnModified([this] { ++modified; });
        defaults.SetOnModified([this] { ++modified; });
        folder = custom.AddFolder(custom.Root(), L"A");
        custom.AddCustomControl(folder, kAddButton);
        custom.AddCustomControl(custom.Root(), kAddButton);
        custom.AddCustomControl(custom.Root(), kAddFrame);
        custom.AddCustomControl(custom.Root(), kAddSliders);
        modified = 0;
    }
    std::vector<std::wstring> Reopened() {
        MemoryTree again;
        ElementTree t(again, 1, [this] { return &skin; });
        t.FillFromSkin();
        return t.Dump();
    }
    std::size_t Descendants(TreeHandle h) {
        std::size_t n = 0;
        for (TreeHandle c = customStore.FirstChild(h); c; c = customStore.NextSibling(c)) n += 1 + Descendants(c);
        return n;
    }

    CTwfSkin skin;
    MemoryTree defaultStore, customStore;
    ElementTree defaults{defaultStore, 0, [this] { return &skin; }};
    ElementTree custom{customStore, 1, [this] { return &skin; }};
    TreeHandle folder = nullptr;
    int modified = 0;
};

TEST_F(TreeOps, DuplicatingADefaultElementMakesACustomControlWithItsOwnCopyOfTheObject) {
    const struct {
        const wchar_t* source; // in the default tree; a part stands for its element
        const wchar_t* made;
        WORD type;
        std::size_t descendants;
    } cases[] = {
        {L"Controls/Button", L"Button", kElemButton, 0},
        {L"Windows/Window Frame/Frame Sides/Top Side", L"Window Frame", kElemWndFrame, 16},
        {L"Common Controls/Slider Controls/Vertical Slider", L"Slider Controls", kElemSlider, 2},
        {L"Controls/Push-like Radio and Check Box", L"Push-like Radio and Check Box", kElemCheckButton, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.source);
        CTwfObj* original = skin.GetOrCreateObject(c.type, L"Default", 0);
        ASSERT_NE(original, nullptr);
        original->SetColor(7, RGB(1, 2, 3));
        original->SetEnabled(FALSE);
        if (auto* frame = dynamic_cast<CTwfWndFrame*>(original)) frame->GetTopSide()->SetColor(9, RGB(4, 5, 6));
        modified = 0;

        TreeHandle item = custom.Duplicate(defaults, defaults.Find(c.source), custom.Root());
        ASSERT_NE(item, nullptr);
        EXPECT_EQ(customStore.Text(item), c.made);
        EXPECT_EQ(customStore.Parent(item), custom.Root());
        EXPECT_EQ(Descendants(item), c.descendants);
        EXPECT_EQ(modified, 1);
        CTwfObj* copy = skin.FindObject(c.type, c.made);
        ASSERT_NE(copy, nullptr);
        EXPECT_NE(copy, original);
        EXPECT_TRUE(copy->IsEnabled());
        EXPECT_EQ(copy->GetColor(7), RGB(1, 2, 3));
        // A change to the original stays out of the copy.
        original->SetColor(7, RGB(9, 9, 9));
        EXPECT_EQ(copy->GetColor(7), RGB(1, 2, 3));
        if (auto* frame = dynamic_cast<CTwfWndFrame*>(copy)) {
            auto* source = dynamic_cast<CTwfWndFrame*>(original);
            EXPECT_NE(frame->GetTopSide(), source->GetTopSide());
            EXPECT_EQ(frame->GetTopSide()->GetColor(9), RGB(4, 5, 6));
        }
    }
    // A second copy of the same element gets a name of its own.
    TreeHandle again = custom.Duplicate(defaults, defaults.Find(L"Controls/Button"), custom.Root());
    ASSERT_NE(again, nullptr);
    EXPECT_EQ(customStore.Text(again), L"Button1");
    EXPECT_EQ(custom.Dump(), Reopened());
}

TEST_F(TreeOps, CopyItemCopiesIntoTheSourcesFolderWithAUniqueName) {
    TreeHandle source = custom.Find(L"A/CustomButton");
    skin.FindObject(kElemButton, custom.SchemeOf(source))->SetColor(3, RGB(7, 7, 7));
    TreeHandle copy = custom.Duplicate(custom, source, source);
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(customStore.Text(copy), L"CustomButton1");
    EXPECT_EQ(customStore.Parent(copy), folder);
    const WORD number = skin.FindObject(kElemFolder, custom.SchemeOf(folder))->GetFolderId();
    CTwfObj* object = skin.FindObject(kElemButton, custom.SchemeOf(copy));
    ASSERT_NE(object, nullptr);
    EXPECT_EQ(custom.SchemeOf(copy), L"<" + std::to_wstring(number) + L">CustomButton1");
    EXPECT_EQ(object->GetFolderId(), number);
    EXPECT_EQ(object->GetColor(3), RGB(7, 7, 7));
    // The original is untouched and the copy comes back after the original.
    EXPECT_NE(skin.FindObject(kElemButton, custom.SchemeOf(source)), object);
    EXPECT_EQ(customStore.PrevSibling(copy), source);
    EXPECT_EQ(custom.Dump(), Reopened());
}

TEST_F(TreeOps, NothingIsCopiedFromItemsWithoutACopyableElement) {
    const auto before = custom.Dump();
    EXPECT_EQ(custom.Duplicate(custom, custom.Root(), custom.Root()), nullptr);
    EXPECT_EQ(custom.Duplicate(custom, folder, custom.Root()), nullptr);
    EXPECT_EQ(custom.Duplicate(custom, nullptr, custom.Root()), nullptr);
    EXPECT_EQ(custom.Duplicate(defaults, defaults.Find(L"Windows"), custom.Root()), nullptr);
    // Menus get no custom control.
    EXPECT_EQ(custom.Duplicate(defaults, defaults.Find(L"Common Controls/Menu"), custom.Root()), nullptr);
    // Only the custom tree takes copies.
    EXPECT_EQ(defaults.Duplicate(defaults, defaults.Find(L"Controls/Button"), defaults.Root()), nullptr);
    EXPECT_EQ(custom.Dump(), before);
    EXPECT_EQ(modified, 0);
}

TEST_F(TreeOps, ClearResetsTheRelatedPartsInOrderAndRefillsTheClearedItemsPageOnce) {
    using V = std::vector<std::wstring>;
    const struct {
        const wchar_t* item;
        V log;
    } cases[] = {
        {L"CustomFrame", {L"1", L"2", L"3", L"4", L"5", L"61", L"6", L"7", L"8", L"49", L"0!", L"refill", L"preview"}},
        {L"CustomFrame/Frame Sides", {L"1", L"2", L"3", L"4!", L"refill"}},
        {L"CustomFrame/Caption Buttons", {L"5", L"8", L"7", L"6", L"61!", L"refill"}},
        // The frame's menu bar has no fourth button: it is skipped.
        {L"CustomFrame/Menubar", {L"55", L"56", L"58", L"49!", L"refill"}},
        {L"CustomFrame/Frame Sides/Left Side", {L"4!", L"refill"}},
        {L"CustomFrame/Minimized Frame", {L"62!", L"refill"}},
        {L"CustomButton", {L"11!", L"refill"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.item);
        FakeResetter resetter(AllKinds());
        TreeHandle item = custom.Find(c.item);
        ASSERT_NE(item, nullptr);
        modified = 0;
        EXPECT_TRUE(custom.CanClear(item, resetter));
        EXPECT_TRUE(custom.ClearItem(item, resetter));
        EXPECT_EQ(resetter.log, c.log);
        EXPECT_EQ(resetter.schemes, std::set<std::wstring>{custom.SchemeOf(item)});
        // Each part went through its own item's link.
        EXPECT_EQ(resetter.linked.size(), c.log.size() - (c.log.back() == L"preview" ? 2 : 1));
        EXPECT_EQ(modified, 1);
    }
}

TEST_F(TreeOps, ClearIsRefusedWhereAPartCannotBeResetAndOfferedOnGroupRootsWithNothingToDo) {
    // Only a frame's sides can be reset.
    FakeResetter sides({1, 2, 3, 4});
    const struct {
        ElementTree* tree;
        const wchar_t* item;
        bool can;
    } cases[] = {
        {&custom, L"CustomFrame", false},
        {&custom, L"CustomFrame/Frame Sides", true},
        {&custom, L"CustomFrame/Frame Sides/Top Side", true},
        {&custom, L"CustomSliders", false},
        {&custom, L"A", false},
        {&custom, L"", false}, // the root
        {&defaults, L"Windows", true},
        {&defaults, L".NET Controls", true},
        {&defaults, L"", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.item);
        TreeHandle item = c.tree->Find(c.item);
        ASSERT_NE(item, nullptr);
        sides.log.clear();
        modified = 0;
        EXPECT_EQ(c.tree->CanClear(item, sides), c.can);
        EXPECT_EQ(c.tree->ClearItem(item, sides), c.can);
        if (!c.can || c.tree->KeyOf(item).kind >= shell::kKindDefaultRoot) {
            EXPECT_TRUE(sides.log.empty());
            EXPECT_EQ(modified, 0);
        }
    }
    EXPECT_FALSE(custom.CanClear(nullptr, sides));
}

TEST_F(TreeOps, ClearInTheDefaultTreeSwitchesAnElementOffOnlyThroughACheckBoxItShows) {
    FakeResetter resetter(AllKinds());
    CTwfObj* button = skin.GetOrCreateObject(kElemButton, L"Default", 0);
    CTwfObj* frame = skin.GetOrCreateObject(kElemWndFrame, L"Default", 0);
    button->SetEnabled(TRUE);
    frame->SetEnabled(TRUE);
    defaults.SyncCheckStates();

    ASSERT_TRUE(defaults.ClearItem(defaults.Find(L"Windows/Window Frame/Frame Sides/Top Side"), resetter));
    EXPECT_TRUE(frame->IsEnabled());
    EXPECT_TRUE(defaultStore.IsChecked(defaults.Find(L"Windows/Window Frame")));

    ASSERT_TRUE(defaults.ClearItem(defaults.Find(L"Controls/Button"), resetter));
    EXPECT_FALSE(button->IsEnabled());
    EXPECT_FALSE(defaultStore.IsChecked(defaults.Find(L"Controls/Button")));
    EXPECT_EQ(resetter.log, (std::vector<std::wstring>{L"1!", L"refill", L"11!", L"refill"}));
}

TEST_F(TreeOps, ClearIsPlannedForExactlyTheKindsItIsOfferedOn) {
    for (int kind = -200; kind < 100; ++kind) {
        const bool root = kind >= shell::kKindDefaultRoot && kind <= shell::kKindDotNetGroup;
        EXPECT_EQ(shell::IsClearableKind(kind), root || !shell::ClearPlanFor(kind).kinds.empty()) << kind;
    }
}

TEST_F(TreeOps, ANameTheUserGaveNamesTheNewItemAndATakenOneGetsANumber) {
    MemoryTree dataStore;
    ElementTree data{dataStore, 2, [this] { return &skin; }};
    const struct {
        const char* what;
        TreeHandle made;
        const wchar_t* text;
        const wchar_t* scheme;
        WORD type;
    } cases[] = {
        {"folder", custom.AddFolder(custom.Root(), L"Gadgets"), L"Gadgets", L"<CC>\\Gadgets", kElemFolder},
        {"adder", custom.AddCustomControl(custom.Root(), kAddButton, L"Big"), L"Big", L"Big", kElemButton},
        {"adder, taken", custom.AddCustomControl(custom.Root(), kAddButton, L"Big"), L"Big1", L"Big1", kElemButton},
        {"chosen kind", custom.AddCustomControlNamed(custom.Root(), kElemEdit, L"Field"), L"Field", L"Field",
         kElemEdit},
        {"region defined", custom.AddCustomControlNamed(custom.Root(), 60, L"Blob"), L"Blob", L"Blob", kElemWndFrame},
        {"user data", data.AddUserData(data.Root(), L"Blob"), L"Blob", L"Blob", kElemUserData},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ASSERT_NE(c.made, nullptr);
        const ElementTree& tree = c.type == kElemUserData ? data : custom;
        const MemoryTree& store = c.type == kElemUserData ? dataStore : customStore;
        EXPECT_EQ(store.Text(c.made), c.text);
        EXPECT_EQ(tree.SchemeOf(c.made), c.scheme);
        EXPECT_NE(skin.FindObject(c.type, c.scheme), nullptr);
    }
    EXPECT_EQ(skin.FindObject(kElemWndFrame, L"Blob")->GetNumber(frame_props::kRegionShape),
              frame_props::kRegionDefinedWindow);
    // Names the dialog refuses add nothing; a kind without an adder neither.
    const auto before = custom.Dump();
    for (const wchar_t* bad : {L"", L"Default", L"a<b", L"a>b", L"a\\b"}) {
        EXPECT_EQ(custom.AddFolder(custom.Root(), bad), nullptr) << bad;
        EXPECT_EQ(custom.AddCustomControl(custom.Root(), kAddButton, bad), nullptr) << bad;
        EXPECT_EQ(data.AddUserData(data.Root(), bad), nullptr) << bad;
    }
    EXPECT_EQ(custom.AddCustomControlNamed(custom.Root(), kElemMenu, L"Menu"), nullptr);
    EXPECT_EQ(custom.Dump(), before);
    EXPECT_EQ(custom.Dump(), Reopened());
}

TEST_F(TreeOps, MarksSwitchWholeBranchesAndLockedItemsStayOutUntilUnlocked) {
    // Folder A holds CustomButton; the root also holds CustomButton,
    // CustomFrame (16 parts) and CustomSliders.
    TreeHandle button = custom.Find(L"A/CustomButton");
    TreeHandle frame = custom.Find(L"CustomFrame");
    TreeHandle side = custom.Find(L"CustomFrame/Frame Sides/Top Side");
    std::vector<std::pair<TreeHandle, int>> drawn;
    custom.SetOnMark([&](TreeHandle h, int state) { drawn.push_back({h, state}); });
    auto marks = [&] {
        return std::vector<int>{custom.MarkOf(folder), custom.MarkOf(button), custom.MarkOf(frame),
                                custom.MarkOf(side)};
    };
    using V = std::vector<int>;
    EXPECT_EQ(marks(), (V{1, 1, 1, 1}));
    EXPECT_TRUE(custom.ClickMark(folder));
    EXPECT_EQ(marks(), (V{0, 0, 1, 1}));
    EXPECT_EQ(drawn.size(), 2u);
    EXPECT_TRUE(custom.ClickMark(folder));
    EXPECT_EQ(marks(), (V{1, 1, 1, 1}));

    // A locked side stays out when its frame is taken in; a click on it
    // changes nothing.
    custom.ToggleLock(side);
    EXPECT_TRUE(custom.ClickMark(frame));
    EXPECT_EQ(marks(), (V{1, 1, 0, 2}));
    EXPECT_FALSE(custom.ClickMark(side));
    EXPECT_EQ(custom.MarkOf(side), 2);
    // Locking the frame locks its whole branch; unlocking it takes the
    // whole branch in, the side too.
    custom.ToggleLock(frame);
    EXPECT_EQ(marks(), (V{1, 1, 2, 2}));
    EXPECT_EQ(custom.MarkOf(custom.Find(L"CustomFrame/Menubar/Close Button")), 2);
    custom.ToggleLock(frame);
    EXPECT_EQ(marks(), (V{1, 1, 0, 0}));

    // While an adjustment runs a click does nothing; switching the mode
    // draws every item again as it is.
    drawn.clear();
    custom.SetColorAdjustMode(true);
    EXPECT_EQ(drawn.size(), 1 + Descendants(custom.Root()));
    EXPECT_FALSE(custom.ClickMark(folder));
    EXPECT_EQ(marks(), (V{1, 1, 0, 0}));
    custom.SetColorAdjustMode(false);

    // The marks move with their items, and the tree shows each item's own.
    custom.ToggleLock(button);
    TreeHandle moved = custom.Move(frame, 0);
    ASSERT_NE(moved, nullptr);
    EXPECT_EQ(custom.MarkOf(moved), 0);
    EXPECT_EQ(custom.MarkOf(custom.Find(L"CustomFrame/Frame Sides/Top Side")), 0);
    TreeHandle movedButton = custom.Move(custom.Find(L"A/CustomButton"), -1, custom.Root());
    ASSERT_NE(movedButton, nullptr);
    EXPECT_EQ(custom.MarkOf(movedButton), 2);
    std::vector<TreeHandle> all{custom.Root()};
    for (std::size_t i = 0; i < all.size(); ++i)
        for (TreeHandle c = customStore.FirstChild(all[i]); c; c = customStore.NextSibling(c)) all.push_back(c);
    for (TreeHandle h : all) EXPECT_EQ(customStore.Mark(h), custom.MarkOf(h)) << customStore.Text(h);
}

TEST(TreeMarks, EachIconAndMarkIsComposedOnceOnWhite) {
    // Two icons and three marks, each cell one colour with its corner in the
    // key colour.
    auto strip = [](std::vector<std::uint32_t> colours) {
        shell::PixelStrip s;
        s.width = 16 * static_cast<int>(colours.size());
        s.height = 16;
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < s.width; ++x)
                s.pixels.push_back(x % 16 == 0 && y == 0 ? shell::kTreeImageKey : colours[x / 16]);
        return s;
    };
    const std::vector<std::uint32_t> icons{0x102030, 0x405060}, marks{0xA00000, 0x00A000, 0x0000A0};
    const shell::PixelStrip out = shell::ComposeMarkedIcons(strip(icons), strip(marks));
    ASSERT_EQ(out.width, 34 * 2 * 3);
    ASSERT_EQ(out.height, 16);
    auto at = [&](int x, int y) { return out.pixels[static_cast<std::size_t>(y) * out.width + x]; };
    for (int mark = 0; mark < 3; ++mark) {
        for (int icon = 0; icon < 2; ++icon) {
            // ItemImage's layout with the test's two icons.
            const int x0 = (mark * 2 + icon) * 34;
            SCOPED_TRACE(::testing::Message() << "mark " << mark << " icon " << icon);
            EXPECT_EQ(at(x0, 0), shell::kTreeImageBackground);
            EXPECT_EQ(at(x0 + 1, 0), marks[mark]);
            EXPECT_EQ(at(x0 + 15, 15), marks[mark]);
            EXPECT_EQ(at(x0 + 16, 7), shell::kTreeImageBackground);
            EXPECT_EQ(at(x0 + 17, 7), shell::kTreeImageBackground);
            EXPECT_EQ(at(x0 + 18, 0), shell::kTreeImageBackground);
            EXPECT_EQ(at(x0 + 19, 0), icons[icon]);
            EXPECT_EQ(at(x0 + 33, 15), icons[icon]);
        }
    }
    // An item's image names its icon and mark and gives both back.
    for (int mark = 0; mark < shell::kMarkStates; ++mark)
        for (int icon : {0, 1, 49, 52}) {
            EXPECT_EQ(shell::IconOfImage(shell::ItemImage(icon, mark)), icon);
            EXPECT_EQ(shell::MarkOfImage(shell::ItemImage(icon, mark)), mark);
        }
}

TEST(TreeMarks, AClickHitsTheMarkOnlyInItsSixteenPixels) {
    // box: the width of the item's state image (0 without one).
    const struct {
        int x, indent, depth, scroll, box;
        bool hit;
    } cases[] = {
        {0, 19, 0, 0, 0, true},    {15, 19, 0, 0, 0, true},   {16, 19, 0, 0, 0, false}, {38, 19, 2, 0, 0, true},
        {37, 19, 2, 0, 0, false},  {53, 19, 2, 0, 0, true},   {56, 19, 2, 0, 18, true}, {38, 19, 2, 0, 18, false},
        {28, 19, 2, 10, 0, true},  {44, 19, 2, 10, 0, false}, {-1, 19, 0, 0, 0, false}, {54, 19, 2, 0, 16, true},
        {70, 19, 2, 0, 16, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(shell::IsOnMark(c.x, c.indent, c.depth, c.scroll, c.box), c.hit)
            << c.x << " " << c.depth << " " << c.scroll << " " << c.box;
}

} // namespace
