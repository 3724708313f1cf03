#include "editor/exchange/win/select_style_dialog.h"

#include "resources/select_style_dialog_ids.h"

namespace hexmoor::exchange {
namespace {

std::wstring Wide(std::u16string_view text) { return std::wstring(text.begin(), text.end()); }

} // namespace

CSelectMSstyles::CSelectMSstyles(std::vector<SchemeName> schemes, std::u16string description)
    : fw::Dialog(IDD_SELECT_STYLE_DIALOG), schemes_(std::move(schemes)), description_(std::move(description)) {}

bool CSelectMSstyles::OnInitDialog() {
    SetDlgItemTextW(Handle(), IDC_STYLE_DESCRIPTION, Wide(description_).c_str());
    HWND list = Item(IDC_STYLE_SCHEMES);
    for (std::size_t i = 0; i < schemes_.size(); ++i) {
        const LRESULT item =
            SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Wide(schemes_[i].display).c_str()));
        // The item keeps its resource name's index: the shown text alone
        // cannot give the name back.
        if (item >= 0) SendMessageW(list, LB_SETITEMDATA, static_cast<WPARAM>(item), static_cast<LPARAM>(i));
    }
    SendMessageW(list, LB_SETCURSEL, 0, 0);
    return true;
}

void CSelectMSstyles::OnOK() {
    HWND list = Item(IDC_STYLE_SCHEMES);
    const LRESULT item = SendMessageW(list, LB_GETCURSEL, 0, 0);
    if (item == LB_ERR) return; // nothing chosen: the dialog stays open
    const LRESULT index = SendMessageW(list, LB_GETITEMDATA, static_cast<WPARAM>(item), 0);
    if (index < 0 || static_cast<std::size_t>(index) >= schemes_.size()) return;
    selected_ = schemes_[static_cast<std::size_t>(index)].resource;
    End(IDOK);
}

bool CSelectMSstyles::OnCommand(UINT id, UINT code, HWND control) {
    if (id == IDC_STYLE_SCHEMES && code == LBN_DBLCLK) {
        OnOK();
        return true;
    }
    return fw::Dialog::OnCommand(id, code, control);
}

} // namespace hexmoor::exchange
