// Moving branches of the custom trees in memory: up and down, into folders
// and beside items, the renames a new folder asks for, and the sibling
// order that a reopened skin keeps.
#include <gtest/gtest.h>

#include "editor/shell/trees/element_tree.h"
#include "model/element_types.h"
#include "model/twf_skin.h"

using namespace hexmoor;
using shell::ElementTree;
using shell::MemoryTree;
using shell::TreeHandle;

namespace {

constexpr UINT kAddFrame = 32821, kAddButton = 32823, kAddEdit = 32828;

class Moves : public ::testing::Test {
protected:
    Moves() {
        skin.InitNewSkin(L"Default");
        tree.SetOnModified([this] { ++modified; });
        // Root: A (folder: CustomButton, CustomEdit), B (folder: C (folder)),
        // CustomButton, CustomFrame.
        a = tree.AddFolder(tree.Root(), L"A");
        tree.AddCustomControl(a, kAddButton);
        tree.AddCustomControl(a, kAddEdit);
        b = tree.AddFolder(tree.Root(), L"B");
        c = tree.AddFolder(b, L"C");
        tree.AddCustomControl(tree.Root(), kAddButton);
        tree.AddCustomControl(tree.Root(), kAddFrame);
        modified = 0;
    }
    std::vector<std::wstring> Children(TreeHandle h) {
        std::vector<std::wstring> out;
        for (TreeHandle ch = store.FirstChild(h); ch; ch = store.NextSibling(ch)) out.push_back(store.Text(ch));
        return out;
    }
    std::vector<std::wstring> Reopened() {
        MemoryTree again;
        ElementTree t(again, 1, [this] { return &skin; });
        t.FillFromSkin();
        return t.Dump();
    }
    WORD FolderNumber(const wchar_t* path) {
        return skin.FindObject(kElemFolder, tree.SchemeOf(tree.Find(path)))->GetFolderId();
    }

