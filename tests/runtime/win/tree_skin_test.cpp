// The skinned tree view: buttons and lines from the element's images and the
// black GDI fallback, selected and bold items, the disabled look, and the
// item under a label edit left to the edit box.
#include <commctrl.h>

#include <algorithm>
#include <cstring>
#include <set>
#include <string>
#include <vector>

#include "model/twf_obj.h"
#include "runtime/controls/edit.h"
#include "runtime/controls/tree_ctrl.h"
#include "runtime/logic/control_types.h"
#include "runtime/logic/list_layout.h"
#include "runtime/runtime_state.h"
#include "tests/harness/capture.h"
#include "tests/harness/foreign_pixels.h"
#include "tests/harness/runtime_fixture.h"
#include "tests/harness/settle.h"
#include "tests/harness/skin_pixels.h"
#include "tests/runtime/win/skinned_bars.h"
#include "tests/runtime/win/solid_image_list.h"

using namespace hexmoor::test;
using namespace hexmoor::rt::lists;

namespace {

constexpr COLORREF kDialogBackground = RGB(23, 181, 97);

class TreeSkinTest : public RuntimeTest {
protected:
    void SetUpSkin(bool images, bool bars = false, bool explicitMode = true) {
        INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_TREEVIEW_CLASSES};
        InitCommonControlsEx(&icc);
        StartRuntime(explicitMode, explicitMode ? 0 : 1);
        Skin().SolidImage(25, 0, kDialogBackground, 6, 6);
        if (bars) AddBarImages(Skin());
        Skin().SolidImage(19, 393, IdColour(393));
        Skin().SolidImage(19, 394, IdColour(394));
        if (images) {
            for (int id : {395, 396, 401, 402}) Skin().SolidImage(19, WORD(id), IdColour(id), 9, 9);
            for (int id : {403, 404}) Skin().SolidImage(19, WORD(id), IdColour(id), 4, 1);
            for (int id : {610, 611}) Skin().SolidImage(19, WORD(id), IdColour(id), 1, 4);
        }
        CTwfObj* element = Skin().Element(19);
        for (int id = 612; id <= 617; ++id) element->SetColor(WORD(id), IdColour(id));
        for (int id = 397; id <= 400; ++id) element->SetNumber(WORD(id), 2);
        SkinLoaded();
        EnableSkinning();
        dialog_ = CreateWindowExW(0, L"#32770", L"", WS_POPUP | WS_VISIBLE, 40, 40, 360, 300, nullptr, nullptr,
                                  GetModuleHandleW(nullptr), nullptr);
        ASSERT_TRUE(dialog_);
        tree_ = CreateWindowExW(0, WC_TREEVIEWW, L"",
                                WS_CHILD | WS_VISIBLE | TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT |
                                    TVS_EDITLABELS | TVS_SHOWSELALWAYS,
                                10, 10, 250, 220, dialog_, nullptr, GetModuleHandleW(nullptr), nullptr);
        a_ = Insert(TVI_ROOT, L"Alpha");
        a1_ = Insert(a_, L"A1");
        a2_ = Insert(a_, L"A2");
        b_ = Insert(TVI_ROOT, L"Beta");
        Insert(b_, L"B1");
        SendMessageW(tree_, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(a_));
        ApplySkinToWindow(dialog_, 1);
        Repaint(dialog_);
    }
    HTREEITEM Insert(HTREEITEM parent, const wchar_t* text) {
        TVINSERTSTRUCTW ins{};
        ins.hParent = parent;
        ins.hInsertAfter = TVI_LAST;
        ins.item.mask = TVIF_TEXT;
        ins.item.pszText = const_cast<wchar_t*>(text);
        return reinterpret_cast<HTREEITEM>(SendMessageW(tree_, TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&ins)));
    }
    RECT Rect(HTREEITEM item, BOOL textOnly) const {
        RECT r{};
        static_assert(sizeof(item) <= sizeof(r));
        memcpy(&r, &item, sizeof(item));
        SendMessageW(tree_, TVM_GETITEMRECT, textOnly, reinterpret_cast<LPARAM>(&r));
        return r;
    }
    // The button centre of an item at the given depth (1 = root).
    POINT Centre(HTREEITEM item, int depth) const {
        const int indent = int(SendMessageW(tree_, TVM_GETINDENT, 0, 0));
        const int height = int(SendMessageW(tree_, TVM_GETITEMHEIGHT, 0, 0));
        const TreeMetrics m = TreeMetricsFor(0, false, indent, height);
        const hexmoor::Point c = TreeButtonCentre(depth * indent, indent, m, Rect(item, FALSE).top);
        return {c.x, c.y};
    }
    COLORREF At(int x, int y) const { return CaptureClient(tree_).At(x, y) & 0xFFFFFF; }
    void TearDown() override {
        if (dialog_) DestroyWindow(dialog_);
        RuntimeTest::TearDown();
    }
    HWND dialog_ = nullptr;
    HWND tree_ = nullptr;
    HTREEITEM a_ = nullptr, a1_ = nullptr, a2_ = nullptr, b_ = nullptr;
};

} // namespace

