#include "editor/shell/dialogs/dialogs.h"

#include <algorithm>

#include "base/win/gdi.h"
#include "editor/shell/trees/item_names.h"
#include "editor/shell/runtime_link.h"
#include "resources/about_dialog_ids.h"
#include "resources/copyright_dialog_ids.h"
#include "resources/item_name_dialog_ids.h"
#include "resources/start_dialog_ids.h"

namespace hexmoor::shell {

CSplashDialog::CSplashDialog(std::function<void(int)> onChoice)
    : Dialog(IDD_START_DIALOG), onChoice_(std::move(onChoice)) {}

bool CSplashDialog::OnInitDialog() {
    face_.AttachDialog(Handle(), IDB_START_BACKGROUND);
    struct {
        int id;
        UINT normal, pressed, hot;
    } buttons[] = {
        {IDOK, IDB_START_CLOSE, IDB_START_CLOSE_PRESSED, IDB_START_CLOSE_HOT},
        {IDC_START_OPEN_SKIN, IDB_START_OPEN, IDB_START_OPEN_PRESSED, IDB_START_OPEN_HOT},
        {IDC_START_OPEN_LAST_SKIN, IDB_START_OPEN_LAST, IDB_START_OPEN_LAST_PRESSED, IDB_START_OPEN_LAST_HOT},
        {IDC_START_CREATE_NEW_SKIN, IDB_START_NEW, IDB_START_NEW_PRESSED, IDB_START_NEW_HOT},
        {IDC_START_IMPORT_MSSTYLE, IDB_START_IMPORT, IDB_START_IMPORT_PRESSED, IDB_START_IMPORT_HOT},
    };
    for (const auto& b : buttons) face_.AttachButton(Item(b.id), b.normal, b.pressed, b.hot);
    LayoutButtons();
    CenterOnOwner();
    return true;
}

void CSplashDialog::LayoutButtons() {
    // The face took the size of its bitmap and each button the size of its
    // own, in pixels: the buttons are placed in pixels too, so that no font
    // or screen resolution can push one past the edge. The close button sits
    // in the top right corner; the four commands share one row with equal
    // room before, between and after them.
    RECT client;
    GetClientRect(Handle(), &client);
    auto sizeOf = [](HWND h) {
        RECT r;
        GetWindowRect(h, &r);
        return SIZE{r.right - r.left, r.bottom - r.top};
    };
    if (HWND close = Item(IDOK)) {
        SIZE s = sizeOf(close);
        SetWindowPos(close, nullptr, client.right - s.cx - 6, 6, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    std::vector<CommandButton> row;
    for (int id : {IDC_START_OPEN_SKIN, IDC_START_OPEN_LAST_SKIN, IDC_START_CREATE_NEW_SKIN, IDC_START_IMPORT_MSSTYLE})
        if (HWND h = Item(id)) {
            SIZE s = sizeOf(h);
            row.push_back({h, s.cx, s.cy});
        }
    if (row.empty()) return;
    std::vector<int> widths;
    int height = 0;
    for (const auto& b : row) {
        widths.push_back(b.width);
        height = std::max(height, b.height);
    }
    std::vector<int> lefts = SpreadInRow(client.right - client.left, widths);
    int top = client.bottom - height - height / 2;
    for (std::size_t i = 0; i < row.size(); ++i)
        SetWindowPos(row[i].window, nullptr, lefts[i], top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CSplashDialog::CenterOnOwner() {
    // Centred on the frame that owns it, kept inside the work area.
    RECT own, me, work;
    HWND owner = GetWindow(Handle(), GW_OWNER);
    if (!SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0))
        work = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    if (!owner || !GetWindowRect(owner, &own)) own = work;
    GetWindowRect(Handle(), &me);
    int w = me.right - me.left, h = me.bottom - me.top;
    int x = (own.left + own.right - w) / 2, y = (own.top + own.bottom - h) / 2;
    x = std::max<int>(work.left, std::min<int>(x, work.right - w));
    y = std::max<int>(work.top, std::min<int>(y, work.bottom - h));
    SetWindowPos(Handle(), nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

std::vector<int> SpreadInRow(int width, const std::vector<int>& widths) {
    int used = 0;
    for (int w : widths) used += w;
    int n = static_cast<int>(widths.size());
    int room = std::max(width - used, 0);
    std::vector<int> lefts;
    int x = 0;
    for (int i = 0; i < n; ++i) {
        // The spare room split into n + 1 shares, the rounding spread out.
        x += room * (i + 1) / (n + 1) - room * i / (n + 1);
        lefts.push_back(x);
        x += widths[static_cast<std::size_t>(i)];
    }
    return lefts;
}

bool CSplashDialog::OnCommand(UINT id, UINT code, HWND control) {
    if (code != BN_CLICKED) return Dialog::OnCommand(id, code, control);
    switch (id) {
    case IDC_START_OPEN_SKIN:
    case IDC_START_OPEN_LAST_SKIN:
    case IDC_START_CREATE_NEW_SKIN:
    case IDC_START_IMPORT_MSSTYLE:
        End(IDOK);
        if (onChoice_) onChoice_(static_cast<int>(id));
        return true;
    case IDCANCEL: End(IDCANCEL); return true;
    default: return Dialog::OnCommand(id, code, control);
    }
}

CAboutDlg::CAboutDlg() : Dialog(IDD_ABOUT_DIALOG) {}

bool CAboutDlg::OnInitDialog() {
    face_.AttachDialog(Handle(), IDB_ABOUT_BACKGROUND);
    face_.AttachButton(Item(IDOK), IDB_ABOUT_OK, IDB_ABOUT_OK_PRESSED, IDB_ABOUT_OK_HOT);
    RECT r{220, 85, 370, 101};
    link_.CreateIn(Handle(), IDC_ABOUT_LINK, r);
    link_.SetTextColor(kAboutLinkColor);
    link_.SetLink(L"https://hexmoor.example.org/", true);
    return true;
}

LRESULT CAboutDlg::WindowProc(UINT msg, WPARAM wp, LPARAM lp) {
    // The version and the notice, light on the dark face.
    if (msg == WM_DRAWITEM && (wp == IDC_ABOUT_VERSION || wp == IDC_ABOUT_NOTICE)) {
        auto* dis = reinterpret_cast<DRAWITEMSTRUCT*>(lp);
        int len = GetWindowTextLengthW(dis->hwndItem);
        std::wstring text(static_cast<std::size_t>(len) + 1, L'\0');
        GetWindowTextW(dis->hwndItem, text.data(), len + 1);
        text.resize(static_cast<std::size_t>(len));
        HFONT font = reinterpret_cast<HFONT>(SendMessageW(Handle(), WM_GETFONT, 0, 0));
        win::SelectGuard fontIn(dis->hDC, font);
        SetBkMode(dis->hDC, TRANSPARENT);
        ::SetTextColor(dis->hDC, wp == IDC_ABOUT_VERSION ? kAboutVersionColor : kAboutNoticeColor);
        RECT rc = dis->rcItem;
        DrawTextW(dis->hDC, text.c_str(), len, &rc, DT_LEFT | DT_WORDBREAK | DT_NOPREFIX);
        return TRUE;
    }
    return Dialog::WindowProc(msg, wp, lp);
}

CAskForNameDlg::CAskForNameDlg(HIMAGELIST kindImages)
    : Dialog(IDD_ITEM_NAME_DIALOG), kindImages_(kindImages), toolbar_(SIZE{20, 20}, 2, KeyColor{192, 192, 192}) {}

bool CAskForNameDlg::OnInitDialog() {
    toolbar_.CreateIn(
        Handle(), 1,
        WS_CHILD | WS_VISIBLE | TBSTYLE_FLAT | TBSTYLE_TOOLTIPS | CCS_NODIVIDER | CCS_NOPARENTALIGN | CCS_NORESIZE);
    toolbar_.LoadImages(IDB_ITEM_NAME_TOOLBAR, IDB_ITEM_NAME_TOOLBAR, IDB_ITEM_NAME_TOOLBAR);
    TBBUTTON tb[2]{};
    tb[0] = {0, IDOK, TBSTATE_ENABLED, BTNS_BUTTON, {}, 0, 0};
    tb[1] = {1, IDCANCEL, TBSTATE_ENABLED, BTNS_BUTTON, {}, 0, 0};
    SendMessageW(toolbar_.Handle(), TB_ADDBUTTONSW, 2, reinterpret_cast<LPARAM>(tb));
    RECT rc;
    GetClientRect(Handle(), &rc);
    MoveWindow(toolbar_.Handle(), rc.right - 55, rc.top + 4, 48, 25, TRUE);

    HWND edit = Item(IDC_ITEM_NAME);
    SetWindowTextW(edit, name_.c_str());
    HWND list = Item(IDC_ITEM_KIND_LIST);
    if (chooseKind_ != 1) {
        // Only the name: cut the dialog just above the list.
        RECT wr, lr;
        GetWindowRect(Handle(), &wr);
        GetWindowRect(list, &lr);
        SetWindowPos(Handle(), nullptr, 0, 0, wr.right - wr.left, lr.top - wr.top, SWP_NOMOVE | SWP_NOZORDER);
        ShowWindow(list, SW_HIDE);
    } else {
        if (kindImages_) ListView_SetImageList(list, kindImages_, LVSIL_SMALL);
        int row = 0;
        for (const ElementKindChoice& k : CustomControlKinds()) {
            LVITEMW item{};
            item.mask = LVIF_TEXT | LVIF_IMAGE | LVIF_PARAM;
            item.iItem = row++;
            item.pszText = const_cast<wchar_t*>(k.text);
            item.iImage = k.image;
            item.lParam = k.elementType;
            ListView_InsertItem(list, &item);
        }
    }
    SetFocus(edit);
    SendMessageW(edit, EM_SETSEL, 0, -1);
    return false;
}

bool CAskForNameDlg::OnNotify(NMHDR* hdr, LRESULT& result) {
    if (hdr->idFrom == IDC_ITEM_KIND_LIST && hdr->code == LVN_ITEMCHANGED) {
        auto* nm = reinterpret_cast<NMLISTVIEW*>(hdr);
        if ((nm->uChanged & LVIF_STATE) && (nm->uNewState & LVIS_SELECTED))
            SetDlgItemTextW(Handle(), IDC_ITEM_NAME, GetCustomNamePrefix(static_cast<int>(nm->lParam)).c_str());
        result = 0;
        return true;
    }
    return false;
}

void CAskForNameDlg::OnOK() {
    wchar_t buf[512]{};
    GetDlgItemTextW(Handle(), IDC_ITEM_NAME, buf, 512);
    std::wstring name = buf;
    if (!IsValidItemName(name)) return;
    if (chooseKind_ == 1) {
        HWND list = Item(IDC_ITEM_KIND_LIST);
        int mark = ListView_GetSelectionMark(list);
        if (mark == -1) return;
        LVITEMW item{};
        item.mask = LVIF_PARAM;
        item.iItem = mark;
        ListView_GetItem(list, &item);
        elementType_ = static_cast<int>(item.lParam);
    }
    name_ = name;
    End(IDOK);
}

LRESULT CAskForNameDlg::WindowProc(UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_SIZE && toolbar_.Handle()) {
        RECT rc;
        GetClientRect(Handle(), &rc);
        MoveWindow(toolbar_.Handle(), rc.right - 55, rc.top + 4, 48, 25, TRUE);
    }
    return Dialog::WindowProc(msg, wp, lp);
}

bool ApplySkinInfo(SkinInfo& info, const SkinInfo& edited) {
    bool changed = false;
    for (std::size_t i = 0; i < info.size(); ++i)
        if (info[i] != edited[i]) {
            info[i] = edited[i];
            changed = true;
        }
    return changed;
}

CCopyRightDlg::CCopyRightDlg(const SkinInfo& info, bool loaded) : Dialog(IDD_COPYRIGHT_DIALOG) {
    if (loaded) fields_ = info;
}

void CCopyRightDlg::Exchange(fw::DataExchange& dx) {
    static constexpr int kIds[9] = {IDC_INFO_SKIN_NAME, IDC_INFO_COPYRIGHT,    IDC_INFO_AUTHOR,
                                    IDC_INFO_COMPANY,   IDC_INFO_EMAIL,        IDC_INFO_URL,
                                    IDC_INFO_VERSION,   IDC_INFO_LAST_UPDATED, IDC_INFO_DESCRIPTION};
    for (std::size_t i = 0; i < 9; ++i) dx.Text(kIds[i], fields_[i]);
}

} // namespace hexmoor::shell
