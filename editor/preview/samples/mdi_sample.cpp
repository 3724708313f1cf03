#include "editor/preview/samples/mdi_sample.h"

#include <commctrl.h>

#include "editor/preview/samples/sample_dialog.h"
#include "framework/strings.h"
#include "resources/sample_frame_ids.h"
#include "resources/string_ids.h"
#include "runtime/twf_api.h"

namespace hexmoor::preview {

const unsigned kSampleToolbarButtons[8] = {ID_SAMPLE_NEW, ID_SAMPLE_OPEN, ID_SAMPLE_SAVE, 0, IDOK, ID_SAMPLE_PASTE, 0,
                                           ID_SAMPLE_COPY};

namespace {
constexpr UINT kToolBarId = 0xE800;
constexpr UINT kStatusBarId = 0xE801;
} // namespace

CMDIFrameChild::CMDIFrameChild() { BindCommands(); }
CMDIFrameChild::~CMDIFrameChild() = default;

bool CMDIFrameChild::CreateFramePreview(HWND view) {
    fw::MdiFrameArgs args;
    args.title = fw::LoadText(IDS_SAMPLE_FRAME_TITLE);
    args.style = WS_OVERLAPPEDWINDOW;
    args.parent = view;
    args.menu = LoadMenuW(fw::ResourceModule(), MAKEINTRESOURCEW(IDR_SAMPLE_FRAME));
    args.icon = LoadIconW(fw::ResourceModule(), MAKEINTRESOURCEW(IDR_SAMPLE_FRAME));
    if (!CreateMdiFrame(args)) return false;
    for (int i = 0; i < 2; ++i)
        if (!CreateChild()) return false;
    SetParent(Handle(), view);
    MoveWindow(Handle(), 0, 0, 400, 400, TRUE);
    ApplySkinToWindow(Handle(), 1);
    return true;
}

int CMDIFrameChild::OnCreateFrame(CREATESTRUCTW*) {
    toolbar_ = CreateWindowExW(0, TOOLBARCLASSNAMEW, nullptr, WS_CHILD | WS_VISIBLE | CCS_TOP | TBSTYLE_FLAT, 0, 0, 0,
                               0, Handle(), reinterpret_cast<HMENU>(static_cast<UINT_PTR>(kToolBarId)),
                               fw::ResourceModule(), nullptr);
    if (!toolbar_) return -1;
    SendMessageW(toolbar_, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    SendMessageW(toolbar_, TB_SETBITMAPSIZE, 0, MAKELPARAM(16, 15));
    TBADDBITMAP bitmap{fw::ResourceModule(), IDB_SAMPLE_FRAME_TOOLBAR};
    if (SendMessageW(toolbar_, TB_ADDBITMAP, 6, reinterpret_cast<LPARAM>(&bitmap)) < 0) return -1;
    std::vector<TBBUTTON> buttons;
    int image = 0;
    for (unsigned id : kSampleToolbarButtons) {
        TBBUTTON b{};
        b.fsStyle = id ? BTNS_BUTTON : BTNS_SEP;
        b.fsState = TBSTATE_ENABLED;
        b.idCommand = static_cast<int>(id);
        b.iBitmap = id ? image++ : 0;
        buttons.push_back(b);
    }
    SendMessageW(toolbar_, TB_ADDBUTTONSW, buttons.size(), reinterpret_cast<LPARAM>(buttons.data()));
    SendMessageW(toolbar_, TB_AUTOSIZE, 0, 0);
    status_ =
        CreateWindowExW(0, STATUSCLASSNAMEW, nullptr, WS_CHILD | WS_VISIBLE | CCS_BOTTOM, 0, 0, 0, 0, Handle(),
                        reinterpret_cast<HMENU>(static_cast<UINT_PTR>(kStatusBarId)), fw::ResourceModule(), nullptr);
    if (!status_) return -1;
    // The stretching pane, then the CAP, NUM and SCRL indicators.
    const int parts[4] = {120, 170, 220, -1};
    SendMessageW(status_, SB_SETPARTS, 4, reinterpret_cast<LPARAM>(parts));
    const UINT texts[3] = {IDS_INDICATOR_CAPS, IDS_INDICATOR_NUM, IDS_INDICATOR_SCROLL};
    for (int i = 0; i < 3; ++i) {
        const std::wstring text = fw::LoadText(texts[i]);
        SendMessageW(status_, SB_SETTEXTW, i + 1, reinterpret_cast<LPARAM>(text.c_str()));
    }
    AddBar(toolbar_, true);
    AddBar(status_, false);
    UpdateToolBar();
    return 0;
}

HWND CMDIFrameChild::CreateChild() {
    auto child = std::make_unique<fw::MdiChildWindow>();
    HMENU menu = KeepMenu(win::Menu(LoadMenuW(fw::ResourceModule(), MAKEINTRESOURCEW(IDR_SAMPLE_FRAME))));
    if (!child->CreateChild(*this, fw::LoadText(IDS_APP_TITLE), menu,
                            WS_OVERLAPPEDWINDOW | WS_VISIBLE | WS_CLIPSIBLINGS,
                            LoadIconW(fw::ResourceModule(), MAKEINTRESOURCEW(128))))
        return nullptr;
    HWND h = child->Handle();
    children_.push_back(std::move(child));
    ApplySkinToWindow(h, 0);
    if (!IsZoomed(h)) SetWindowPos(h, HWND_TOP, 0, 0, 300, 200, SWP_NOMOVE | SWP_NOACTIVATE | SWP_NOCOPYBITS);
    InvalidateRect(h, nullptr, TRUE);
    return h;
}

void CMDIFrameChild::BindCommands() {
    commands_.On(ID_SAMPLE_NEW, [this] {
        if (HWND child = CreateChild()) SendMessageW(Client(), WM_MDIACTIVATE, reinterpret_cast<WPARAM>(child), 0);
        UpdateToolBar();
    });
    commands_.On(ID_SAMPLE_CLOSE, [this] {
        if (HWND active = ActiveChild()) SendMessageW(Client(), WM_MDIDESTROY, reinterpret_cast<WPARAM>(active), 0);
        UpdateToolBar();
    });
    commands_.Update(ID_SAMPLE_CLOSE, [this](fw::CommandState& s) { s.enabled = ActiveChild() != nullptr; });
    // Handled, so enabled, and doing nothing.
    for (unsigned id : {ID_SAMPLE_OPEN, ID_SAMPLE_SAVE, ID_SAMPLE_SAVE_AS, ID_SAMPLE_RECENT, ID_SAMPLE_EXIT,
                        ID_SAMPLE_UNDO, ID_SAMPLE_CUT, ID_SAMPLE_COPY, ID_SAMPLE_PASTE, ID_SAMPLE_ONE, ID_SAMPLE_TWO,
                        ID_SAMPLE_THREE, ID_SAMPLE_RED, ID_SAMPLE_YELLOW, ID_SAMPLE_GREEN, ID_SAMPLE_AZURE})
        commands_.On(id, [] {});
}

void CMDIFrameChild::UpdateToolBar() {
    if (!toolbar_) return;
    const std::vector<fw::CommandTable*> route = Route();
    for (unsigned id : kSampleToolbarButtons)
        if (id) SendMessageW(toolbar_, TB_ENABLEBUTTON, id, fw::QueryCommand(route, id).state.enabled);
}

LRESULT CMDIFrameChild::WindowProc(UINT msg, WPARAM wp, LPARAM lp) {
    LRESULT handled = 0;
    if (HandleOldShellMessage(Handle(), msg, wp, lp, &handled)) return handled;
    switch (msg) {
    case WM_CLOSE: return 0; // the sample frame cannot be closed
    case WM_MOUSEACTIVATE:
        // Clicks on the frame's own parts leave the editor's window active;
        // clicks in the MDI area activate the child clicked.
        if (LOWORD(lp) != HTCLIENT) return MA_NOACTIVATE;
        break;
    case WM_ACTIVATE: {
        const LRESULT r = fw::MdiFrameWindow::WindowProc(msg, wp, lp);
        HWND main = MainWindowHandle();
        if (main && LOWORD(wp) == WA_ACTIVE && !lp) SetForegroundWindow(main);
        return r;
    }
    default: break;
    }
    return fw::MdiFrameWindow::WindowProc(msg, wp, lp);
}

} // namespace hexmoor::preview