TEST_F(TreeSkinTest, ButtonsLinesAndSelectionFromImages) {
    SetUpSkin(true);
    ASSERT_EQ(GetSkinnedWindowType(tree_), hexmoor::rt::ctype::kTree);
    SendMessageW(tree_, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(a1_));
    Repaint(dialog_);
    const POINT a = Centre(a_, 1), b = Centre(b_, 1), a1 = Centre(a1_, 2);
    EXPECT_EQ(At(a.x, a.y), IdColour(396)) << "expanded button";
    EXPECT_EQ(At(b.x, b.y), IdColour(395)) << "collapsed button";
    EXPECT_EQ(At(a.x, a1.y), IdColour(610)) << "the root's line passes its children on to Beta";
    EXPECT_EQ(At(a1.x + 6, a1.y), IdColour(403)) << "horizontal line to a child";
    const RECT selected = Rect(a1_, TRUE);
    EXPECT_TRUE(CheckRect(CaptureClient(tree_),
                          {selected.left + 1, selected.top + 1, selected.right - 1, selected.top + 2}, IdColour(616))
                    .Passed())
        << "selection fill";
    const RECT plain = Rect(a2_, TRUE);
    EXPECT_EQ(At(plain.right - 2, plain.top + 1), IdColour(393)) << "unselected label over the background";

    // Expanding Beta through the control's own message: its button turns.
    SendMessageW(tree_, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(b_));
    Settle();
    EXPECT_EQ(At(b.x, b.y), IdColour(396)) << "repainted after TVM_EXPAND";

    EnableWindow(tree_, FALSE);
    Repaint(dialog_);
    EXPECT_EQ(At(b.x, b.y), IdColour(402)) << "disabled expanded button";
    EXPECT_EQ(At(plain.right + 20, plain.top + 2), IdColour(394)) << "disabled background";
}

