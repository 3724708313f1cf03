#pragma once
// The contents of the docking panes. Each derives from CPanelBase, which
// gives it a two-pixel border and the look's face colour. The trees, the
// property grid, the option pages, the magnifier and the colour-adjustment
// page are built elsewhere; until then their panels show their toolbars
// and an empty area.

#include <windows.h>
#include <commctrl.h>

#include <memory>
#include <vector>
#include <string>

#include "base/win/handles.h"
#include "editor/shell/trees/element_tree.h"
#include "editor/shell/trees/element_tree_view.h"
#include "editor/shell/trees/tree_images.h"
#include "editor/shell/panes/toolbar24.h"
#include "editor/shell/trees/tree_view_store.h"
#include "framework/command.h"
#include "framework/window.h"

namespace hexmoor::links {
class CPropertyList;
} // namespace hexmoor::links

namespace hexmoor::shell {

class OptionsPagesSet;
class PropertiesHost;
class RuntimePreview;

class CPanelBase : public fw::Window {
public:
    // Creates the panel as a child of parent with the given window name;
    // hidden when asked (a docked pane's panel shows where the docking
    // layout puts it).
    bool CreatePanel(HWND parent, const std::wstring& name, UINT id, bool visible = true);

protected:
    // The window class's background brush (none: the panel paints itself).
    virtual HBRUSH ClassBrush() const { return nullptr; }
    virtual void AdjustContentRect(RECT* rect);
    virtual void EraseBackground(HDC dc, bool systemColors);
    virtual void DrawBorder(HDC dc, bool systemColors);
    // The panel was shown or hidden, once per change. The docking shows a
    // pane's content with SetWindowPos, which sends no WM_SHOWWINDOW, and
    // hides it with ShowWindow, which sends no position change while the
    // frame is hidden: both are followed.
    virtual void OnShownChanged(bool shown) {}
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;
    bool systemColors_ = false;

private:
    void NoteShown(bool shown);
    bool shown_ = false;
};

// One button of a pane toolbar: command id, image index, tooltip.
struct PaneButton {
    int command;
    int image;
    const wchar_t* tooltip;
};

// The tree panels: a small toolbar above the element tree.
class CPanelTree : public CPanelBase {
public:
    // mode: 0 default controls, 1 custom controls, 2 user data.
    CPanelTree(int mode, UINT toolbarId, UINT treeId, DWORD treeStyle, std::initializer_list<PaneButton> buttons);
    HWND Tree() const { return tree_; }
    CToolBar24BitCtrl& Bar() { return toolbar_; }
    // Enables or disables every button (off until a skin exists).
    void EnableToolbar(bool enable);
    // The tree's logic.
    ElementTree* Model() const { return model_.get(); }
    TreeViewStore& Store() { return store_; }
    // The selected item, or null.
    TreeHandle Selected() const;
    // Starts editing the selected item's label when it may be renamed.
    bool BeginRename();
    fw::CommandTable* Commands() override { return &commands_; }
    // What Clear resets an element's parts through (the properties seam).
    void SetResetter(ElementResetter* resetter) { resetter_ = resetter; }
    // Clear on the selected item, when every part it resets can be reset.
    bool CanClearSelected() const;
    bool ClearSelected();
    // Fill Inactive State on a selected frame side, after the user agrees.
    bool CanFillInactive() const;
    void FillInactiveSelected();
    // The scroll bars' "Fill From ..." commands: offered on the bar whose
    // link class the command names; after a confirmation the bar takes the
    // other kind of bar's images.
    bool CanFillScrollBar(UINT command) const;
    void FillScrollBarSelected(UINT command);
    // Copies the selected item's element into the custom-controls tree
    // (beside itself inside that tree) and selects the copy there.
    TreeHandle CopySelected();
    // Deletes the selected item (a whole folder with its skin objects),
    // first asking "Are you sure you want to delete the selected item?"
    // when ask is set; No keeps it. True when the item was deleted.
    bool DeleteSelected(bool ask);
    // Asks for a name (what 0: a folder; 1: a custom control, of the
    // adder's kind or, without one, of a kind chosen in the dialog; 2: user
    // data) and adds the item under that name where an addition goes,
    // selected. Nothing when the dialog is cancelled.
    TreeHandle AddNamedItem(int what, UINT adder = 0);
    // The colour-adjustment marks in front of the icons (while the
    // colour-adjustment pane shows; default and custom trees), and the
    // marks' look and the tree's lock while an adjustment of one control
    // runs.
    void ShowAdjustMarks(bool on);
    bool MarksShown() const { return marksShown_; }
    void SetColorAdjustMode(bool on);
    // A left click at the point (tree client coordinates) on an item's
    // mark, taken by the mark: true when it switched the item's branch.
    bool ClickMarkAt(POINT pt);

protected:
    int OnCreate(CREATESTRUCTW* cs) override;
    void OnDestroy() override;
    void OnSize(UINT type, int cx, int cy) override;
    bool OnNotify(NMHDR* hdr, LRESULT& result) override;
    bool OnCommand(UINT id, UINT code, HWND control) override;
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    void BindCommands();
    void BindItemCommands();
    // The toolbar's tooltip, made when the mouse first comes over the bar.
    void MakeToolbarTooltip();
    bool OnTreeNotify(NMHDR* hdr, LRESULT& result);
    // Moves the selected item up (0) or down (1) and keeps it selected.
    void MoveSelected(int direction);
    // Drag and drop in the custom trees: the drag starts on the tree's
    // notification; the panel holds the mouse until the button goes up.
    void BeginDrag(HTREEITEM item);
    bool OnDragMessage(UINT msg, LPARAM lp);
    // The context menu of the item under the mouse, which becomes the
    // selection.
    void ShowItemMenu();

