#include "editor/shell/panes/panels.h"

#include <vector>

#include "editor/links/item_link.h"
#include "editor/links/win/property_list.h"
#include "editor/shell/editor_state.h"
#include "editor/shell/panes/options_pages.h"
#include "editor/shell/runtime_link.h"
#include "resources/command_ids.h"
#include "editor/shell/panes/properties_host.h"
#include "editor/shell/trees/tree_checks.h"
#include "base/win/gdi.h"
#include "framework/strings.h"
#include "resources/string_ids.h"
#include "resources/toolbar_images_ids.h"

namespace hexmoor::shell {

namespace {

COLORREF FaceColor(bool system) { return system ? GetSysColor(COLOR_BTNFACE) : Editor().look.barFace; }
COLORREF ShadowColor(bool system) { return system ? GetSysColor(COLOR_BTNSHADOW) : Editor().look.barShadow; }

constexpr KeyColor kGrey{192, 192, 192};

} // namespace

bool AnswerTooltipText(NMHDR* hdr, const std::wstring& text) {
    if (hdr->code == TTN_NEEDTEXTA) {
        auto* di = reinterpret_cast<NMTTDISPINFOA*>(hdr);
        const int n = WideCharToMultiByte(CP_ACP, 0, text.c_str(), static_cast<int>(text.size()), di->szText,
                                          static_cast<int>(std::size(di->szText)) - 1, nullptr, nullptr);
        di->szText[n > 0 ? n : 0] = '\0';
        di->lpszText = di->szText;
        di->hinst = nullptr;
        return true;
    }
    if (hdr->code == TTN_NEEDTEXTW) {
        auto* di = reinterpret_cast<NMTTDISPINFOW*>(hdr);
        wcsncpy(di->szText, text.c_str(), std::size(di->szText) - 1);
        di->szText[std::size(di->szText) - 1] = L'\0';
        di->lpszText = di->szText;
        di->hinst = nullptr;
        return true;
    }
    return false;
}

bool CPanelBase::CreatePanel(HWND parent, const std::wstring& name, UINT id, bool visible) {
    fw::WindowArgs a;
    a.style = WS_CHILD | WS_CLIPCHILDREN | (visible ? WS_VISIBLE : 0);
    a.text = name;
    a.parent = parent;
    a.menuOrId = reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id));
    a.background = ClassBrush();
    return Create(a);
}

void CPanelBase::AdjustContentRect(RECT* rect) { InflateRect(rect, -2, -2); }

void CPanelBase::EraseBackground(HDC dc, bool systemColors) {
    RECT rc;
    GetClientRect(Handle(), &rc);
    hexmoor::win::Brush brush(CreateSolidBrush(FaceColor(systemColors)));
    hexmoor::win::SelectGuard sel(dc, brush.Get());
    PatBlt(dc, 0, 0, rc.right, rc.bottom, PATCOPY);
}

void CPanelBase::DrawBorder(HDC dc, bool systemColors) {
    RECT wr, cr;
    GetWindowRect(Handle(), &wr);
    GetClientRect(Handle(), &cr);
    MapWindowPoints(Handle(), nullptr, reinterpret_cast<POINT*>(&cr), 2);
    OffsetRect(&cr, -wr.left, -wr.top);
    OffsetRect(&wr, -wr.left, -wr.top);
    ExcludeClipRect(dc, cr.left, cr.top, cr.right, cr.bottom);
    hexmoor::win::Brush brush(CreateSolidBrush(FaceColor(systemColors)));
    hexmoor::win::Pen pen(CreatePen(PS_SOLID, 1, ShadowColor(systemColors)));
    hexmoor::win::SelectGuard b(dc, brush.Get());
    hexmoor::win::SelectGuard p(dc, pen.Get());
    Rectangle(dc, wr.left, wr.top, wr.right, wr.bottom);
}

void CPanelBase::NoteShown(bool shown) {
    if (shown == shown_) return;
    shown_ = shown;
    OnShownChanged(shown);
}