TEST_F(TreeSkinTest, GdiFallbackBoldItemsAndTheLabelEdit) {
    SetUpSkin(false);
    const POINT a = Centre(a_, 1), b = Centre(b_, 1), a1 = Centre(a1_, 2);
    const int indent = int(SendMessageW(tree_, TVM_GETINDENT, 0, 0));
    const int r = TreeMetricsFor(0, false, indent, int(SendMessageW(tree_, TVM_GETITEMHEIGHT, 0, 0))).r;
    ASSERT_GE(r, 2);
    EXPECT_EQ(At(b.x - r, b.y - r), 0u) << "black square";
    EXPECT_EQ(At(b.x, b.y), 0u) << "plus centre";
    EXPECT_EQ(At(b.x, b.y - 1), 0u) << "collapsed: vertical bar of the plus";
    EXPECT_EQ(At(a.x, a.y - 1), RGB(255, 255, 255)) << "expanded: minus only";
    EXPECT_EQ(At(b.x - r + 1, b.y - r + 1), RGB(255, 255, 255)) << "inside the box";
    // Dotted: of two neighbouring pixels of a line exactly one is black.
    const int y = Rect(a1_, FALSE).top + 1;
    const bool first = At(a.x, y) == 0, second = At(a.x, y + 1) == 0;
    EXPECT_NE(first, second) << "dotted vertical line";
    EXPECT_TRUE(At(a1.x + 2, a1.y) == 0 || At(a1.x + 3, a1.y) == 0) << "dotted horizontal line";

    // A bold item is drawn with a heavier font: its label is wider.
    const RECT before = Rect(a2_, TRUE);
    TVITEMW bold{};
    bold.mask = TVIF_STATE;
    bold.hItem = a2_;
    bold.state = bold.stateMask = TVIS_BOLD;
    SendMessageW(tree_, TVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&bold));
    Repaint(dialog_);
    EXPECT_GE(Rect(a2_, TRUE).right, before.right);

    // The item under a label edit: the edit box keeps its pixels and the
    // row is not painted over it.
    auto* object = dynamic_cast<CTWTreeCtrl*>(GetSkinnedWindowObject(tree_));
    ASSERT_TRUE(object);
    SetFocus(tree_);
    SendMessageW(tree_, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(a1_));
    HWND edit = reinterpret_cast<HWND>(SendMessageW(tree_, TVM_EDITLABELW, 0, reinterpret_cast<LPARAM>(a1_)));
    ASSERT_TRUE(edit);
    EXPECT_EQ(object->GetEditedItem(), a1_);
    Repaint(dialog_);
    RECT er{};
    GetWindowRect(edit, &er);
    MapWindowPoints(nullptr, tree_, reinterpret_cast<POINT*>(&er), 2);
    const COLORREF inside = At(er.right - 3, (er.top + er.bottom) / 2);
    EXPECT_NE(inside, IdColour(393)) << "the edit box is not covered by the tree's paint";
    EXPECT_NE(inside, IdColour(616));
    SendMessageW(tree_, TVM_ENDEDITLABELNOW, TRUE, 0);
    Settle();
    EXPECT_EQ(object->GetEditedItem(), nullptr);
}