    CTwfSkin skin;
    MemoryTree store;
    ElementTree tree{store, 1, [this] { return &skin; }};
    TreeHandle a = nullptr, b = nullptr, c = nullptr;
    int modified = 0;
};

TEST_F(Moves, UpAndDownReorderSiblingsAndTheOrderSurvivesAReopen) {
    using V = std::vector<std::wstring>;
    const struct {
        const wchar_t* item;
        int direction;
        bool moves;
        V rootAfter;
    } steps[] = {
        {L"A", 0, false, {L"A", L"B", L"CustomButton", L"CustomFrame"}},           // first stays
        {L"CustomFrame", 1, false, {L"A", L"B", L"CustomButton", L"CustomFrame"}}, // last stays
        {L"CustomFrame", 0, true, {L"A", L"B", L"CustomFrame", L"CustomButton"}},
        {L"A", 1, true, {L"B", L"A", L"CustomFrame", L"CustomButton"}},
        {L"CustomFrame", 0, true, {L"B", L"CustomFrame", L"A", L"CustomButton"}},
        {L"B", 1, true, {L"CustomFrame", L"B", L"A", L"CustomButton"}},
    };
    for (const auto& s : steps) {
        SCOPED_TRACE(s.item);
        const int before = modified;
        TreeHandle moved = tree.Move(tree.Find(s.item), s.direction);
        EXPECT_EQ(moved != nullptr, s.moves);
        EXPECT_EQ(modified, before + (s.moves ? 1 : 0));
        EXPECT_EQ(Children(tree.Root()), s.rootAfter);
        EXPECT_EQ(Reopened(), tree.Dump());
    }
    // A moved folder keeps its children in order, a frame its sixteen parts.
    EXPECT_EQ(Children(tree.Find(L"A")), (V{L"CustomButton", L"CustomEdit"}));
    TreeHandle frame = tree.Find(L"CustomFrame");
    EXPECT_EQ(Children(frame), (V{L"Frame Sides", L"Caption Buttons", L"Menubar", L"Minimized Frame"}));
    // Parts never move on their own.
    EXPECT_EQ(tree.Move(tree.Find(L"CustomFrame/Menubar"), 0), nullptr);
}

TEST_F(Moves, AnElementMovedIntoAFolderTakesItsNumberAndAFreeName) {
    const WORD numberA = FolderNumber(L"A");
    const WORD numberC = FolderNumber(L"B/C");
    // Into A, which already holds a CustomButton: the name gets a number.
    TreeHandle moved = tree.Move(tree.Find(L"CustomButton"), -1, a);
    ASSERT_NE(moved, nullptr);
    EXPECT_EQ(store.Text(moved), L"CustomButton1");
    const std::wstring scheme = L"<" + std::to_wstring(numberA) + L">CustomButton1";
    EXPECT_EQ(tree.SchemeOf(moved), scheme);
    ASSERT_NE(skin.FindObject(kElemButton, scheme), nullptr);
    EXPECT_EQ(skin.FindObject(kElemButton, scheme)->GetFolderId(), numberA);
    EXPECT_EQ(skin.FindObject(kElemButton, L"CustomButton"), nullptr);
    // Beside the edit in A (no rename: same folder), then into C and back
    // to the root beside B.
    EXPECT_NE(tree.Move(tree.Find(L"A/CustomButton1"), 2, tree.Find(L"A/CustomButton")), nullptr);
    EXPECT_EQ(Children(a), (std::vector<std::wstring>{L"CustomButton", L"CustomButton1", L"CustomEdit"}));
    TreeHandle frame = tree.Move(tree.Find(L"CustomFrame"), -1, c);
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(tree.SchemeOf(tree.Find(L"B/C/CustomFrame/Frame Sides/Top Side")),
              L"<" + std::to_wstring(numberC) + L">CustomFrame");
    EXPECT_EQ(skin.FindObject(kElemWndFrame, L"<" + std::to_wstring(numberC) + L">CustomFrame")->GetFolderId(),
              numberC);
    TreeHandle back = tree.Move(tree.Find(L"B/C/CustomFrame"), 2, b);
    ASSERT_NE(back, nullptr);
    EXPECT_EQ(tree.SchemeOf(back), L"CustomFrame");
    EXPECT_EQ(skin.FindObject(kElemWndFrame, L"CustomFrame")->GetFolderId(), 0);
    EXPECT_EQ(Reopened(), tree.Dump());
}

TEST_F(Moves, AMovedFolderRenamesItsFoldersButNotItsElements) {
    tree.AddCustomControl(c, kAddEdit);
    const std::wstring editScheme = tree.SchemeOf(tree.Find(L"B/C/CustomEdit"));
    TreeHandle moved = tree.Move(b, -1, a);
    ASSERT_NE(moved, nullptr);
    EXPECT_EQ(tree.SchemeOf(moved), L"<CC>\\A\\B");
    EXPECT_EQ(tree.SchemeOf(tree.Find(L"A/B/C")), L"<CC>\\A\\B\\C");
    EXPECT_NE(skin.FindObject(kElemFolder, L"<CC>\\A\\B\\C"), nullptr);
    EXPECT_EQ(skin.FindObject(kElemFolder, L"<CC>\\B\\C"), nullptr);
    EXPECT_EQ(tree.SchemeOf(tree.Find(L"A/B/C/CustomEdit")), editScheme);
    EXPECT_EQ(Reopened(), tree.Dump());
}

TEST_F(Moves, RefusedMovesChangeNothing) {
    const auto dump = tree.Dump();
    const struct {
        const wchar_t* item;
        int direction;
        const wchar_t* target; // null: the root
    } refused[] = {
        {L"B", -1, L"B/C"},                           // into its own sub-folder
        {L"B", 2, L"B/C"},                            // beside its own sub-folder
        {L"B/C", -1, L"B"},                           // onto its parent
        {L"A", 2, L"A"},                              // beside itself
        {L"CustomButton", -1, L"CustomFrame"},        // into an element
        {L"CustomButton", 2, L"CustomFrame/Menubar"}, // beside a part
        {L"A/CustomEdit", 7, L"B"},                   // no such direction
    };
    for (const auto& r : refused) {
        SCOPED_TRACE(r.item);
        EXPECT_EQ(tree.Move(tree.Find(r.item), r.direction, r.target ? tree.Find(r.target) : tree.Root()), nullptr);
    }
    EXPECT_EQ(tree.Move(tree.Root(), 1), nullptr);
    EXPECT_EQ(tree.Dump(), dump);
    EXPECT_EQ(modified, 0);
}

} // namespace