LRESULT CPanelBase::WindowProc(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_NCCALCSIZE:
        if (wp) {
            AdjustContentRect(&reinterpret_cast<NCCALCSIZE_PARAMS*>(lp)->rgrc[0]);
            return 0;
        }
        AdjustContentRect(reinterpret_cast<RECT*>(lp));
        return 0;
    case WM_NCPAINT: {
        hexmoor::win::WindowDC dc(Handle(), true);
        DrawBorder(dc.Get(), systemColors_);
        return 0;
    }
    case WM_ERASEBKGND:
        // Also asked by the flat (transparent) toolbars for what lies behind
        // them, with the DC's origin moved to this panel's corner: the face
        // colour goes under every repaint of theirs.
        EraseBackground(reinterpret_cast<HDC>(wp), systemColors_);
        return 1;
    case WM_PAINT: {
        hexmoor::win::PaintScope ps(Handle());
        EraseBackground(ps.Dc(), systemColors_);
        return 0;
    }
    case WM_CREATE: {
        // A panel created visible is shown from the start, whether or not a
        // position change says so.
        const LRESULT result = Window::WindowProc(msg, wp, lp);
        if (result != -1) NoteShown((reinterpret_cast<const CREATESTRUCTW*>(lp)->style & WS_VISIBLE) != 0);
        return result;
    }
    case WM_SHOWWINDOW:
        // ShowWindow on a panel whose frame is hidden changes the style
        // with no position change; a parent's show (lp set) changes none.
        if (lp == 0) NoteShown(wp != 0);
        break;
    case WM_WINDOWPOSCHANGED:
        // The style, not the flags: Wine's ShowWindow(SW_HIDE) on a child
        // reports the change without SWP_HIDEWINDOW.
        NoteShown((GetWindowLongPtrW(Handle(), GWL_STYLE) & WS_VISIBLE) != 0);
        break;
    default: break;
    }
    return Window::WindowProc(msg, wp, lp);
}

CPanelTree::CPanelTree(int mode, UINT toolbarId, UINT treeId, DWORD treeStyle,
                       std::initializer_list<PaneButton> buttons)
    : mode_(mode),
      toolbarId_(toolbarId),
      treeId_(treeId),
      treeStyle_(treeStyle),
      buttons_(buttons),
      toolbar_(SIZE{21, 21}, 8, kGrey) {}

int CPanelTree::OnCreate(CREATESTRUCTW*) {
    toolbar_.CreateIn(Handle(), toolbarId_, WS_CHILD | WS_VISIBLE | TBSTYLE_FLAT | CCS_NORESIZE);
    toolbar_.MakeTooltipWhenHovered([this] { MakeToolbarTooltip(); });
    toolbar_.LoadImages(IDB_PANE_TOOLBAR, IDB_PANE_TOOLBAR, IDB_PANE_TOOLBAR_HOT);
    // Added in one message: the bar lays itself out once, not once per button.
    std::vector<TBBUTTON> added;
    for (const PaneButton& b : buttons_) {
        TBBUTTON tb{};
        tb.iBitmap = b.image;
        tb.idCommand = b.command;
        tb.fsState = 0; // disabled until a skin has been created or opened
        tb.fsStyle = BTNS_BUTTON;
        added.push_back(tb);
    }
    SendMessageW(toolbar_.Handle(), TB_ADDBUTTONSW, added.size(), reinterpret_cast<LPARAM>(added.data()));
    tree_ = CreateWindowExW(WS_EX_CLIENTEDGE, WC_TREEVIEWW, nullptr, treeStyle_ | WS_VISIBLE, 0, 0, 0, 0, Handle(),
                            reinterpret_cast<HMENU>(static_cast<UINT_PTR>(treeId_)), fw::ResourceModule(), nullptr);
    if (!tree_) return -1;
    Editor().trees[static_cast<std::size_t>(mode_)] = tree_;
    store_.SetWindow(tree_);
    // White behind the icons, as the marks are composed on white.
    TreeView_SetBkColor(tree_, RGB(255, 255, 255));
    if (images_.Load(fw::ResourceModule())) TreeView_SetImageList(tree_, images_.Icons(), TVSIL_NORMAL);
    // Rows two pixels taller than the control's own, so that icons and marks
    // do not touch the row above.
    TreeView_SetItemHeight(tree_, TreeView_GetItemHeight(tree_) + 2);
    if (mode_ == 0) {
        checkImages_ = MakeCheckBoxImages();
        TreeView_SetImageList(tree_, checkImages_.Get(), TVSIL_STATE);
    }
    model_ = std::make_unique<ElementTree>(store_, mode_, [] { return runtime::MainSkin(); });
    model_->SetOnModified([] { Editor().documentModified = true; });
    if (mode_ == 0) {
        // A changed check shows at once on the skinned sample windows.
        model_->SetOnCheck([](WORD type, bool) {
            if (links::PreviewSink* preview = links::Links().preview) preview->RefreshSkinnedWindows(type);
        });
        for (TreeHandle g = store_.FirstChild(model_->Root()); g; g = store_.NextSibling(g))
            TreeView_Expand(tree_, TreeViewStore::ToItem(g), TVE_EXPAND);
        TreeView_Expand(tree_, TreeViewStore::ToItem(model_->Root()), TVE_EXPAND);
    } else {
        BindCommands();
    }
    // Bound once the items are in: nothing above needs it.
    treeView_.Attach(tree_);
    if (mode_ != 2) treeView_.WatchMarkClicks(this);
    if (mode_ == 0) treeView_.WatchCheckBoxes(model_.get());
    BindItemCommands();
    return 0;
}

