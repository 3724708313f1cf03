#include "editor/shell/main_frame.h"

#include <algorithm>
#include <optional>
#include <utility>

#include "editor/links/family.h"
#include "editor/links/grid_model.h"
#include "editor/shell/dialogs/dialog_size.h"
#include "editor/shell/editor_state.h"
#include "editor/shell/hexmoor_app.h"
#include "editor/shell/runtime_link.h"
#include "framework/strings.h"
#include "model/twf_skin.h"
#include "editor/imaging/picture_loader.h"
#include "editor/imaging/region_editor.h"
#include "resources/app_ids.h"
#include "resources/color_adjust_ids.h"
#include "resources/command_ids.h"
#include "resources/string_ids.h"
#include "resources/toolbar_images_ids.h"

namespace hexmoor::shell {

const std::array<unsigned, 21> kMainToolbarButtons = {
    ID_FILE_NEW_SKIN,
    ID_FILE_OPEN_SKIN,
    ID_FILE_SAVE_SKIN,
    0,
    ID_EDIT_COPY_VALUE,
    ID_EDIT_PASTE_VALUE,
    ID_EDIT_FILL_ALL_STATES,
    0,
    ID_VIEW_REFRESH,
    0,
    ID_VIEW_CENTER_PREVIEW,
    ID_TOOLS_ZOOMER,
    ID_TOOLS_REGION_EDITOR,
    0,
    ID_TOOLS_COLOR_ADJUSTMENT,
    ID_VIEW_SET_BACKGROUND,
    ID_VIEW_SHOW_HIDE_ALL,
    0,
    ID_APP_ABOUT,
    ID_HELP_CONTENTS,
    ID_TOOLS_COPYRIGHT_INFO,
};

const std::array<unsigned, 22> kTreeCommandButtons = {
    ID_ADD_FRAME_WINDOW,   ID_ADD_DIALOG_BACKGROUND, ID_ADD_BUTTON,        ID_ADD_CHECK_BOX,     ID_ADD_RADIO_BUTTON,
    ID_ADD_GROUP_BOX,      ID_ADD_SCROLLBARS,        ID_ADD_EDIT,          ID_ADD_LIST_BOX,      ID_ADD_COMBO_BOX,
    ID_ADD_STATIC_TEXT,    ID_ADD_TAB_CONTROLS,      ID_ADD_PROGRESS_BARS, ID_ADD_SPIN_CONTROLS, ID_ADD_SLIDERS,
    ID_ADD_HEADER,         ID_ADD_LIST_CONTROL,      ID_ADD_TREE_CONTROL,  ID_ADD_TOOLBAR,       ID_ADD_STATUS_BAR,
    ID_ADD_REGION_DEFINED, ID_ADD_CHECK_BUTTON,
};

namespace {

constexpr wchar_t kWorkspace[] = L"Workspace";
constexpr UINT kViewId = 0xE900;
constexpr UINT kToolBarId = 0xE865;
constexpr UINT kStatusBarId = 0xE801;

fw::Color SystemColor(int index) { return GetSysColor(index); }

} // namespace

CMainFrame::CMainFrame(CHexmoorApp& app)
    : app_(app),
      look_(app.GetProfile().GetInt(kWorkspace, L"ApplicationLook", fw::kDefaultLook)),
      seam_([this](const std::wstring& caption) {
          if (docks_ && docks_->Caption(kPaneProperties) != caption) docks_->SetCaption(kPaneProperties, caption);
      }) {}

links::CItemLinkObj* CPropertiesSeam::Link() const { return links::Links().current; }

void CPropertiesSeam::LetGo() {
    links::LinkEnv& env = links::Links();
    // The grid lets go of the rows first: its open editor commits through the
    // current link while that link and its element are still alive.
    if (env.grid) env.grid->ClearProperties();
    env.current = nullptr;
}

void CPropertiesSeam::ShowElement(const SelectedElement& element) {
    LetGo();
    const std::optional<preview::SelectedLink> previous =
        hasCurrent_ ? std::optional(preview::SelectedLink{current_.type, current_.scheme}) : std::nullopt;
    current_ = element;
    current_.link = nullptr; // borrowed for this call only: the tree owns it
    hasCurrent_ = true;
    // The sample of the element's kind shows (and takes its scheme).
    if (road_) road_->Select(previous ? &*previous : nullptr, {element.type, element.scheme});
    caption_(element.caption);
    links::LinkEnv& env = links::Links();
    links::CItemLinkObj* link = element.link;
    // An element item whose element the skin lacks has nothing to show.
    if (!link || (element.type != 0 && !link->GetTwfObj())) {
        if (env.host) env.host->ShowPage(false);
        return;
    }
    env.current = link;
    const int state = links::GetSelectedState();
    link->FillPropertyPage((state < 0 ? 0 : state) | links::kFirstShowFlag, nullptr);
}

void CPropertiesSeam::ClearPage() {
    // The selected element stays (selecting a root or a group keeps it); the
    // grid lets go of its link, as a delete may take the link's element.
    LetGo();
    if (links::Links().host) links::Links().host->ShowPage(false);
    caption_(fw::LoadText(IDS_PROPERTIES));
    if (road_) road_->SelectNothing();
}

void CMainFrame::ClearTrees() {
    // The items go tree by tree; the page is reset once, at the end.
    for (CPanelTree* p : {defaultControls_.get(), customControls_.get(), userData_.get()}) {
        if (!p || !p->Model()) continue;
        p->Model()->SetPageSink(nullptr);
        p->Model()->Clear();
        p->Model()->SetPageSink(&seam_);
    }
    seam_.ClearPage();
    if (colorAdjustment_) colorAdjustment_->SkinChanging();
}

void CMainFrame::FillTrees() {
    // Filling binds every element of the skin to its item (and switches the
    // custom controls on), whether or not its tab has shown: the trees not
    // made yet are made now.
    CustomControls();
    UserData();
    for (CPanelTree* p : {defaultControls_.get(), customControls_.get(), userData_.get()}) {
        if (!p || !p->Model()) continue;
        p->Model()->FillFromSkin();
        TreeView_Expand(p->Tree(), TreeViewStore::ToItem(p->Model()->Root()), TVE_EXPAND);
        InvalidateRect(p->Tree(), nullptr, TRUE);
    }
    for (CPanelTree* p : {defaultControls_.get(), customControls_.get(), userData_.get()})
        if (p) p->EnableToolbar(true);
    // An item that stayed selected (the default tree keeps its items) shows
    // its page of the new skin: no selection change will come to fill it.
    CPanelTree* trees[] = {defaultControls_.get(), customControls_.get(), userData_.get()};
    const int active = Editor().treeIndexActive;
    if (active >= 0 && active < 3 && trees[active] && trees[active]->Model())
        if (TreeHandle selected = trees[active]->Selected()) trees[active]->Model()->Select(selected);
}

CPanelTree* CMainFrame::CustomControls() {
    if (docks_) docks_->MakeContent(kPaneCustomControls);
    return customControls_.get();
}

CPanelTree* CMainFrame::UserData() {
    if (docks_) docks_->MakeContent(kPaneUserData);
    return userData_.get();
}

HWND CMainFrame::MakeTreePane(CPanelTree& pane, UINT caption) {
    if (!pane.CreatePanel(Handle(), fw::LoadText(caption), 0xFFFFFFFF, false)) return nullptr;
    ElementTree* model = pane.Model();
    if (!model) return pane.Handle();
    model->SetPageSink(&seam_);
    pane.SetResetter(&seam_);
    // The colour adjustment reaches the custom tree's elements too.
    if (&pane == customControls_.get() && colorAdjustment_)
        colorAdjustment_->SetTrees({defaultControls_.get(), customControls_.get()});
    return pane.Handle();
}

CMainFrame::~CMainFrame() = default;

bool CMainFrame::CreateMainFrame() {
    // Created hidden and maximised; start-up shows it.
    return CreateFrame(IDR_MAINFRAME, fw::LoadText(IDS_APP_TITLE),
                       (WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN | WS_MAXIMIZE) & ~WS_VISIBLE);
}

int CMainFrame::OnCreate(CREATESTRUCTW*) {
    CreateDocks();
    SetApplicationLook(look_);

    auto view = std::make_unique<preview::CSkinComposView>();
    view->SetPictureLoader([](const std::wstring& path) { return preview::LoadPicture(path, true).image; });
    if (!view->CreateView(Handle(), kViewId)) return -1;
    SetView(view->Handle());
    road_ = std::make_unique<preview::SelectionRoad>(*view);
    seam_.SetPreviewRoad(road_.get());
    view_ = std::move(view);

    runtime::AttachFrame(Handle());

    fw::ToolBarArgs tb;
    tb.id = kToolBarId;
    tb.buttons.assign(kMainToolbarButtons.begin(), kMainToolbarButtons.end());
    tb.smallImages = {IDB_TOOLBAR_COLD, IDB_TOOLBAR_HOT, IDB_TOOLBAR_DISABLED, 16};
    tb.largeImages = {IDB_TOOLBAR_LARGE_COLD, IDB_TOOLBAR_LARGE_HOT, IDB_TOOLBAR_LARGE_DISABLED, 24};
    // Big icons with labels from the start: only the set shown is loaded.
    toolbar_.SetLargeIcons(true);
    toolbar_.EnableTextLabels(true);
    if (!toolbar_.CreateIn(Handle(), tb)) return -1;
    // The tree commands' images, for whichever menu carries those commands;
    // menus simply show no image when the bitmap is missing.
    menuImages_.AddToolBarImages(kTreeCommandButtons, IDB_TREE_COMMANDS);

    if (!status_.CreateIn(
            Handle(), kStatusBarId,
            {{IDS_INDICATOR_CAPS, VK_CAPITAL}, {IDS_INDICATOR_NUM, VK_NUMLOCK}, {IDS_INDICATOR_SCROLL, VK_SCROLL}}))
        return -1;

    CreatePanes();
    BuildDefaultLayout();
    std::wstring saved = app_.GetProfile().GetString(kWorkspace, L"DockState", L"");
    if (!saved.empty()) docks_->LoadState(saved);
    BindCommands();
    // The colour-adjustment pane starts hidden: hidden before the first
    // layout, which then lays the panes out once.
    HideColorAdjustPane();
    SetLookColors(Editor().look, look_ == 0);
    // No layout here: CreateWindowEx sends WM_SIZE once WM_CREATE returns.
    return 0;
}

void CMainFrame::CreatePanes() {
    // The panels are made hidden: the first layout moves each into its dock
    // container and shows it there (moving a shown window costs more).
    HWND h = Handle();
    zoomer_ = std::make_unique<CPanelZoomer>([this] { TogglePane(kPaneZoomer); });
    zoomer_->CreatePanel(h, fw::LoadText(IDS_ZOOMER), 1, false);
    defaultControls_ = MakeDefaultControlsPanel();
    defaultControls_->CreatePanel(h, fw::LoadText(IDS_DEFAULT_CONTROLS), 0xFFFFFFFF, false);
    // The two trees behind the default tree's tab are made when first shown.
    customControls_ = MakeCustomControlsPanel();
    userData_ = MakeUserDataPanel();
    if (ElementTree* model = defaultControls_->Model()) {
        model->SetPageSink(&seam_);
        defaultControls_->SetResetter(&seam_);
    }
    properties_ = std::make_unique<CPanelProperties>();
    properties_->CreatePanel(h, fw::LoadText(IDS_PROPERTIES), 1, false);
    options_ = std::make_unique<CPanelOptions>();
    options_->CreatePanel(h, fw::LoadText(IDS_OPTIONS), 1, false);
    colorAdjustment_ = std::make_unique<CPanelColorAdjustment>(app_.Messages());
    colorAdjustment_->CreatePanel(h, fw::LoadText(IDS_COLOR_ADJUSTMENT), IDD_COLOR_ADJUST, false);
    colorAdjustment_->SetTrees({defaultControls_.get(), customControls_.get()});

    struct {
        int id;
        UINT caption;
        fw::Window* content;
        CPanelTree* madeWhenShown;
    } panes[] = {
        {kPaneZoomer, IDS_ZOOMER, zoomer_.get(), nullptr},
        {kPaneDefaultControls, IDS_DEFAULT_CONTROLS, defaultControls_.get(), nullptr},
        {kPaneCustomControls, IDS_CUSTOM_CONTROLS, nullptr, customControls_.get()},
        {kPaneUserData, IDS_USER_DATA, nullptr, userData_.get()},
        {kPaneProperties, IDS_PROPERTIES, properties_.get(), nullptr},
        {kPaneOptions, IDS_OPTIONS, options_.get(), nullptr},
        {kPaneColorAdjustment, IDS_COLOR_ADJUSTMENT, colorAdjustment_.get(), nullptr},
    };
    for (const auto& p : panes) {
        if (p.content) {
            docks_->AddPane(p.id, fw::LoadText(p.caption), p.content->Handle());
            continue;
        }
        docks_->AddPane(p.id, fw::LoadText(p.caption),
                        [this, tree = p.madeWhenShown, caption = p.caption] { return MakeTreePane(*tree, caption); });
    }
}

void CMainFrame::BuildDefaultLayout() {
    fw::DockLayout& l = docks_->Layout();
    // Left: the three trees as one tab group with the Zoomer under it.
    l.AddPane(kPaneDefaultControls, fw::DockSide::Left, 250, 600);
    l.AddPane(kPaneCustomControls, fw::DockSide::Left, 250, 600);
    l.AddPane(kPaneUserData, fw::DockSide::Left, 250, 600);
    l.AddTab(kPaneCustomControls, kPaneDefaultControls);
    l.AddTab(kPaneUserData, kPaneDefaultControls);
    l.Activate(kPaneDefaultControls);
    l.AddPane(kPaneZoomer, fw::DockSide::Left, 250, 250, true);
    // Right: colour adjustment above the properties, options below.
    // The colour-adjustment dialog shows whole at its default size: the
    // pane is at least as large as its template makes it on this screen,
    // with the panel's border and the pane's caption around it.
    const SIZE dialog = DialogTemplatePixelSize(fw::ResourceModule(), IDD_COLOR_ADJUST);
    const int border = 2 * 2;
    l.AddPane(kPaneColorAdjustment, fw::DockSide::Right, std::max<int>(265, dialog.cx + border),
              std::max<int>(250, dialog.cy + border + l.Metrics().caption));
    l.AddPane(kPaneProperties, fw::DockSide::Right, 255, 250);
    l.AddPane(kPaneOptions, fw::DockSide::Right, 250, 250);
}

void CMainFrame::BindPaneToggle(unsigned command, int pane, bool requireWindow) {
    commands_.On(command, [this, pane] { TogglePane(pane); });
    commands_.Update(command, [this, pane, requireWindow](fw::CommandState& s) {
        bool visible = IsPaneVisible(pane);
        if (requireWindow && visible) {
            HWND content = docks_->Content(pane);
            // Auto-hidden panes count as shown while their tab is there.
            visible = docks_->Layout().Mode(pane) == fw::PaneMode::AutoHidden || (content && IsWindowVisible(content));
        }
        s.checked = visible;
    });
}

void CMainFrame::BindCommands() {
    BindPaneToggle(ID_VIEW_DEFAULT_CONTROLS, kPaneDefaultControls, false);
    BindPaneToggle(ID_VIEW_CUSTOM_CONTROLS, kPaneCustomControls, false);
    BindPaneToggle(ID_VIEW_USER_DATA, kPaneUserData, false);
    BindPaneToggle(ID_VIEW_PROPERTIES, kPaneProperties, true);
    BindPaneToggle(ID_VIEW_OPTIONS, kPaneOptions, false);
    BindPaneToggle(ID_TOOLS_ZOOMER, kPaneZoomer, true);
    BindPaneToggle(ID_TOOLS_COLOR_ADJUSTMENT, kPaneColorAdjustment, false);
    commands_.On(ID_TOOLS_REGION_EDITOR,
                 [this] { preview::RegionEditor::Open(Handle(), app_.FileDialogs(), app_.Messages()); });
    commands_.On(ID_VIEW_SHOW_HIDE_ALL, [this] { ShowHideAll(); });
    commands_.On(ID_VIEW_CENTER_PREVIEW, [this] { view_->CenterPreviews(); });
    commands_.On(ID_NEXT_PANE, [this] { docks_->FocusNextPane(true); });
    commands_.On(ID_PREV_PANE, [this] { docks_->FocusNextPane(false); });
    commands_.On(ID_VIEW_LOCK_CONTROL, [] {});
    commands_.On(ID_VIEW_STATUS_BAR, [this] { ShowStatusBar(!StatusBarVisible()); });
    commands_.Update(ID_VIEW_STATUS_BAR, [this](fw::CommandState& s) { s.checked = StatusBarVisible(); });
    commands_.On(ID_VIEW_LARGE_ICONS, [this] {
        toolbar_.SetLargeIcons(true);
        RecalcLayout();
    });
    commands_.Update(ID_VIEW_LARGE_ICONS, [this](fw::CommandState& s) { s.radio = s.checked = toolbar_.LargeIcons(); });
    commands_.On(ID_VIEW_SMALL_ICONS, [this] {
        toolbar_.SetLargeIcons(false);
        RecalcLayout();
    });
    commands_.Update(ID_VIEW_SMALL_ICONS,
                     [this](fw::CommandState& s) { s.radio = s.checked = !toolbar_.LargeIcons(); });
    commands_.On(ID_VIEW_TEXT_LABELS, [this] {
        toolbar_.EnableTextLabels(!toolbar_.TextLabels());
        RecalcLayout();
    });
    commands_.Update(ID_VIEW_TEXT_LABELS, [this](fw::CommandState& s) { s.checked = toolbar_.TextLabels(); });
    struct {
        unsigned command;
        int look;
    } looks[] = {{ID_VIEW_LOOK_WINDOWS, 0}, {ID_VIEW_LOOK_SILVER, 2}, {ID_VIEW_LOOK_BLACK, 3}, {ID_VIEW_LOOK_BLUE, 4}};
    for (const auto& l : looks) {
        commands_.On(l.command, [this, look = l.look] { SetApplicationLook(look); });
        commands_.Update(l.command,
                         [this, look = l.look](fw::CommandState& s) { s.radio = s.checked = look_ == look; });
    }
}

bool CMainFrame::IsPaneVisible(int pane) const { return docks_ && docks_->IsPaneVisible(pane); }

void CMainFrame::TogglePane(int pane) {
    if (!docks_) return;
    docks_->ShowPane(pane, !docks_->IsPaneVisible(pane));
}

void CMainFrame::HideColorAdjustPane() {
    if (docks_) docks_->ShowPane(kPaneColorAdjustment, false);
}

void CMainFrame::ShowHideAll() {
    fw::DockLayout& layout = docks_->Layout();
    if (showAll_) {
        for (std::size_t i = 0; i < kShowHideAllOrder.size(); ++i) {
            int pane = kShowHideAllOrder[i];
            remembered_[i] = IsPaneVisible(pane);
            rememberedFront_[i] = remembered_[i] && layout.ActiveInGroupOf(pane) == pane;
        }
        for (int pane : kShowHideAllOrder) docks_->ShowPane(pane, false);
    } else {
        for (std::size_t i = 0; i < kShowHideAllOrder.size(); ++i)
            docks_->ShowPane(kShowHideAllOrder[i], remembered_[i]);
        // Showing a pane brings it to the front of its tab group: the tabs
        // that were in front come back in front.
        for (std::size_t i = 0; i < kShowHideAllOrder.size(); ++i)
            if (rememberedFront_[i]) layout.Activate(kShowHideAllOrder[i]);
        docks_->Reapply();
    }
    showAll_ = !showAll_;
}

void CMainFrame::SetApplicationLook(int look) {
    look_ = (look >= 0 && look < fw::kLookCount) ? look : fw::kDefaultLook;
    Editor().look = fw::LookScheme(look_, &SystemColor);
    if (!Handle()) return;
    SetLookColors(Editor().look, look_ == 0);
    RecalcLayout();
    RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN | RDW_FRAME);
}

