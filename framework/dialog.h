#pragma once
// Dialogs from templates: modal, modeless, and child form views. The object
// is bound to the dialog window before the window sees WM_NCCREATE, so every
// message reaches it. Values move between members and controls through
// Exchange, called by UpdateData.

#include <windows.h>

#include <string>

#include "framework/window.h"

namespace hexmoor::fw {

class DataExchange {
public:
    DataExchange(HWND dialog, bool saving) : dialog_(dialog), saving_(saving) {}
    bool Saving() const { return saving_; }
    void Text(int controlId, std::wstring& value);
    void Check(int controlId, bool& value);

private:
    HWND dialog_;
    bool saving_;
};

class Dialog : public Window {
public:
    explicit Dialog(UINT templateId) : templateId_(templateId) {}
    ~Dialog() override;

    // Runs the dialog modally; returns the code given to End, or -1.
    INT_PTR DoModal(HWND parent);
    // Creates the dialog modeless (hidden unless the template says
    // WS_VISIBLE) and registers it with the application's loop.
    bool CreateModeless(HWND parent);
    // Creates the dialog as a child window of parent (a form view).
    bool CreateChild(HWND parent);

    // Ends a modal dialog; hides a modeless one.
    void End(INT_PTR code);
    bool IsModal() const { return modal_; }

    // Moves values between the members and the controls.
    bool UpdateData(bool save);

    HWND Item(int id) const { return GetDlgItem(Handle(), id); }

protected:
    virtual bool OnInitDialog() { return true; }
    // The default OK takes the values back and ends with IDOK; Cancel ends
    // with IDCANCEL.
    virtual void OnOK();
    virtual void OnCancel();
    virtual void Exchange(DataExchange&) {}

    bool OnCommand(UINT id, UINT code, HWND control) override;

private:
    static INT_PTR CALLBACK DialogProc(HWND, UINT, WPARAM, LPARAM);
    bool CreateIndirect(HWND parent, bool modal);
    // A thread hook binds this object to the dialog window at its creation,
    // before WM_NCCREATE; it is removed at the dialog's first message.
    void BeginCreation();
    static void EndCreation();
    static LRESULT CALLBACK CreationHook(int code, WPARAM wp, LPARAM lp);

    UINT templateId_;
    bool modal_ = false;
    bool modeless_ = false;
};

} // namespace hexmoor::fw