void CPanelTree::MakeToolbarTooltip() {
    // One tooltip, the panel's own (always shown, texts from the button
    // list): the toolbar is not asked to make one of its own.
    tooltip_ = CreateWindowExW(0, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP, 0, 0, 0, 0, toolbar_.Handle(),
                               nullptr, fw::ResourceModule(), nullptr);
    if (!tooltip_) return;
    SendMessageW(toolbar_.Handle(), TB_SETTOOLTIPS, reinterpret_cast<WPARAM>(tooltip_), 0);
    int pos = 0;
    for (const PaneButton& b : buttons_) {
        TTTOOLINFOW ti{};
        ti.cbSize = sizeof ti;
        // No TTF_SUBCLASS: the toolbar hands its mouse messages to the tooltip
        // it was given, and the common controls' subclass would look a window
        // property up on every toolbar message.
        ti.uFlags = 0;
        ti.hwnd = toolbar_.Handle();
        ti.uId = static_cast<UINT_PTR>(b.command);
        SendMessageW(toolbar_.Handle(), TB_GETITEMRECT, pos++, reinterpret_cast<LPARAM>(&ti.rect));
        ti.lpszText = const_cast<wchar_t*>(b.tooltip);
        SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&ti));
    }
    SendMessageW(tooltip_, TTM_ACTIVATE, TRUE, 0);
}

TreeHandle CPanelTree::Selected() const {
    return tree_ ? TreeViewStore::FromItem(TreeView_GetSelection(tree_)) : nullptr;
}

bool CPanelTree::BeginRename() {
    TreeHandle item = Selected();
    if (!model_ || !model_->CanRename(item)) return false;
    SetWindowLongPtrW(tree_, GWL_STYLE, GetWindowLongPtrW(tree_, GWL_STYLE) | TVS_EDITLABELS);
    SetFocus(tree_);
    return TreeView_EditLabel(tree_, TreeViewStore::ToItem(item)) != nullptr;
}