bool CMainFrame::OnClose() {
    app_.Placements().SaveAll();
    if (Editor().documentModified) {
        int r = app_.Messages().Show(nullptr, L"Would you like to save your changes?", L"Warning",
                                     MB_YESNOCANCEL | MB_ICONINFORMATION);
        if (r == IDCANCEL) return true;
        // A cancelled or failed save keeps the frame open: closing would lose
        // the changes.
        if (r == IDYES && !GoesOn(app_.SaveSkinFile(app_.CurrentSkinPath(), true))) return true;
    }
    UINT format = RegisterClipboardFormatW(L"MARGIN_BITMAP");
    if (OpenClipboard(Handle())) {
        if (IsClipboardFormatAvailable(format) &&
            app_.Messages().Show(Handle(), L"Do you want to leave clipboard data for other application?",
                                 fw::LoadText(IDS_APP_TITLE), MB_YESNO | MB_ICONINFORMATION) == IDNO)
            SetClipboardData(format, nullptr);
        CloseClipboard();
    }
    DestroyWindow(Handle());
    return true;
}

void CMainFrame::OnMenuOpening(HMENU popup) { app_.RecentFiles().FillMenu(popup, ID_FILE_MRU_FIRST, L"Recent File"); }

void CMainFrame::OnDestroy() {
    // The grid still exists here: it lets go of the current link's rows.
    seam_.LetGo();
    seam_.SetPreviewRoad(nullptr);
    app_.GetProfile().WriteInt(kWorkspace, L"ApplicationLook", look_);
    if (docks_) app_.GetProfile().WriteString(kWorkspace, L"DockState", docks_->SaveState());
    PostQuitMessage(0);
}

LRESULT CMainFrame::WindowProc(UINT msg, WPARAM wp, LPARAM lp) {
    // The samples' captions follow the frame's.
    if (msg == WM_NCACTIVATE && view_) view_->SyncActivation(wp != 0);
    if (msg == WM_GETMINMAXINFO) {
        // The system's sizes first, then the smallest frame we allow.
        FrameWindow::WindowProc(msg, wp, lp);
        auto* mmi = reinterpret_cast<MINMAXINFO*>(lp);
        mmi->ptMinTrackSize = {300, 300};
        return 0;
    }
    return FrameWindow::WindowProc(msg, wp, lp);
}

} // namespace hexmoor::shell
