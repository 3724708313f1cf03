#include "editor/shell/dialogs.h"

#include "editor/shell/item_names.h"
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
    return true;
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
    link_.SetTextColor(RGB(77, 66, 39));
    link_.SetLink(L"https://hexmoor.example.org/", true);
    return true;
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
