#pragma once
// The editor's one top-level window: menu bar, main toolbar, status bar,
// the preview area and the seven docking panes, the application looks, the
// pane toggles and the guarded close.

#include <windows.h>

#include <array>
#include <functional>
#include <memory>
#include <vector>

#include "editor/links/item_link.h"
#include "editor/preview/view/compos_view.h"
#include "editor/preview/view/preview_roads.h"
#include "editor/shell/color_adjust/color_adjust_panel.h"
#include "editor/shell/panes/panels.h"
#include "editor/shell/panes/zoomer_pane.h"
#include "framework/frame_window.h"
#include "resources/mainframe_ids.h"

namespace hexmoor::shell {

// Dock ids of the seven panes, by the names the code uses (the numbers are
// the resource family's).
enum PaneId : int {
    kPaneZoomer = IDW_PANE_ZOOMER,
    kPaneDefaultControls = IDW_PANE_DEFAULT_CONTROLS,
    kPaneCustomControls = IDW_PANE_CUSTOM_CONTROLS,
    kPaneUserData = IDW_PANE_USER_DATA,
    kPaneProperties = IDW_PANE_PROPERTIES,
    kPaneOptions = IDW_PANE_OPTIONS,
    kPaneColorAdjustment = IDW_PANE_COLOR_ADJUSTMENT,
};

// Show/Hide All remembers the panes in this order.
inline constexpr std::array<int, 7> kShowHideAllOrder = {kPaneDefaultControls, kPaneCustomControls, kPaneUserData,
                                                         kPaneZoomer,          kPaneOptions,        kPaneProperties,
                                                         kPaneColorAdjustment};

// The main toolbar's buttons; 0 marks a separator.
extern const std::array<unsigned, 21> kMainToolbarButtons;
// The element trees' commands whose images (bitmap 188, in this order) the
// menus show.
extern const std::array<unsigned, 22> kTreeCommandButtons;

class CHexmoorApp;

// Where a selected tree item's page goes. The Properties pane takes the
// item's caption; the item's link (the tree owns it) becomes the current
// link and fills the grid with the checked state's page, declaring its state
// buttons. An item without a link shows the caption and no rows.
//
// It is also what Clear resets an element's parts through, each part by
// its item's link; the page shown is then refilled through the link that
// fills it.
class CPropertiesSeam : public PageSink, public ElementResetter {
public:
    explicit CPropertiesSeam(std::function<void(const std::wstring&)> caption) : caption_(std::move(caption)) {}
    ~CPropertiesSeam() override { LetGo(); }
    void ShowElement(const SelectedElement& element) override;
    void ClearPage() override;
    bool CanReset(int kind) const override;
    void Reset(int kind, WORD type, const std::wstring& scheme, links::CItemLinkObj* link,
               bool refreshPreview) override;
    void RefillPage() override;
    void RefreshPreview() override;
    const SelectedElement* Current() const { return hasCurrent_ ? &current_ : nullptr; }
    // The road that shows the selected element's sample in the preview.
    void SetPreviewRoad(preview::SelectionRoad* road) { road_ = road; }
    // The link filling the grid (the current link), or null.
    links::CItemLinkObj* Link() const;
    // Empties the grid (an open editor committed through the current link
    // first) and lets go of the current link; the trees keep their links.
    void LetGo();

private:
    std::function<void(const std::wstring&)> caption_;
    SelectedElement current_;
    bool hasCurrent_ = false;
    preview::SelectionRoad* road_ = nullptr;
};

class CMainFrame : public fw::FrameWindow {
public:
    explicit CMainFrame(CHexmoorApp& app);
    ~CMainFrame() override;

    bool CreateMainFrame();

    void TogglePane(int pane);
    void HideColorAdjustPane();
    bool IsPaneVisible(int pane) const;
    void SetApplicationLook(int look);
    int ApplicationLook() const { return look_; }
    void ShowHideAll();

    CPanelTree* DefaultControls() const { return defaultControls_.get(); }
    // The custom-controls and user-data trees sit behind the default tree's
    // tab and are empty until a skin is filled in: their windows are made
    // when their tab first shows, when a skin fills the trees, or here, when
    // something asks for them first.
    CPanelTree* CustomControls();
    CPanelTree* UserData();
    CPanelProperties* Properties() const { return properties_.get(); }
    CPanelOptions* Options() const { return options_.get(); }
    CPanelZoomer* Zoomer() const { return zoomer_.get(); }
    CPropertiesSeam& PropertiesSeam() { return seam_; }
    // The custom-controls and user-data trees emptied before the skin
    // changes (their skin objects stay) and refilled from it afterwards.
    void ClearTrees();
    void FillTrees();
    CPanelColorAdjustment* ColorAdjustment() const { return colorAdjustment_.get(); }
    // The composition view in the middle of the frame.
    preview::CSkinComposView* Preview() const { return view_.get(); }

protected:
    int OnCreate(CREATESTRUCTW* cs) override;
    void OnDestroy() override;
    bool OnClose() override;
    void OnMenuOpening(HMENU popup) override;
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    void CreatePanes();
    // Makes a tree pane's window (empty, as before any skin) and binds it to
    // the properties seam and the colour adjustment.
    HWND MakeTreePane(CPanelTree& pane, UINT caption);
    void BuildDefaultLayout();
    void BindCommands();
    void BindPaneToggle(unsigned command, int pane, bool requireWindow);

    CHexmoorApp& app_;
    int look_;
    bool showAll_ = true;
    std::array<bool, 7> remembered_{};
    std::array<bool, 7> rememberedFront_{};
    std::unique_ptr<preview::CSkinComposView> view_;
    std::unique_ptr<preview::SelectionRoad> road_;
    std::unique_ptr<CPanelZoomer> zoomer_;
    std::unique_ptr<CPanelTree> defaultControls_;
    std::unique_ptr<CPanelTree> customControls_;
    std::unique_ptr<CPanelTree> userData_;
    std::unique_ptr<CPanelProperties> properties_;
    std::unique_ptr<CPanelOptions> options_;
    CPropertiesSeam seam_;
    std::unique_ptr<CPanelColorAdjustment> colorAdjustment_;
};

} // namespace hexmoor::shell