    int mode_;
    TreeViewStore store_;
    std::unique_ptr<ElementTree> model_;
    fw::CommandTable commands_;
    UINT toolbarId_, treeId_;
    DWORD treeStyle_;
    std::vector<PaneButton> buttons_;
    CToolBar24BitCtrl toolbar_;
    HWND tooltip_ = nullptr;
    HWND tree_ = nullptr;
    CElementTreeView treeView_;
    // The default tree's check boxes (its state images).
    hexmoor::win::ImageList checkImages_;
    TreeImages images_;
    bool marksShown_ = false;
    HTREEITEM dragged_ = nullptr;
    HTREEITEM dropTarget_ = nullptr;
    ElementResetter* resetter_ = nullptr;
};

std::unique_ptr<CPanelTree> MakeDefaultControlsPanel();
std::unique_ptr<CPanelTree> MakeCustomControlsPanel();
std::unique_ptr<CPanelTree> MakeUserDataPanel();

// The properties panel: the state bar above the property grid.
class CPanelProperties : public CPanelBase {
public:
    CPanelProperties();
    ~CPanelProperties() override;
    // The grid's control id (owner-drawn lines are measured through it).
    static constexpr UINT kPropertyGridId = 1100;
    CToolBar24BitCtrl& StateBar() { return stateBar_; }
    // The property grid (created with the panel; hidden until a page shows).
    links::CPropertyList* Grid() const { return grid_.get(); }
    // Shows or hides one state button (or all with -1).
    bool ShowStateButton(int state, bool show);
    void ShowPropertyPage(int showCommand);
    // The checked state button, or -1.
    int GetSelectedState() const;
    // Only checks the state's button (the links check the state they fill).
    void CheckStateButton(int state);
    // Does what a click on the state's button does: checks it and refills
    // the current link's page for it, row 0 selected.
    void SelectState(int state);
    // ',' and '.': the next (or previous) shown state, selected as above.
    void SelectNextState(bool forward);

protected:
    HBRUSH ClassBrush() const override { return reinterpret_cast<HBRUSH>(COLOR_MENU + 1); }
    int OnCreate(CREATESTRUCTW* cs) override;
    void OnSize(UINT type, int cx, int cy) override;
    bool OnNotify(NMHDR* hdr, LRESULT& result) override;
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    // A click on a state button selects its state.
    void OnStateClicked();

    CToolBar24BitCtrl stateBar_;
    std::unique_ptr<links::CPropertyList> grid_;
    std::unique_ptr<PropertiesHost> host_;
    std::unique_ptr<RuntimePreview> preview_;
};

// The options panel: holds the image and region option pages and names
// them in tooltips.
class CPanelOptions : public CPanelBase {
public:
    CPanelOptions();
    ~CPanelOptions() override;
    // -1 hides the pages; 0 shows the page for an image row, 1 the region
    // page (nothing without a current element link).
    void SelectOptionsView(int mode);
    OptionsPagesSet& Pages() { return *pages_; }
    // The page-shown flag: the panel paints with the system colours.
    bool SystemColors() const { return systemColors_; }

protected:
    HBRUSH ClassBrush() const override { return reinterpret_cast<HBRUSH>(COLOR_MENU + 1); }
    int OnCreate(CREATESTRUCTW* cs) override;
    void OnSize(UINT type, int cx, int cy) override;
    bool OnNotify(NMHDR* hdr, LRESULT& result) override;

private:
    std::unique_ptr<OptionsPagesSet> pages_;
    HWND tooltip_ = nullptr;
};

// Placeholders for the magnifier and the colour-adjustment page.
class CPanelPlaceholder : public CPanelBase {};

// Fills a tooltip's text request (TTN_NEEDTEXTA or TTN_NEEDTEXTW) with
// text; false for other notifications.
bool AnswerTooltipText(NMHDR* hdr, const std::wstring& text);

// Which of five state buttons (hidden flags) comes next from start, or -1
// when none other is visible.
int NextVisibleState(const bool hidden[5], int start, bool forward);

} // namespace hexmoor::shell