void CPanelTree::BindCommands() {
    auto hasSkin = [](fw::CommandState& s) { s.enabled = runtime::MainSkin() != nullptr; };
    auto onItem = [this](fw::CommandState& s) { s.enabled = model_ && model_->CanRename(Selected()); };
    // The menu commands add with their fixed names ("Folder", "UserData", the
    // kind's name); only the pane toolbar's buttons ask for a name first.
    if (mode_ == 1) {
        for (const Adder& a : Adders()) {
            if (!a.command) continue;
            const UINT command = a.command;
            commands_.On(command, [this, command] { model_->AddCustomControl(Selected(), command); });
            commands_.Update(command, hasSkin);
        }
        commands_.On(ID_TREE_ADD_FOLDER, [this] { model_->AddFolder(Selected()); });
        commands_.Update(ID_TREE_ADD_FOLDER, hasSkin);
        commands_.On(ID_TREE_DELETE, [this] { DeleteSelected(true); });
        commands_.Update(ID_TREE_DELETE, onItem);
        commands_.On(ID_TREE_RENAME, [this] { BeginRename(); });
        commands_.Update(ID_TREE_RENAME, onItem);
    } else {
        commands_.On(ID_TREE_ADD_USER_DATA, [this] { model_->AddUserData(Selected()); });
        commands_.Update(ID_TREE_ADD_USER_DATA, hasSkin);
        commands_.On(ID_TREE_ADD_UD_FOLDER, [this] { model_->AddFolder(Selected()); });
        commands_.Update(ID_TREE_ADD_UD_FOLDER, hasSkin);
        commands_.On(ID_TREE_DELETE_UD, [this] { DeleteSelected(true); });
        commands_.Update(ID_TREE_DELETE_UD, onItem);
        commands_.On(ID_TREE_RENAME_UD, [this] { BeginRename(); });
        commands_.Update(ID_TREE_RENAME_UD, onItem);
        // The item menu's Rename and Delete act here too.
        commands_.On(ID_TREE_DELETE, [this] { DeleteSelected(true); });
        commands_.Update(ID_TREE_DELETE, onItem);
        commands_.On(ID_TREE_RENAME, [this] { BeginRename(); });
        commands_.Update(ID_TREE_RENAME, onItem);
    }
}

bool CPanelTree::OnCommand(UINT id, UINT, HWND control) {
    // The pane toolbar's buttons run the tree commands.
    if (!model_ || !control || control != toolbar_.Handle()) return false;
    unsigned command = 0;
    // Duplicate to Custom Controls (default tree) and Copy Item (custom tree).
    if ((mode_ == 0 && id == 1) || (mode_ == 1 && id == 4)) {
        CopySelected();
        return true;
    }
    if (id == 2 || id == 3) {
        // Move Down and Move Up.
        MoveSelected(id == 2 ? 1 : 0);
        return true;
    }
    // Add Folder, Insert Custom Control and Insert User Data ask for the
    // new item's name first.
    if ((mode_ == 1 && (id == 1 || id == 6)) || (mode_ == 2 && (id == 1 || id == 5))) {
        AddNamedItem(id == 1 ? 0 : mode_);
        return true;
    }
    if (mode_ == 1) {
        if (id == 5) command = ID_TREE_DELETE;
    } else if (mode_ == 2 && id == 4) {
        // The user-data toolbar's Delete Item deletes without a question.
        if (model_->CanRename(Selected())) DeleteSelected(false);
        return true;
    }
    fw::CommandState state;
    state.id = command;
    if (command && commands_.RunUpdater(state) && state.enabled) commands_.RunHandler(command);
    return command != 0;
}

bool CPanelTree::OnTreeNotify(NMHDR* hdr, LRESULT& result) {
    switch (hdr->code) {
    case TVN_SELCHANGEDW: {
        auto* nm = reinterpret_cast<NMTREEVIEWW*>(hdr);
        model_->Select(TreeViewStore::FromItem(nm->itemNew.hItem));
        return false;
    }
    case TVN_ENDLABELEDITW: {
        auto* nm = reinterpret_cast<NMTVDISPINFOW*>(hdr);
        SetWindowLongPtrW(tree_, GWL_STYLE, GetWindowLongPtrW(tree_, GWL_STYLE) & ~TVS_EDITLABELS);
        const TreeHandle item = TreeViewStore::FromItem(nm->item.hItem);
        // The selected item, renamed, is shown again: the page and the
        // colour adjustment then name its element by its new scheme.
        if (nm->item.pszText && model_->Rename(item, nm->item.pszText) && item == Selected()) model_->Select(item);
        // The control never takes the text itself: Rename set it when accepted.
        result = 0;
        return true;
    }
    case NM_RCLICK:
        ShowItemMenu();
        result = 1;
        return true;
    case TVN_BEGINDRAGW: {
        BeginDrag(reinterpret_cast<NMTREEVIEWW*>(hdr)->itemNew.hItem);
        result = 0;
        return true;
    }
    case TVN_KEYDOWN: {
        auto* nm = reinterpret_cast<NMTVKEYDOWN*>(hdr);
        if (nm->wVKey == VK_F2) BeginRename();
        return false;
    }
    case NM_DBLCLK: {
        // A double click renames an element inside a folder or the
        // user-data root (F2 also renames at the custom root).
        TreeHandle item = Selected();
        TreeHandle parent = store_.Parent(item);
        const int kind = model_->KeyOf(parent).kind;
        if (model_->KeyOf(item).kind != kKindFolder && (kind == kKindFolder || kind == kKindUserDataRoot)) {
            BeginRename();
            result = 1;
            return true;
        }
        return false;
    }
    default: return false;
    }
}

