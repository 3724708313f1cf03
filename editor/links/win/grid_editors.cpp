// The grid's in-place editors over the open row's value cell: the choice
// drop-down, the colour drop-down, the edit and the "..." button; opening,
// committing and closing them.
#include <cstring>

#include "editor/links/item_link.h"
#include "editor/links/link_env.h"
#include "editor/links/value_text.h"
#include "editor/links/win/property_list.h"

namespace hexmoor::links {

void CPropertyList::CommitOpenEditor() {
    if (openEditor_ && openEditor_ == edit_) OnEditKillFocus();
    HideEditors();
}

void CPropertyList::EditTextRewritten(const std::wstring& text) {
    if (!edit_) return;
    const int length = GetWindowTextLengthW(edit_);
    committing_ = true;
    SetWindowTextW(edit_, text.c_str());
    committing_ = false;
    SendMessageW(edit_, EM_SETSEL, length, length);
}

std::wstring CPropertyList::EditText() const {
    if (!edit_) return {};
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(edit_)) + 1, L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(edit_, text.data(), static_cast<int>(text.size()))));
    return text;
}

HWND CPropertyList::OpenEditorWindow() const { return openEditor_; }

void CPropertyList::HideEditors() {
    for (HWND h : {choice_, color_.Handle(), edit_, button_})
        if (h && IsWindowVisible(h)) ShowWindow(h, SW_HIDE);
    openEditor_ = nullptr;
    model_.CloseEditor();
}

void CPropertyList::CloseEditor() {
    if (openEditor_ == edit_ && edit_ && IsWindowVisible(edit_)) {
        OnEditKillFocus();
        return;
    }
    HideEditors();
}

bool CPropertyList::IsFocusInside() const {
    HWND focus = GetFocus();
    if (!focus) return false;
    if (focus == Handle()) return true;
    for (HWND h : {choice_, color_.Handle(), edit_, button_})
        if (h && (focus == h || IsChild(h, focus))) return true;
    return false;
}

void CPropertyList::ShowInPlaceEditor(bool force) {
    CPropertyItem* row = model_.OpenItem();
    if (!row) return;
    if (openEditor_ && !force) return;
    if (button_) ShowWindow(button_, SW_HIDE);
    const int index = model_.GetSelectedIndex();
    const RECT cell = ValueCellOf(index);
    const EditorKind kind = EditorForKind(row->Kind());
    if (kind == EditorKind::kNone) return;
    HINSTANCE instance = GetModuleHandleW(nullptr);
    switch (kind) {
    case EditorKind::kChoice: {
        const RECT r = DropDownRect(cell);
        if (!choice_) {
            choice_ =
                CreateWindowExW(0, L"COMBOBOX", L"", WS_CHILD | WS_BORDER | WS_VSCROLL | CBS_DROPDOWNLIST, r.left,
                                r.top, r.right - r.left, r.bottom - r.top, Handle(),
                                reinterpret_cast<HMENU>(static_cast<UINT_PTR>(IDC_GRID_CHOICE)), instance, nullptr);
            SendMessageW(choice_, WM_SETFONT, reinterpret_cast<WPARAM>(listFont_.Get()), FALSE);
        } else {
            MoveWindow(choice_, r.left, r.top, r.right - r.left, r.bottom - r.top, FALSE);
        }
        SendMessageW(choice_, CB_RESETCONTENT, 0, 0);
        for (const std::wstring& entry : SplitChoices(row->Choices()))
            SendMessageW(choice_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry.c_str()));
        LRESULT found = SendMessageW(choice_, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                     reinterpret_cast<LPARAM>(row->Value().c_str()));
        SendMessageW(choice_, CB_SETCURSEL, found == CB_ERR ? 0 : found, 0);
        openEditor_ = choice_;
        ShowWindow(choice_, SW_SHOW);
        SetFocus(choice_);
        break;
    }
    case EditorKind::kColor: {
        const RECT r = DropDownRect(cell);
        if (!color_.Handle())
            color_.CreatePicker(Handle(), IDC_GRID_COLOR, r, listFont_.Get());
        else
            MoveWindow(color_.Handle(), r.left, r.top, r.right - r.left, r.bottom - r.top, FALSE);
        const bool invert =
            CurrentLink() && CurrentLink()->GetTwfObj() && CurrentLink()->GetTwfObj()->GetColor(row->Id()) == 0xFFFFFFFFu;
        openEditor_ = color_.Handle();
        SendMessageW(color_.Handle(), CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), textHeight_);
        ShowWindow(color_.Handle(), SW_SHOW);
        SetFocus(color_.Handle());
        color_.SelectColor(ParseColorText(row->Value(), invert));
        break;
    }
    case EditorKind::kEdit: {
        const RECT r = EditRect(cell);
        if (!edit_) {
            edit_ = CreateWindowExW(0, L"EDIT", L"", WS_CHILD | ES_AUTOHSCROLL, r.left, r.top, r.right - r.left,
                                    r.bottom - r.top, Handle(), reinterpret_cast<HMENU>(static_cast<UINT_PTR>(IDC_GRID_EDIT)),
                                    instance, nullptr);
            SendMessageW(edit_, WM_SETFONT, reinterpret_cast<WPARAM>(listFont_.Get()), FALSE);
        } else {
            SendMessageW(edit_, WM_SETREDRAW, FALSE, 0);
            MoveWindow(edit_, r.left, r.top, r.right - r.left, r.bottom - r.top, FALSE);
        }
        LONG_PTR style = GetWindowLongPtrW(edit_, GWL_STYLE);
        style = row->Kind() == kKindSigned ? (style & ~ES_NUMBER) : (style | ES_NUMBER);
        SetWindowLongPtrW(edit_, GWL_STYLE, style);
        openEditor_ = edit_;
        SetFocus(edit_);
        const bool modified = IsDocumentModified();
        committing_ = true;
        SetWindowTextW(edit_, row->Value().c_str());
        committing_ = false;
        RestoreDocumentModified(modified);
        SendMessageW(edit_, WM_SETREDRAW, TRUE, 0);
        if (!IsWindowVisible(edit_)) ShowWindow(edit_, SW_SHOW);
        InvalidateRect(edit_, nullptr, TRUE);
        SendMessageW(edit_, EM_SETSEL, 0, -1);
        break;
    }
    case EditorKind::kButton: {
        const RECT r = ButtonRect(cell);
        if (!button_) {
            button_ = CreateWindowExW(0, L"BUTTON", L"...", WS_CHILD | BS_NOTIFY | BS_DEFPUSHBUTTON, r.left, r.top,
                                      r.right - r.left, r.bottom - r.top, Handle(),
                                      reinterpret_cast<HMENU>(static_cast<UINT_PTR>(IDC_GRID_BUTTON)), instance, nullptr);
            SendMessageW(button_, WM_SETFONT, reinterpret_cast<WPARAM>(listFont_.Get()), FALSE);
        } else {
            MoveWindow(button_, r.left, r.top, r.right - r.left, r.bottom - r.top, FALSE);
        }
        openEditor_ = button_;
        ShowWindow(button_, SW_SHOW);
        SetFocus(button_);
        break;
    }
    default: break;
    }
}

