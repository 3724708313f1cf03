// The default-controls tree in memory: its fixed shape, its check boxes
// and how they follow and set the elements' enabled flags.
#include <gtest/gtest.h>

#include "editor/shell/trees/element_tree.h"
#include "model/element_types.h"
#include "model/twf_skin.h"

using namespace hexmoor;
using shell::ElementTree;
using shell::MemoryTree;
using shell::TreeHandle;

namespace {

class DefaultTree : public ::testing::Test {
protected:
    DefaultTree() {
        skin.InitNewSkin(L"Default");
        tree.SetOnModified([this] { ++modified; });
        tree.SetOnCheck([this](WORD type, bool on) { checks.push_back({type, on}); });
    }
    std::size_t Children(TreeHandle h) {
        std::size_t n = 0;
        for (TreeHandle c = store.FirstChild(h); c; c = store.NextSibling(c)) ++n;
        return n;
    }
    std::size_t Descendants(TreeHandle h) {
        std::size_t n = 0;
        for (TreeHandle c = store.FirstChild(h); c; c = store.NextSibling(c)) n += 1 + Descendants(c);
        return n;
    }

    CTwfSkin skin;
    MemoryTree store;
    ElementTree tree{store, 0, [this] { return &skin; }};
    int modified = 0;
    std::vector<std::pair<WORD, bool>> checks;
};

TEST_F(DefaultTree, HasFourGroupsOfTheDefaultElementsWithCheckBoxesOnTheirTopItems) {
    EXPECT_EQ(store.Text(tree.Root()), L"Default Controls");
    EXPECT_EQ(tree.KeyOf(tree.Root()).kind, shell::kKindDefaultRoot);
    const struct {
        const wchar_t* group;
        int kind;
        std::size_t entries;
    } groups[] = {{L"Windows", 81, 2}, {L"Controls", 82, 11}, {L"Common Controls", 83, 14}, {L".NET Controls", 84, 4}};
    TreeHandle g = store.FirstChild(tree.Root());
    for (const auto& want : groups) {
        ASSERT_NE(g, nullptr) << want.group;
        EXPECT_EQ(store.Text(g), want.group);
        EXPECT_EQ(tree.KeyOf(g).kind, want.kind);
        EXPECT_EQ(Children(g), want.entries) << want.group;
        EXPECT_FALSE(store.HasCheckBox(g)) << want.group;
        for (TreeHandle e = store.FirstChild(g); e; e = store.NextSibling(e)) {
            EXPECT_TRUE(store.HasCheckBox(e)) << store.Text(e);
            EXPECT_EQ(tree.SchemeOf(e), L"Default") << store.Text(e);
            EXPECT_NE(tree.TypeOf(e), 0) << store.Text(e);
            for (TreeHandle part = store.FirstChild(e); part; part = store.NextSibling(part))
                EXPECT_FALSE(store.HasCheckBox(part)) << store.Text(part);
        }
        g = store.NextSibling(g);
    }
    EXPECT_EQ(g, nullptr);
    EXPECT_FALSE(store.HasCheckBox(tree.Root()));

    // The compound elements and where paths lead.
    const struct {
        const wchar_t* path;
        std::size_t descendants;
        WORD type;
    } elements[] = {
        {L"Windows/Window Frame", 16, kElemWndFrame},
        {L"Windows/Dialog Background", 0, kElemDialogFrame},
        {L"Controls/Scrollbars", 4, kElemScrollbars},
        {L"Controls/Push-like Radio and Check Box", 0, kElemCheckButton},
        {L"Common Controls/Slider Controls", 2, kElemSlider},
        {L"Common Controls/MonthCalendar Control", 0, kElemMonthCal},
        {L".NET Controls/DropDownMenu", 0, kElemDropDownMenu},
        {L"Windows/Window Frame/Frame Sides/Left Side", 0, kElemWndFrame},
        {L"Controls/Scrollbars/Internal VScrollbar", 0, kElemScrollbars},
    };
    for (const auto& e : elements) {
        TreeHandle item = tree.Find(e.path);
        ASSERT_NE(item, nullptr) << e.path;
        EXPECT_EQ(Descendants(item), e.descendants) << e.path;
        EXPECT_EQ(tree.TypeOf(item), e.type) << e.path;
    }
    // A frame's parts share its number.
    TreeHandle frame = tree.Find(L"Windows/Window Frame");
    EXPECT_EQ(tree.KeyOf(tree.Find(L"Windows/Window Frame/Menubar/Close Button")).number, tree.KeyOf(frame).number);
}

TEST_F(DefaultTree, IsNeitherRenamedNorDeletedNorEmptiedAndCreatesNothing) {
    const auto shape = tree.Dump();
    const auto schemes = skin.GetSchemes().size();
    TreeHandle button = tree.Find(L"Controls/Button");
    EXPECT_FALSE(tree.CanRename(button));
    EXPECT_FALSE(tree.Rename(button, L"Other"));
    EXPECT_FALSE(tree.Delete(button));
    EXPECT_FALSE(tree.Delete(tree.Find(L"Controls")));
    EXPECT_EQ(tree.AddFolder(tree.Root()), nullptr);
    EXPECT_EQ(tree.AddCustomControl(tree.Root(), 32823), nullptr);
    tree.Clear();
    tree.FillFromSkin();
    EXPECT_EQ(store.Text(button), L"Button");
    EXPECT_NE(skin.FindObject(kElemButton, L"Default"), nullptr);
    EXPECT_EQ(skin.GetSchemes().size(), schemes);
    EXPECT_EQ(modified, 0);
}

TEST_F(DefaultTree, ChecksFollowTheSkinAndSetTheEnabledFlags) {
    const struct {
        const wchar_t* path;
        WORD type;
    } cases[] = {
        {L"Controls/Button", kElemButton},
        {L"Windows/Window Frame", kElemWndFrame},
        {L"Controls/Scrollbars", kElemScrollbars},
        {L".NET Controls/MenuStrip Control", kElemMenuStrip},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        TreeHandle item = tree.Find(c.path);
        CTwfObj* object = skin.GetOrCreateObject(c.type, L"Default");
        ASSERT_NE(object, nullptr);
        // Filling reads the flag, both ways.
        object->SetEnabled(FALSE);
        tree.FillFromSkin();
        EXPECT_FALSE(store.IsChecked(item));
        object->SetEnabled(TRUE);
        tree.SyncCheckStates();
        EXPECT_TRUE(store.IsChecked(item));

        // A check cleared by hand: the element goes off, the skin is modified
        // and the sample windows of that type are told.
        checks.clear();
        const int before = modified;
        store.SetChecked(item, false);
        EXPECT_FALSE(tree.SetItemCheck(item, -1));
        EXPECT_FALSE(object->IsEnabled());
        EXPECT_EQ(modified, before + 1);
        ASSERT_EQ(checks.size(), 1u);
        EXPECT_EQ(checks[0], std::make_pair(c.type, false));
        // Setting what it already is changes nothing.
        EXPECT_FALSE(tree.SetItemCheck(item, 0));
        EXPECT_EQ(modified, before + 1);
        EXPECT_TRUE(tree.SetItemCheck(item, 1));
        EXPECT_TRUE(object->IsEnabled());
        EXPECT_TRUE(store.IsChecked(item));
        EXPECT_EQ(modified, before + 2);
    }
}

TEST_F(DefaultTree, ACheckOnAMissingElementMakesItAndWithoutASkinChangesNothing) {
    skin.RemoveObject(kElemSplitter, L"Default");
    TreeHandle splitter = tree.Find(L"Common Controls/Splitter Control");
    tree.SyncCheckStates();
    EXPECT_FALSE(store.IsChecked(splitter));
    EXPECT_TRUE(tree.SetItemCheck(splitter, 1));
    ASSERT_NE(skin.FindObject(kElemSplitter, L"Default"), nullptr);
    EXPECT_TRUE(skin.FindObject(kElemSplitter, L"Default")->IsEnabled());

    MemoryTree bareStore;
    ElementTree bare(bareStore, 0, [] { return static_cast<CTwfSkin*>(nullptr); });
    bare.SyncCheckStates();
    EXPECT_FALSE(bare.SetItemCheck(bare.Find(L"Controls/Button"), -1));
}

} // namespace