TEST_F(TreeSkinTest, ScrollDataAndBarsFollowKeysWheelClicksAndThumb) {
    SetUpSkin(true, true);
    SetWindowLongPtrW(tree_, GWL_STYLE, GetWindowLongPtrW(tree_, GWL_STYLE) & ~LONG_PTR(TVS_EDITLABELS));
    std::vector<HTREEITEM> folders;
    for (int i = 0; i < 30; ++i) {
        const std::wstring text = L"folder " + std::to_wstring(i);
        folders.push_back(Insert(TVI_ROOT, text.c_str()));
        Insert(folders.back(), L"child");
        Insert(folders.back(), L"a child whose label is far wider than the tree's client area");
    }
    SetFocus(tree_);
    SendMessageW(tree_, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(a_));
    ASSERT_TRUE(BarsInStep(tree_)) << "after inserting";
    const std::set<COLORREF> allowed{IdColour(393),
                                     IdColour(395),
                                     IdColour(396),
                                     IdColour(403),
                                     IdColour(610),
                                     IdColour(612),
                                     IdColour(614),
                                     IdColour(616),
                                     ~IdColour(616) & 0xFFFFFF,
                                     ~IdColour(614) & 0xFFFFFF};
    auto clientForeign = [&] {
        RECT c{};
        GetClientRect(tree_, &c);
        return Foreign(CaptureClient(tree_), c, allowed);
    };
    EXPECT_EQ(clientForeign(), 0) << "client after inserting";

    SendMessageW(tree_, WM_KEYDOWN, VK_NEXT, 0);
    EXPECT_TRUE(BarsInStep(tree_)) << "Page Down";
    SendMessageW(tree_, WM_KEYDOWN, VK_END, 0);
    EXPECT_TRUE(BarsInStep(tree_)) << "End";
    SendMessageW(tree_, WM_KEYDOWN, VK_HOME, 0);
    EXPECT_TRUE(BarsInStep(tree_)) << "Home";
    SendMessageW(tree_, WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA), MAKELPARAM(60, 60));
    EXPECT_TRUE(BarsInStep(tree_)) << "wheel";
    EXPECT_EQ(clientForeign(), 0) << "client after the wheel";

    // A click on the first visible folder's button expands it: a wide child
    // brings the horizontal bar.
    const HTREEITEM first = reinterpret_cast<HTREEITEM>(SendMessageW(tree_, TVM_GETNEXTITEM, TVGN_FIRSTVISIBLE, 0));
    ASSERT_TRUE(first);
    const POINT button = Centre(first, 1);
    PostMessageW(tree_, WM_LBUTTONUP, 0, MAKELPARAM(button.x, button.y));
    SendMessageW(tree_, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(button.x, button.y));
    EXPECT_TRUE(BarsInStep(tree_)) << "click on a button";
    TVITEMW state{};
    state.mask = TVIF_STATE;
    state.stateMask = TVIS_EXPANDED;
    state.hItem = first;
    SendMessageW(tree_, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&state));
    EXPECT_TRUE(state.state & TVIS_EXPANDED) << "the click expanded the folder";
    EXPECT_EQ(clientForeign(), 0) << "client after expanding";

    for (int i = 10; i < 20; ++i)
        SendMessageW(tree_, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(folders[size_t(i)]));
    EXPECT_TRUE(BarsInStep(tree_)) << "TVM_EXPAND";

    ASSERT_TRUE(ClickForwardArrow(tree_, SB_VERT));
    EXPECT_TRUE(BarsInStep(tree_)) << "down arrow";
    ASSERT_TRUE(ClickForwardArrow(tree_, SB_HORZ));
    EXPECT_TRUE(BarsInStep(tree_)) << "right arrow";

    const LRESULT before = SendMessageW(tree_, TVM_GETNEXTITEM, TVGN_FIRSTVISIBLE, 0);
    ASSERT_TRUE(DragVerticalThumb(tree_, 40));
    EXPECT_TRUE(BarsInStep(tree_)) << "thumb drag";
    EXPECT_NE(SendMessageW(tree_, TVM_GETNEXTITEM, TVGN_FIRSTVISIBLE, 0), before) << "the drag scrolled the tree";
    EXPECT_EQ(clientForeign(), 0) << "client after the drag";

    SendMessageW(tree_, TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(TVI_ROOT));
    EXPECT_TRUE(BarsInStep(tree_)) << "all items deleted";
}

TEST_F(TreeSkinTest, LabelEditBoxKnowsItsTreeAndItsEndShowsTheItemAgain) {
    // Ordinary mode: the label edit box gets its skinned object as it is
    // created, before the tree reports the edit.
    SetUpSkin(true, false, false);
    auto* object = dynamic_cast<CTWTreeCtrl*>(GetSkinnedWindowObject(tree_));
    ASSERT_TRUE(object);
    SetFocus(tree_);
    SendMessageW(tree_, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(a1_));
    HWND edit = reinterpret_cast<HWND>(SendMessageW(tree_, TVM_EDITLABELW, 0, reinterpret_cast<LPARAM>(a1_)));
    ASSERT_TRUE(edit);
    auto* box = dynamic_cast<CTWEdit*>(GetSkinnedWindowObject(edit));
    ASSERT_TRUE(box) << "the edit box is skinned at creation";
    EXPECT_EQ(box->GetHostWindow(), tree_) << "told its owner tree";
    EXPECT_FALSE(box->IsActive()) << "and left to the system's look";
    EXPECT_EQ(object->GetEditedItem(), a1_);

    // The application destroys the box itself: the tree draws the item again.
    DestroyWindow(edit);
    Settle();
    EXPECT_EQ(object->GetEditedItem(), nullptr);
    Repaint(dialog_);
    const RECT label = Rect(a1_, TRUE);
    EXPECT_TRUE(
        CheckRect(CaptureClient(tree_), {label.left + 1, label.top + 1, label.right - 1, label.top + 2}, IdColour(616))
            .Passed())
        << "the selected item's fill is back";
}

