#include "framework/dialog.h"

#include <utility>
#include <vector>

#include "framework/application.h"

namespace hexmoor::fw {

void DataExchange::Text(int controlId, std::wstring& value) {
    HWND control = GetDlgItem(dialog_, controlId);
    if (!control) return;
    if (saving_) {
        int len = GetWindowTextLengthW(control);
        std::vector<wchar_t> buf(static_cast<std::size_t>(len) + 1);
        GetWindowTextW(control, buf.data(), len + 1);
        value.assign(buf.data());
    } else {
        SetWindowTextW(control, value.c_str());
    }
}

void DataExchange::Check(int controlId, bool& value) {
    if (saving_)
        value = IsDlgButtonChecked(dialog_, controlId) == BST_CHECKED;
    else
        CheckDlgButton(dialog_, controlId, value ? BST_CHECKED : BST_UNCHECKED);
}

namespace {

// The dialog being created on this thread, bound by the creation hook.
thread_local Dialog* t_creating = nullptr;
thread_local HHOOK t_hook = nullptr;

} // namespace

LRESULT CALLBACK Dialog::CreationHook(int code, WPARAM wp, LPARAM lp) {
    if (code == HCBT_CREATEWND && t_creating) {
        Dialog* self = std::exchange(t_creating, nullptr);
        self->Bind(reinterpret_cast<HWND>(wp), Kind::Dialog);
    }
    return CallNextHookEx(nullptr, code, wp, lp);
}

void Dialog::BeginCreation() {
    t_creating = this;
    t_hook = SetWindowsHookExW(WH_CBT, &Dialog::CreationHook, nullptr, GetCurrentThreadId());
}

void Dialog::EndCreation() {
    if (t_hook) UnhookWindowsHookEx(t_hook);
    t_hook = nullptr;
    t_creating = nullptr;
}

Dialog::~Dialog() {
    if (modeless_ && Handle())
        if (Application* app = Application::Current()) app->RemoveModeless(Handle());
}

INT_PTR Dialog::DoModal(HWND parent) {
    if (Handle()) return -1;
    modal_ = true;
    if (Application* app = Application::Current()) app->BeforeModalLoop();
    BeginCreation();
    INT_PTR r = DialogBoxParamW(ResourceModule(), MAKEINTRESOURCEW(templateId_), parent, &Dialog::DialogProc,
                                reinterpret_cast<LPARAM>(this));
    EndCreation();
    modal_ = false;
    return r;
}

bool Dialog::CreateIndirect(HWND parent, bool modal) {
    modal_ = modal;
    BeginCreation();
    HWND h = CreateDialogParamW(ResourceModule(), MAKEINTRESOURCEW(templateId_), parent, &Dialog::DialogProc,
                                reinterpret_cast<LPARAM>(this));
    EndCreation();
    return h != nullptr;
}

bool Dialog::CreateModeless(HWND parent) {
    if (Handle() || !CreateIndirect(parent, false)) return false;
    modeless_ = true;
    if (Application* app = Application::Current()) app->AddModeless(Handle());
    return true;
}

bool Dialog::CreateChild(HWND parent) { return !Handle() && CreateIndirect(parent, false); }

INT_PTR CALLBACK Dialog::DialogProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    Window* w = FromHandle(hwnd);
    if (!w && msg == WM_INITDIALOG) {
        // Fallback when the creation hook did not see the window.
        w = reinterpret_cast<Dialog*>(lp);
        if (w) w->Bind(hwnd, Kind::Dialog);
    }
    auto* self = static_cast<Dialog*>(w);
    if (!self) return FALSE;
    if (t_hook) EndCreation();
    if (msg == WM_DESTROY && self->modeless_)
        if (Application* app = Application::Current()) app->RemoveModeless(hwnd);
    if (msg == WM_INITDIALOG) {
        self->UpdateData(false);
        return self->OnInitDialog() ? TRUE : FALSE;
    }
    // A message sent while this one is handled asks for its own default:
    // the flag of the outer message is kept aside meanwhile.
    const bool outer = self->defaultRequested_;
    self->defaultRequested_ = false;
    LRESULT r = self->Dispatch(msg, wp, lp);
    const bool wantsDefault = self->defaultRequested_;
    self->defaultRequested_ = outer;
    if (wantsDefault) return FALSE;
    switch (msg) {
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
    case WM_COMPAREITEM:
    case WM_VKEYTOITEM:
    case WM_CHARTOITEM:
    case WM_QUERYDRAGICON: return static_cast<INT_PTR>(r);
    default: SetWindowLongPtrW(hwnd, DWLP_MSGRESULT, r); return TRUE;
    }
}

void Dialog::End(INT_PTR code) {
    if (!Handle()) return;
    if (modal_)
        EndDialog(Handle(), code);
    else
        ShowWindow(Handle(), SW_HIDE);
}

bool Dialog::UpdateData(bool save) {
    if (!Handle()) return false;
    DataExchange dx(Handle(), save);
    Exchange(dx);
    return true;
}

void Dialog::OnOK() {
    UpdateData(true);
    End(IDOK);
}

void Dialog::OnCancel() { End(IDCANCEL); }

bool Dialog::OnCommand(UINT id, UINT code, HWND control) {
    if (code != BN_CLICKED && code != 1) return false;
    if (id == IDOK) {
        OnOK();
        return true;
    }
    if (id == IDCANCEL) {
        OnCancel();
        return true;
    }
    return false;
}

} // namespace hexmoor::fw