void CPanelTree::OnDestroy() {
    if (Editor().trees[static_cast<std::size_t>(mode_)] == tree_)
        Editor().trees[static_cast<std::size_t>(mode_)] = nullptr;
}

bool CPanelTree::OnNotify(NMHDR* hdr, LRESULT& result) {
    if (model_ && hdr->hwndFrom == tree_ && OnTreeNotify(hdr, result)) return true;
    // The first selection in a tree takes the selection away from the other
    // two, so exactly one tree holds one; the notification goes on.
    if (hdr->hwndFrom == tree_ && (hdr->code == TVN_SELCHANGINGW || hdr->code == TVN_SELCHANGINGA)) {
        auto* nm = reinterpret_cast<NMTREEVIEWW*>(hdr);
        if (nm->itemNew.hItem && !TreeView_GetSelection(tree_)) {
            for (std::size_t i = 0; i < Editor().trees.size(); ++i)
                if (HWND other = Editor().trees[i]; other && other != tree_) TreeView_SelectItem(other, nullptr);
            Editor().treeIndexActive = mode_;
        }
    }
    return false;
}

LRESULT CPanelTree::WindowProc(UINT msg, WPARAM wp, LPARAM lp) {
    if (dragged_ && OnDragMessage(msg, lp)) return 0;
    // The focus given to the panel (the next-pane keys) goes on to its tree.
    if (msg == WM_SETFOCUS && tree_ && IsWindowVisible(tree_)) {
        SetFocus(tree_);
        return 0;
    }
    return CPanelBase::WindowProc(msg, wp, lp);
}

void CPanelTree::OnSize(UINT, int cx, int cy) {
    if (toolbar_.Handle()) MoveWindow(toolbar_.Handle(), 0, 0, cx, 30, TRUE);
    if (tree_) MoveWindow(tree_, 0, 30, cx, std::max(cy - 30, 0), TRUE);
}

void CPanelTree::EnableToolbar(bool enable) {
    for (const PaneButton& b : buttons_)
        SendMessageW(toolbar_.Handle(), TB_ENABLEBUTTON, static_cast<WPARAM>(b.command), MAKELPARAM(enable, 0));
}

std::unique_ptr<CPanelTree> MakeDefaultControlsPanel() {
    return std::make_unique<CPanelTree>(0, 124, 125, WS_CHILD | TVS_HASBUTTONS | TVS_HASLINES | TVS_SHOWSELALWAYS,
                                        std::initializer_list<PaneButton>{{1, 3, L"Duplicate to Custom Controls"}});
}

std::unique_ptr<CPanelTree> MakeCustomControlsPanel() {
    return std::make_unique<CPanelTree>(1, 126, 127, WS_CHILD | TVS_HASBUTTONS | TVS_HASLINES | TVS_SHOWSELALWAYS,
                                        std::initializer_list<PaneButton>{{1, 0, L"Add Folder"},
                                                                          {2, 1, L"Move Down"},
                                                                          {3, 2, L"Move Up"},
                                                                          {4, 3, L"Copy Item"},
                                                                          {5, 4, L"Delete Item"},
                                                                          {6, 6, L"Insert Custom Control"}});
}

std::unique_ptr<CPanelTree> MakeUserDataPanel() {
    return std::make_unique<CPanelTree>(2, 128, 129, WS_CHILD | TVS_HASBUTTONS | TVS_HASLINES | TVS_SHOWSELALWAYS,
                                        std::initializer_list<PaneButton>{{1, 0, L"Add Folder"},
                                                                          {2, 1, L"Move Down"},
                                                                          {3, 2, L"Move Up"},
                                                                          {4, 4, L"Delete Item"},
                                                                          {5, 7, L"Insert User Data"}});
}