TEST_F(TreeSkinTest, StateImagesBeforeTheItemsImages) {
    SetUpSkin(true);
    constexpr int kState = 10, kIcon = 12;
    constexpr COLORREF icon = RGB(10, 10, 250);
    // Image 0 of a tree's state list is never shown: index 1 is the first.
    HIMAGELIST states = SolidImageList(kState, {RGB(1, 2, 3), RGB(250, 10, 10), RGB(10, 250, 10)});
    HIMAGELIST icons = SolidImageList(kIcon, {icon});
    SendMessageW(tree_, TVM_SETIMAGELIST, TVSIL_STATE, reinterpret_cast<LPARAM>(states));
    SendMessageW(tree_, TVM_SETIMAGELIST, TVSIL_NORMAL, reinterpret_cast<LPARAM>(icons));
    const struct {
        HTREEITEM item;
        int stateIndex;
        int depth;
        COLORREF colour;
    } cases[] = {{a_, 1, 1, RGB(250, 10, 10)}, {a1_, 2, 2, RGB(10, 250, 10)}, {b_, 0, 1, 0}};
    for (const auto& c : cases) {
        TVITEMW tv{};
        tv.mask = TVIF_STATE;
        tv.hItem = c.item;
        tv.stateMask = TVIS_STATEIMAGEMASK;
        tv.state = INDEXTOSTATEIMAGEMASK(c.stateIndex);
        SendMessageW(tree_, TVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&tv));
    }
    Repaint(dialog_);
    const int indent = int(SendMessageW(tree_, TVM_GETINDENT, 0, 0));
    const int height = int(SendMessageW(tree_, TVM_GETITEMHEIGHT, 0, 0));
    ASSERT_GE(height, kIcon);
    const PixelBuffer pixels = CaptureClient(tree_);
    for (const auto& c : cases) {
        const RECT row = Rect(c.item, FALSE);
        const int x = c.depth * indent;
        if (c.stateIndex) {
            // State image at the item's x, bottom-aligned in the row; the
            // item's image right after it.
            EXPECT_EQ(pixels.At(x + kState / 2, row.top + height - kState / 2) & 0xFFFFFF, c.colour) << c.stateIndex;
            EXPECT_EQ(pixels.At(x + kState + kIcon / 2, row.top + height / 2) & 0xFFFFFF, icon) << c.stateIndex;
        } else {
            EXPECT_EQ(pixels.At(x + kIcon / 2, row.top + height / 2) & 0xFFFFFF, icon) << "no state image";
        }
    }
}

