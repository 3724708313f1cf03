// The element trees' logic on the in-memory tree and a skin of the test's
// own: keys and instance numbers, folders, custom controls, user data,
// filling from a skin, clearing, deleting and renaming.
#include <gtest/gtest.h>

#include "editor/shell/trees/element_tree.h"
#include "model/element_types.h"
#include "model/elements/wnd_frame.h"
#include "model/twf_skin.h"
#include "resources/command_ids.h"
#include "tests/model/file/skin_test_support.h"
#include "model/elements/frame_properties.h"

using namespace hexmoor;
using shell::ElementTree;
using shell::MemoryTree;
using shell::TreeHandle;

namespace {

constexpr UINT kAddFrame = 32821, kAddButton = 32823, kAddEdit = 32828, kAddScrollbars = 32827,
               kAddRegionDefined = 32841;

struct Sink : shell::PageSink {
    std::vector<std::wstring> shown;
    std::vector<const hexmoor::links::CItemLinkObj*> links;
    int cleared = 0;
    void ShowElement(const shell::SelectedElement& e) override {
        shown.push_back(e.caption + L"|" + e.scheme);
        links.push_back(e.link);
    }
    void ClearPage() override { ++cleared; }
};

class Trees : public ::testing::Test {
protected:
    Trees() {
        skin.InitNewSkin(L"Default");
        for (ElementTree* t : {&custom, &userData}) t->SetOnModified([this] { ++modified; });
    }
    // A tree of the same mode refilled from the skin, as after reopening.
    std::vector<std::wstring> Refilled(int mode) {
        MemoryTree store;
        ElementTree again(store, mode, [this] { return &skin; });
        again.FillFromSkin();
        return again.Dump();
    }