void CPropertyList::OnEditKillFocus() {
    if (!edit_) return;
    if (model_.OpenItem()) model_.EditLeft(EditText());
    ShowWindow(edit_, SW_HIDE);
    if (openEditor_ == edit_) openEditor_ = nullptr;
    InvalidateAll();
}

bool CPropertyList::OnCommand(UINT id, UINT code, HWND) {
    switch (id) {
    case IDC_GRID_CHOICE:
    case IDC_GRID_COLOR:
        if (code == CBN_KILLFOCUS) {
            HWND combo = id == IDC_GRID_CHOICE ? choice_ : color_.Handle();
            // A drop-down keeps its list open while the focus is in it.
            if (combo && IsWindowVisible(combo)) ShowWindow(combo, SW_HIDE);
            if (openEditor_ == combo) openEditor_ = nullptr;
            InvalidateAll();
            return true;
        }
        if (code == CBN_SELENDOK) {
            if (id == IDC_GRID_CHOICE) {
                const LRESULT sel = SendMessageW(choice_, CB_GETCURSEL, 0, 0);
                if (sel != CB_ERR) {
                    std::wstring text(static_cast<size_t>(SendMessageW(choice_, CB_GETLBTEXTLEN, sel, 0)) + 1, L'\0');
                    SendMessageW(choice_, CB_GETLBTEXT, sel, reinterpret_cast<LPARAM>(text.data()));
                    text.resize(wcslen(text.c_str()));
                    model_.ChoiceChosen(text);
                }
            } else {
                model_.SetSelectedColor(color_.GetSelectedColor());
            }
            InvalidateAll();
            return true;
        }
        return false;
    case IDC_GRID_EDIT:
        if (code == EN_CHANGE) {
            if (!committing_) model_.EditChanged(EditText());
            return true;
        }
        if (code == EN_KILLFOCUS) {
            OnEditKillFocus();
            return true;
        }
        return false;
    case IDC_GRID_BUTTON:
        if (code == BN_CLICKED) {
            OnPropertyButton();
            return true;
        }
        if (code == BN_KILLFOCUS) {
            if (button_) ShowWindow(button_, SW_HIDE);
            if (openEditor_ == button_) openEditor_ = nullptr;
            InvalidateAll();
            return true;
        }
        return false;
    case ID_GRID_COPY:
    case ID_GRID_PASTE:
    case ID_GRID_CUT:
    case ID_GRID_DELETE:
    case ID_GRID_FILL_ALL_STATES:
    case ID_EDIT_COPY_WITH_MARGINS:
    case ID_EDIT_PASTE_WITH_MARGINS: OnContextCommand(id); return true;
    default: return false;
    }
}

} // namespace hexmoor::links