TEST_F(TreeSkinTest, FolderBrowserTreeShiftsImagesAndDropsRootButtons) {
    SetUpSkin(true);
    ASSERT_EQ(hexmoor::rt::VersionCode(), 9) << "Wine reports Windows 6.1";
    WNDCLASSW wc{};
    wc.lpfnWndProc = DefWindowProcW;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"SHBrowseForFolder ShellNameSpace Control";
    RegisterClassW(&wc);
    HWND host = CreateWindowExW(0, wc.lpszClassName, L"", WS_CHILD | WS_VISIBLE, 10, 10, 300, 250, dialog_, nullptr,
                                GetModuleHandleW(nullptr), nullptr);
    ASSERT_TRUE(host);
    // The plain tree of the fixture sits hidden under the browser.
    ShowWindow(tree_, SW_HIDE);
    HWND browser = CreateWindowExW(0, WC_TREEVIEWW, L"",
                                   WS_CHILD | WS_VISIBLE | WS_BORDER | TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT,
                                   0, 0, 280, 220, host, nullptr, GetModuleHandleW(nullptr), nullptr);
    constexpr int kIcon = 16;
    constexpr COLORREF icon = RGB(10, 10, 250);
    SendMessageW(browser, TVM_SETIMAGELIST, TVSIL_NORMAL, reinterpret_cast<LPARAM>(SolidImageList(kIcon, {icon})));
    TVINSERTSTRUCTW ins{};
    ins.hParent = TVI_ROOT;
    ins.hInsertAfter = TVI_LAST;
    ins.item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE;
    ins.item.pszText = const_cast<wchar_t*>(L"Desktop");
    const auto root =
        reinterpret_cast<HTREEITEM>(SendMessageW(browser, TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&ins)));
    ins.hParent = root;
    ins.item.pszText = const_cast<wchar_t*>(L"Folder");
    const auto folder =
        reinterpret_cast<HTREEITEM>(SendMessageW(browser, TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&ins)));
    ins.hParent = folder;
    ins.item.pszText = const_cast<wchar_t*>(L"Inner");
    SendMessageW(browser, TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&ins));
    SendMessageW(browser, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(root));
    ApplySkinToWindow(browser, 0);
    Repaint(dialog_);

    auto* object = dynamic_cast<CTWTreeCtrl*>(GetSkinnedWindowObject(browser));
    ASSERT_TRUE(object);
    EXPECT_TRUE(object->IsFolderBrowser());
    EXPECT_FALSE(object->IsFolderBrowser() && (GetWindowLongPtrW(browser, GWL_STYLE) & WS_BORDER)) << "border removed";
    EXPECT_TRUE(GetWindowLongPtrW(browser, GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
    auto* plain = dynamic_cast<CTWTreeCtrl*>(GetSkinnedWindowObject(tree_));
    ASSERT_TRUE(plain);
    EXPECT_FALSE(plain->IsFolderBrowser()) << "a tree in a dialog";

    const int indent = int(SendMessageW(browser, TVM_GETINDENT, 0, 0));
    const int height = int(SendMessageW(browser, TVM_GETITEMHEIGHT, 0, 0));
    const TreeMetrics m = TreeMetricsFor(kIcon, true, indent, height);
    const PixelBuffer pixels = CaptureClient(browser);
    auto at = [&](int x, int y) { return pixels.At(x, y) & 0xFFFFFF; };
    // Root (depth 1): the image half an image right of the item's x, no
    // button; the folder below it (depth 2) keeps its button.
    const RECT rootRow = [&] {
        RECT r{};
        memcpy(&r, &root, sizeof(root));
        SendMessageW(browser, TVM_GETITEMRECT, FALSE, reinterpret_cast<LPARAM>(&r));
        return r;
    }();
    const RECT folderRow = [&] {
        RECT r{};
        memcpy(&r, &folder, sizeof(folder));
        SendMessageW(browser, TVM_GETITEMRECT, FALSE, reinterpret_cast<LPARAM>(&r));
        return r;
    }();
    const int imageTop = rootRow.top + std::max(0, height - kIcon) / 2;
    EXPECT_EQ(at(indent + m.w2 + 1, imageTop + kIcon / 2), icon) << "image shifted by half an image";
    EXPECT_EQ(at(indent + m.w2 + kIcon - 1, imageTop + kIcon / 2), icon);
    const hexmoor::Point rootButton = TreeButtonCentre(indent, indent, m, rootRow.top);
    EXPECT_NE(at(rootButton.x, rootButton.y), IdColour(396)) << "no button on a root item";
    const hexmoor::Point folderButton = TreeButtonCentre(2 * indent, indent, m, folderRow.top);
    EXPECT_EQ(at(folderButton.x, folderButton.y), IdColour(395)) << "collapsed folder's button";

    // Skinning off gives the border back.
    RemoveSkinFromWindow(browser, 0);
    EXPECT_TRUE(GetWindowLongPtrW(browser, GWL_STYLE) & WS_BORDER);
}