    CTwfSkin skin;
    MemoryTree customStore, userDataStore;
    ElementTree custom{customStore, 1, [this] { return &skin; }};
    ElementTree userData{userDataStore, 2, [this] { return &skin; }};
    int modified = 0;
};

TEST(InstanceNumbers, TheLowestFreeNumberComesFirstAndDeletedNumbersComeBack) {
    shell::InstanceNumbers n;
    EXPECT_EQ(n.Take(11), 1u);
    EXPECT_EQ(n.Take(11), 2u);
    EXPECT_EQ(n.Take(11), 3u);
    EXPECT_EQ(n.Take(10), 1u); // each kind counts for itself
    n.Release(11, 2);
    EXPECT_EQ(n.Take(11), 2u);
    EXPECT_EQ(n.Take(11), 4u);
    // A number given back twice, or never taken, frees nothing more.
    n.Release(11, 3);
    n.Release(11, 3);
    n.Release(11, 99);
    n.Release(11, 0);
    EXPECT_EQ(n.Take(11), 3u);
    EXPECT_EQ(n.Take(11), 5u);
    // No limit at 99: keys hold kind and number apart.
    for (int i = 0; i < 200; ++i) n.Take(12);
    EXPECT_TRUE(n.InUse(12, 200));
    EXPECT_FALSE(n.InUse(13, 1));
}

TEST_F(Trees, FoldersGetUniquePathsByTreeAndDepth) {
    TreeHandle a = custom.AddFolder(custom.Root());
    TreeHandle b = custom.AddFolder(custom.Root());
    TreeHandle inner = custom.AddFolder(a);
    TreeHandle ud = userData.AddFolder(userData.Root());
    EXPECT_EQ(custom.SchemeOf(a), L"<CC>\\Folder");
    EXPECT_EQ(custom.SchemeOf(b), L"<CC>\\Folder1");
    EXPECT_EQ(custom.SchemeOf(inner), L"<CC>\\Folder\\Folder");
    EXPECT_EQ(userData.SchemeOf(ud), L"<UD>\\Folder");
    for (TreeHandle f : {a, b, inner}) EXPECT_NE(skin.FindObject(kElemFolder, custom.SchemeOf(f)), nullptr);
    // Every folder has its own number.
    EXPECT_NE(skin.FindObject(kElemFolder, L"<CC>\\Folder")->GetFolderId(),
              skin.FindObject(kElemFolder, L"<CC>\\Folder1")->GetFolderId());
    EXPECT_EQ(modified, 4);
}

TEST_F(Trees, CustomControlsAreNamedUniquelyAndCarryTheirFolderNumber) {
    TreeHandle first = custom.AddCustomControl(custom.Root(), kAddButton);
    TreeHandle second = custom.AddCustomControl(first, kAddButton); // beside an element: same container
    EXPECT_EQ(customStore.Text(first), L"CustomButton");
    EXPECT_EQ(customStore.Text(second), L"CustomButton1");
    EXPECT_EQ(customStore.Parent(second), custom.Root());
    TreeHandle folder = custom.AddFolder(custom.Root());
    const WORD number = skin.FindObject(kElemFolder, custom.SchemeOf(folder))->GetFolderId();
    TreeHandle edit = custom.AddCustomControl(folder, kAddEdit);
    EXPECT_EQ(customStore.Text(edit), L"CustomEdit");
    EXPECT_EQ(custom.SchemeOf(edit), L"<" + std::to_wstring(number) + L">CustomEdit");
    CTwfObj* object = skin.FindObject(kElemEdit, custom.SchemeOf(edit));
    ASSERT_NE(object, nullptr);
    EXPECT_EQ(object->GetFolderId(), number);
    EXPECT_TRUE(object->IsEnabled());
    EXPECT_FALSE(customStore.HasCheckBox(edit));
    // User data in its own tree, named the same way.
    TreeHandle u1 = userData.AddUserData(userData.Root());
    TreeHandle u2 = userData.AddUserData(userData.Root());
    EXPECT_EQ(userDataStore.Text(u1), L"UserData");
    EXPECT_EQ(userDataStore.Text(u2), L"UserData1");
    EXPECT_EQ(custom.AddUserData(custom.Root()), nullptr);
}

TEST_F(Trees, AFrameComesWithItsSixteenPartsSharingItsNumberAndDeletingItFreesAll) {
    TreeHandle frame = custom.AddCustomControl(custom.Root(), kAddFrame);
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(customStore.Count(), 1u + 1u + 16u);
    const unsigned number = custom.KeyOf(frame).number;
    TreeHandle sides = customStore.FirstChild(frame);
    EXPECT_EQ(customStore.Text(sides), L"Frame Sides");
    EXPECT_EQ(custom.KeyOf(customStore.FirstChild(sides)).number, number);
    EXPECT_TRUE(custom.Delete(frame));
    EXPECT_EQ(customStore.Count(), 1u);
    EXPECT_EQ(skin.FindObject(kElemWndFrame, L"CustomFrame"), nullptr);
    // The number comes back for the next frame, and so does the name.
    TreeHandle again = custom.AddCustomControl(custom.Root(), kAddFrame);
    EXPECT_EQ(custom.KeyOf(again).number, number);
    EXPECT_EQ(customStore.Text(again), L"CustomFrame");
    EXPECT_FALSE(custom.Delete(custom.Root()));
}

TEST_F(Trees, ANewRegionDefinedControlSaysSoAtOnceAndComesBackAsOne) {
    TreeHandle item = custom.AddCustomControl(custom.Root(), kAddRegionDefined);
    ASSERT_NE(item, nullptr);
    CTwfObj* frame = skin.FindObject(kElemWndFrame, L"RegionDefined");
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(frame->GetNumber(frame_props::kRegionShape), frame_props::kRegionDefinedWindow);
    EXPECT_EQ(customStore.FirstChild(item), nullptr); // no frame parts
    EXPECT_EQ(Refilled(1), custom.Dump());
}

TEST_F(Trees, RenameRefusesBadNamesAndKeepsTheFolderPrefix) {
    TreeHandle folder = custom.AddFolder(custom.Root());
    TreeHandle edit = custom.AddCustomControl(folder, kAddEdit);
    custom.AddCustomControl(folder, kAddEdit); // "CustomEdit1" takes that name
    const std::wstring scheme = custom.SchemeOf(edit);
    const int before = modified;
    for (const wchar_t* bad : {L"", L"Default", L"a<b", L"a>b", L"a\\b", L"CustomEdit", L"CustomEdit1"}) {
        EXPECT_FALSE(custom.Rename(edit, bad)) << bad;
        EXPECT_EQ(custom.SchemeOf(edit), scheme) << bad;
        EXPECT_EQ(customStore.Text(edit), L"CustomEdit") << bad;
    }
    EXPECT_EQ(modified, before);
    ASSERT_TRUE(custom.Rename(edit, L"Login"));
    EXPECT_EQ(customStore.Text(edit), L"Login");
    EXPECT_EQ(custom.SchemeOf(edit), scheme.substr(0, scheme.find(L'>') + 1) + L"Login");
    EXPECT_NE(skin.FindObject(kElemEdit, custom.SchemeOf(edit)), nullptr);
    EXPECT_EQ(skin.FindObject(kElemEdit, scheme), nullptr);
    EXPECT_EQ(modified, before + 1);
    // A group's children follow its scheme.
    TreeHandle bars = custom.AddCustomControl(custom.Root(), kAddScrollbars);
    ASSERT_TRUE(custom.Rename(bars, L"Bars"));
    EXPECT_EQ(custom.SchemeOf(customStore.FirstChild(bars)), L"Bars");
}

TEST_F(Trees, RenamingAFolderMovesTheFoldersInsideIt) {
    TreeHandle outer = custom.AddFolder(custom.Root());
    TreeHandle inner = custom.AddFolder(outer);
    TreeHandle deepest = custom.AddFolder(inner);
    custom.AddCustomControl(deepest, kAddButton);
    ASSERT_TRUE(custom.Rename(outer, L"Dialogs"));
    EXPECT_EQ(custom.SchemeOf(inner), L"<CC>\\Dialogs\\Folder");
    EXPECT_EQ(custom.SchemeOf(deepest), L"<CC>\\Dialogs\\Folder\\Folder");
    EXPECT_EQ(skin.FindObject(kElemFolder, L"<CC>\\Folder\\Folder"), nullptr);
    EXPECT_NE(skin.FindObject(kElemFolder, L"<CC>\\Dialogs\\Folder\\Folder"), nullptr);
    // Reopened, the tree is the same: the button still sits in the deepest folder.
    EXPECT_EQ(Refilled(1), custom.Dump());
}

TEST_F(Trees, ClearingKeepsTheSkinsObjectsAndARefillGivesTheSameTreeInTheSameOrder) {
    TreeHandle folder = custom.AddFolder(custom.Root());
    custom.AddCustomControl(folder, kAddEdit);
    custom.AddCustomControl(folder, kAddButton);
    custom.AddCustomControl(custom.Root(), kAddScrollbars);
    custom.AddCustomControl(custom.Root(), kAddFrame);
    userData.AddFolder(userData.Root());
    userData.AddUserData(userData.Find(L"Folder"));
    const auto customDump = custom.Dump();
    const auto userDump = userData.Dump();
    Sink sink;
    custom.SetPageSink(&sink);
    custom.Clear();
    EXPECT_EQ(sink.cleared, 1); // the grid is reset once, not per item
    EXPECT_EQ(customStore.Count(), 1u);
    EXPECT_NE(skin.FindObject(kElemEdit, L"<1>CustomEdit"), nullptr);
    EXPECT_NE(skin.FindObject(kElemWndFrame, L"CustomFrame"), nullptr);
    custom.FillFromSkin();
    EXPECT_EQ(custom.Dump(), customDump);
    EXPECT_EQ(Refilled(2), userDump);

    // The same after a round through a skin file.
    ASSERT_TRUE(skin_test::Imaging().IsStarted());
    skin_test::ScratchDir dir("trees");
    skin.SetPath((dir / "trees.twf").wstring());
    ASSERT_TRUE(skin.WriteSkinFile());
    CTwfSkin reopened;
    reopened.InitNewSkin(L"Default");
    reopened.SetPath(skin.GetPath());
    ASSERT_EQ(reopened.LoadSkinFromPath(FALSE), 0);
    MemoryTree store;
    ElementTree fromFile(store, 1, [&] { return &reopened; });
    fromFile.FillFromSkin();
    EXPECT_EQ(fromFile.Dump(), customDump);
}

TEST_F(Trees, FillingPutsStrayElementsUnderTheRootAndMakesMissingFolderLevels) {
    // A folder whose parent level was not stored, an element in a folder
    // number that names no folder, a menu (no custom item) and the default
    // scheme (never in these trees).
    skin.GetOrCreateObject(kElemFolder, L"<CC>\\Top\\Inner")->SetFolderId(7);
    skin.GetOrCreateObject(kElemButton, L"<7>Inside")->SetFolderId(7);
    skin.GetOrCreateObject(kElemEdit, L"<42>Stray")->SetFolderId(42);
    skin.GetOrCreateObject(kElemMenu, L"MyMenu");
    skin.GetOrCreateObject(kElemUserData, L"Blob");
    custom.FillFromSkin();
    EXPECT_EQ(modified, 1); // the missing level "Top" was made
    EXPECT_NE(skin.FindObject(kElemFolder, L"<CC>\\Top"), nullptr);
    EXPECT_NE(custom.Find(L"Top/Inner/Inside"), nullptr);
    TreeHandle stray = custom.Find(L"Stray");
    ASSERT_NE(stray, nullptr);
    EXPECT_EQ(customStore.Parent(stray), custom.Root());
    EXPECT_EQ(custom.Find(L"MyMenu"), nullptr);
    EXPECT_EQ(custom.Find(L"Blob"), nullptr);
    EXPECT_EQ(custom.Find(L"Button"), nullptr);
    userData.FillFromSkin();
    EXPECT_NE(userData.Find(L"Blob"), nullptr);
    // A folder made after filling does not take a stored folder's number.
    TreeHandle added = custom.AddFolder(custom.Root());
    EXPECT_GT(skin.FindObject(kElemFolder, custom.SchemeOf(added))->GetFolderId(), 7);
}

// A store that notes where each item went in: a tree view walks its list of
// items, in the order they were made, for every item a message names.
struct InsertLog : MemoryTree {
    std::vector<TreeHandle> made;
    int notLast = 0;
    TreeHandle Insert(TreeHandle parent, TreeHandle after, const wchar_t* text, int icon, std::intptr_t data) override {
        if (after != shell::kInsertLast) ++notLast;
        made.push_back(MemoryTree::Insert(parent, after, text, icon, data));
        return made.back();
    }
};

TEST_F(Trees, FillingMakesTheItemsInTheOrderShownEachLastUnderItsParent) {
    // Stored orders spread over the folders and put elements before and
    // after a subfolder and a root-level frame after a folder.
    auto folder = [&](const wchar_t* scheme, WORD id, WORD order) {
        CTwfObj* f = skin.GetOrCreateObject(kElemFolder, scheme);
        f->SetFolderId(id);
        f->SetOrder(order);
    };
    auto element = [&](WORD type, const wchar_t* scheme, WORD folderId, WORD order) {
        CTwfObj* o = skin.GetOrCreateObject(type, scheme);
        o->SetFolderId(folderId);
        o->SetOrder(order);
    };
    folder(L"<CC>\\Outer", 1, 2);
    folder(L"<CC>\\Outer\\Inner", 2, 1);
    element(kElemButton, L"<1>Before", 1, 0);
    element(kElemEdit, L"<1>After", 1, 5);
    element(kElemButton, L"<2>Deep", 2, 3);
    element(kElemEdit, L"First", 0, 1);
    element(kElemWndFrame, L"Last", 0, 9);
    InsertLog store;
    ElementTree tree(store, 1, [this] { return &skin; });
    store.made.clear(); // the root
    tree.FillFromSkin();
    const std::vector<std::wstring> shown = {L"Custom Controls [85]", L"  First [10]",   L"  Outer [72]",
                                             L"    Before [11]",      L"    Inner [72]", L"      Deep [11]",
                                             L"    After [10]",       L"  Last [0]"};
    std::vector<std::wstring> dump = tree.Dump();
    EXPECT_EQ(dump.size(), shown.size() + 16); // the frame's parts
    dump.resize(shown.size());
    EXPECT_EQ(dump, shown);
    EXPECT_EQ(store.made, tree.Items());
    EXPECT_EQ(store.notLast, 0);
    // Instance numbers follow the stored order (folders by path).
    EXPECT_EQ(tree.KeyOf(tree.Find(L"Outer")).number, 1u);
    EXPECT_EQ(tree.KeyOf(tree.Find(L"Outer/Inner")).number, 2u);
    EXPECT_EQ(tree.KeyOf(tree.Find(L"Outer/Before")).number, 1u);
    EXPECT_EQ(tree.KeyOf(tree.Find(L"Outer/Inner/Deep")).number, 2u);
}

TEST_F(Trees, SelectingAnItemShowsItsOwnLinksPage) {
    Sink sink;
    custom.SetPageSink(&sink);
    TreeHandle button = custom.AddCustomControl(custom.Root(), kAddButton);
    custom.Select(button);
    custom.Select(custom.Root());
    custom.Select(nullptr);
    ASSERT_EQ(sink.shown.size(), 2u);
    EXPECT_EQ(sink.shown[0], L"CustomButton|CustomButton");
    EXPECT_EQ(sink.shown[1], L"Custom Controls|");
    // No item: an empty page.
    EXPECT_EQ(sink.cleared, 1);
    // The links the sink was handed are the items' own, bound to the
    // button's element; the root's is an empty node's.
    ASSERT_EQ(sink.links.size(), 2u);
    EXPECT_EQ(sink.links[0], custom.LinkOf(button));
    ASSERT_NE(sink.links[0], nullptr);
    EXPECT_STREQ(sink.links[0]->ClassName(), "CButtonLink");
    EXPECT_EQ(sink.links[0]->GetTwfObj(), skin.FindObject(kElemButton, custom.SchemeOf(button)));
    EXPECT_EQ(sink.links[0]->GetCustom(), 1);
    EXPECT_STREQ(sink.links[1]->ClassName(), "CEmptyLink");
}

// Links live with the items: each made by its kind's class the first time
// it is asked for, bound to what the item shows (a side its side, an MDI
// button the menu bar) and built from it; a fill frees their rows, to be
// built afresh from the new elements; clearing the default tree lets them
// go of the old skin's elements.
TEST_F(Trees, EachItemsLinkIsBoundToWhatItShowsAndBuiltFromIt) {
    TreeHandle added = custom.AddCustomControl(custom.Root(), kAddFrame);
    auto* frame = dynamic_cast<CTwfWndFrame*>(skin.FindObject(kElemWndFrame, custom.SchemeOf(added)));
    ASSERT_NE(frame, nullptr);

    MemoryTree store;
    ElementTree again(store, 1, [this] { return &skin; });
    again.FillFromSkin();
    const struct {
        const wchar_t* path;
        const char* linkClass;
        const CTwfObj* object;
    } items[] = {
        {L"", "CEmptyLink", nullptr},
        {L"CustomFrame", "CFrameLink", frame},
        {L"CustomFrame/Frame Sides", "CFrameSides", frame},
        {L"CustomFrame/Frame Sides/Left Side", "CLeftSideFrame", frame->GetSide(3)},
        {L"CustomFrame/Caption Buttons/Close Button", "CWinCloseLink", frame},
        {L"CustomFrame/Menubar", "CMenuBarLink", frame},
        {L"CustomFrame/Menubar/Close Button", "CMBCloseLink", frame->GetMenuBar()},
        {L"CustomFrame/Minimized Frame", "CMinimizedLink", frame},
    };
    for (const auto& item : items) {
        SCOPED_TRACE(item.linkClass);
        TreeHandle h = again.Find(item.path);
        ASSERT_NE(h, nullptr);
        hexmoor::links::CItemLinkObj* link = again.LinkOf(h);
        ASSERT_NE(link, nullptr);
        EXPECT_EQ(again.LinkOf(h), link); // one link per item
        EXPECT_STREQ(link->ClassName(), item.linkClass);
        EXPECT_EQ(link->GetTwfObj(), item.object);
        EXPECT_EQ(link->GetTreeItem(), h);
    }
    const TreeHandle closeItem = again.Find(L"CustomFrame/Caption Buttons/Close Button");
    hexmoor::links::CItemLinkObj* close = again.LinkOf(closeItem);
    ASSERT_NE(close->GetPropertyItem(456), nullptr);
    EXPECT_EQ(close->GetPropertyItem(456)->Value(), L"No image");
    // A fill frees the rows; the link, asked again, is built afresh.
    frame->PutImage(456, std::make_unique<CMrgBitmap>(DWORD{1}));
    again.FillFromSkin();
    EXPECT_TRUE(close->RowMap().empty());
    EXPECT_EQ(again.LinkOf(closeItem), close);
    ASSERT_NE(close->GetPropertyItem(456), nullptr);
    EXPECT_EQ(close->GetPropertyItem(456)->Value(), L"Inserted");

    // The default tree keeps its items and links; a clear lets go of the
    // elements, the next fill binds the new skin's.
    MemoryTree defaultStore;
    ElementTree defaults(defaultStore, 0, [this] { return &skin; });
    hexmoor::links::CItemLinkObj* button = defaults.LinkOf(defaults.Find(L"Controls/Button"));
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->GetTwfObj(), skin.FindObject(kElemButton, L"Default"));
    EXPECT_FALSE(button->RowMap().empty());
    defaults.Clear();
    EXPECT_EQ(button->GetTwfObj(), nullptr);
    EXPECT_TRUE(button->RowMap().empty());
    defaults.FillFromSkin();
    EXPECT_EQ(defaults.LinkOf(defaults.Find(L"Controls/Button")), button);
    EXPECT_EQ(button->GetTwfObj(), skin.FindObject(kElemButton, L"Default"));
    EXPECT_FALSE(button->RowMap().empty());
}

TEST_F(Trees, DeletingRemovesTheSubtreesObjectsAndMarksTheSkinModified) {
    TreeHandle folder = custom.AddFolder(custom.Root());
    TreeHandle inner = custom.AddFolder(folder);
    custom.AddCustomControl(inner, kAddButton);
    const std::wstring buttonScheme = custom.SchemeOf(custom.Find(L"Folder/Folder/CustomButton"));
    const int before = modified;
    ASSERT_TRUE(custom.Delete(folder));
    EXPECT_EQ(modified, before + 1);
    EXPECT_EQ(skin.FindObject(kElemFolder, L"<CC>\\Folder"), nullptr);
    EXPECT_EQ(skin.FindObject(kElemFolder, L"<CC>\\Folder\\Folder"), nullptr);
    EXPECT_EQ(skin.FindObject(kElemButton, buttonScheme), nullptr);
    EXPECT_EQ(customStore.Count(), 1u);
}

} // namespace