CPanelProperties::CPanelProperties() : stateBar_(SIZE{20, 20}, 5, kGrey) {}

CPanelProperties::~CPanelProperties() {
    links::LinkEnv& env = links::Links();
    if (env.host == host_.get()) env.host = nullptr;
    if (env.preview == preview_.get()) env.preview = nullptr;
}

int CPanelProperties::OnCreate(CREATESTRUCTW*) {
    stateBar_.CreateIn(Handle(), 1034,
                       WS_CHILD | CCS_TOP | CCS_NOPARENTALIGN | CCS_NODIVIDER | TBSTYLE_TOOLTIPS | TBSTYLE_FLAT);
    stateBar_.LoadImages(IDB_STATE_BAR, IDB_STATE_BAR_DISABLED, IDB_STATE_BAR_HOT);
    TBBUTTON tb[5]{};
    for (int i = 0; i < 5; ++i) {
        tb[i].iBitmap = i;
        tb[i].idCommand = i;
        tb[i].fsState = TBSTATE_ENABLED;
        tb[i].fsStyle = BTNS_CHECKGROUP;
    }
    SendMessageW(stateBar_.Handle(), TB_ADDBUTTONSW, 5, reinterpret_cast<LPARAM>(tb));
    SendMessageW(stateBar_.Handle(), TB_CHECKBUTTON, 0, TRUE);
    // The property grid and the links' way to this pane.
    grid_ = std::make_unique<links::CPropertyList>();
    grid_->CreateGrid(Handle(), kPropertyGridId);
    host_ = std::make_unique<PropertiesHost>(*this);
    preview_ = std::make_unique<RuntimePreview>();
    links::LinkEnv& env = links::Links();
    env.host = host_.get();
    env.preview = preview_.get();
    env.modified = &Editor().documentModified;
    return 0;
}

void CPanelProperties::OnSize(UINT, int cx, int cy) {
    if (!stateBar_.Handle()) return;
    int h = HIWORD(SendMessageW(stateBar_.Handle(), TB_GETBUTTONSIZE, 0, 0));
    MoveWindow(stateBar_.Handle(), 0, 3, cx, h, TRUE);
    if (grid_ && grid_->Handle()) MoveWindow(grid_->Handle(), 0, h + 7, cx, cy - h - 7, TRUE);
}

bool CPanelProperties::OnNotify(NMHDR* hdr, LRESULT& result) {
    if (hdr->code == NM_CLICK && hdr->hwndFrom == stateBar_.Handle()) {
        OnStateClicked();
        result = 0;
        return true;
    }
    if (hdr->idFrom < 5 && AnswerTooltipText(hdr, fw::LoadText(IDS_STATE_NORMAL + static_cast<UINT>(hdr->idFrom)))) {
        result = 0;
        return true;
    }
    return false;
}

void CPanelProperties::OnStateClicked() {
    POINT p;
    GetCursorPos(&p);
    ScreenToClient(stateBar_.Handle(), &p);
    const int hit = static_cast<int>(SendMessageW(stateBar_.Handle(), TB_HITTEST, 0, reinterpret_cast<LPARAM>(&p)));
    if (hit < 0 || hit >= 5 || SendMessageW(stateBar_.Handle(), TB_ISBUTTONHIDDEN, hit, 0)) return;
    SelectState(hit);
}

LRESULT CPanelProperties::WindowProc(UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_SETFOCUS && grid_ && grid_->Handle() && IsWindowVisible(grid_->Handle())) {
        SetFocus(grid_->Handle());
        return 0;
    }
    // Every move recomputes the two-pixel border.
    if (msg == WM_WINDOWPOSCHANGED) reinterpret_cast<WINDOWPOS*>(lp)->flags |= SWP_FRAMECHANGED;
    return CPanelBase::WindowProc(msg, wp, lp);
}

CPanelOptions::CPanelOptions() : pages_(std::make_unique<OptionsPagesSet>()) {}

CPanelOptions::~CPanelOptions() = default;

int CPanelOptions::OnCreate(CREATESTRUCTW*) {
    pages_->Create(Handle());
    // The grid selects the pages through the model: the colours follow its
    // flag whoever selected them.
    pages_->SetOnPageShown([this](bool shown) {
        systemColors_ = shown;
        RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME);
    });
    // The panel's tooltip serves its pages, so it is made with them: a
    // tooltip is a top-level window, under Wine dozens of server round trips
    // to make, and the pages may never be needed.
    pages_->SetOnPagesMade([this] {
        tooltip_ = CreateWindowExW(0, TOOLTIPS_CLASSW, nullptr, TTS_ALWAYSTIP, CW_USEDEFAULT, CW_USEDEFAULT,
                                   CW_USEDEFAULT, CW_USEDEFAULT, Handle(), nullptr, nullptr, nullptr);
        if (tooltip_) SendMessageW(tooltip_, TTM_ACTIVATE, TRUE, 0);
    });
    RECT rc;
    GetClientRect(Handle(), &rc);
    pages_->Layout(rc.right, rc.bottom);
    return 0;
}

void CPanelOptions::OnSize(UINT, int cx, int cy) { pages_->Layout(cx, cy); }

void CPanelOptions::SelectOptionsView(int mode) { pages_->Model().SelectView(mode); }

bool CPanelOptions::OnNotify(NMHDR* hdr, LRESULT& result) {
    if (hdr->idFrom > 1 ||
        !AnswerTooltipText(hdr, fw::LoadText(hdr->idFrom == 0 ? IDS_IMAGE_PROPERTIES : IDS_REGION_PROPERTIES)))
        return false;
    SetWindowPos(hdr->hwndFrom, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    result = 0;
    return true;
}

bool CPanelProperties::ShowStateButton(int state, bool show) {
    HWND bar = stateBar_.Handle();
    if (!bar) return false;
    if (state == -1) {
        for (int i = 0; i < 5; ++i) {
            bool hidden = SendMessageW(bar, TB_ISBUTTONHIDDEN, i, 0) != 0;
            if (hidden == show) SendMessageW(bar, TB_HIDEBUTTON, i, MAKELPARAM(!show, 0));
        }
        return true;
    }
    bool hidden = SendMessageW(bar, TB_ISBUTTONHIDDEN, state, 0) != 0;
    if (hidden != show) return false;
    return SendMessageW(bar, TB_HIDEBUTTON, state, MAKELPARAM(!show, 0)) != 0;
}

void CPanelProperties::ShowPropertyPage(int showCommand) {
    if (stateBar_.Handle()) ShowWindow(stateBar_.Handle(), showCommand);
    if (grid_ && grid_->Handle()) ShowWindow(grid_->Handle(), showCommand);
    InvalidateRect(Handle(), nullptr, TRUE);
}

int CPanelProperties::GetSelectedState() const {
    for (int i = 0; i < 5; ++i)
        if (SendMessageW(stateBar_.Handle(), TB_ISBUTTONCHECKED, i, 0)) return i;
    return -1;
}

void CPanelProperties::CheckStateButton(int state) {
    SendMessageW(stateBar_.Handle(), TB_CHECKBUTTON, state, TRUE);
}

void CPanelProperties::SelectState(int state) {
    CheckStateButton(state);
    if (links::CItemLinkObj* link = links::Links().current) link->FillPropertyPage(GetSelectedState(), nullptr);
    if (grid_ && grid_->Handle()) {
        SetFocus(grid_->Handle());
        grid_->SetSelectedIndex(0);
        grid_->ShowSelectedItemOptions();
    }
}

int NextVisibleState(const bool hidden[5], int start, bool forward) {
    for (int step = 1; step < 5; ++step) {
        int i = ((start + (forward ? step : -step)) % 5 + 5) % 5;
        if (!hidden[i]) return i;
    }
    return -1;
}

void CPanelProperties::SelectNextState(bool forward) {
    int start = GetSelectedState();
    if (start < 0) return;
    bool hidden[5];
    for (int i = 0; i < 5; ++i) hidden[i] = SendMessageW(stateBar_.Handle(), TB_ISBUTTONHIDDEN, i, 0) != 0;
    int next = NextVisibleState(hidden, start, forward);
    if (next >= 0 && next != start) SelectState(next);
}

} // namespace hexmoor::shell
