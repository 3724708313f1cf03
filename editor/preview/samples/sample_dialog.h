#pragma once
// The base of the sample dialogs. A sample is a captioned popup made from
// its template, reparented into the composition view and shown there. Its
// caption follows the editor's activation, told through the float-status
// message, never its own: a click leaves the editor's main window active
// (the sample refuses activation and is dragged by its caption by hand).
// Samples cannot be closed, Enter and Escape do nothing in them, key
// presses still reach the editor's accelerators, and each fills its
// controls at its first showing.

#include <windows.h>

#include "editor/preview/view/sample_table.h"
#include "framework/dialog.h"

namespace hexmoor::preview {

// The editor's main window (null when there is none).
HWND MainWindowHandle();

class CSyncActiveDialog : public fw::Dialog {
public:
    explicit CSyncActiveDialog(UINT templateId) : fw::Dialog(templateId) {}

    // Creates the window from the template, hidden, owned by `parent`'s
    // top-level window, and synchronises its caption with that window.
    virtual bool CreateSample(HWND parent);
    // The caption's state as the window last drew it by itself.
    bool ActiveField() const { return active_; }

protected:
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;
    LRESULT OnNcActivate(bool active);
    LRESULT OnFloatStatus(WPARAM flags);
    // The floating-window handling of system commands, then the default.
    LRESULT OnSysCommand(WPARAM command, LPARAM lp);
    // Enter and Escape (IDOK, IDCANCEL) end nothing: a sample never closes.
    void OnOK() override {}
    void OnCancel() override {}

private:
    bool HandleFloatingSysCommand(WPARAM command, LPARAM lp);
    void Drag(UINT msg);

    bool active_ = false;
    bool dragging_ = false;
    POINT dragCursor_{};
    POINT dragOrigin_{};
};

// What sets one sample class apart from the others.
struct SampleTraits {
    SampleId id = SampleId::kNone;
    UINT templateId = 0;
    bool dropClose = true;        // the close command is not passed on
    bool activateOnClick = false; // activation also on clicks, before the default
    bool forwardKeys = true;      // dialog keys, and key presses to the main window
};

class CSampleDialog : public CSyncActiveDialog {
public:
    explicit CSampleDialog(const SampleTraits& traits) : CSyncActiveDialog(traits.templateId), traits_(traits) {}
    const SampleTraits& Traits() const { return traits_; }
    bool Filled() const { return filled_; }
    bool PreTranslateMessage(MSG& msg) override;

protected:
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;
    // The sample's contents, made at its first showing.
    virtual void Fill();
    // After the fill, at every showing.
    virtual void OnEveryShow() {}

private:
    SampleTraits traits_;
    bool filled_ = false;
};

// The old-shell handling of Windows 95, 98 and Me (by the samples' version
// code): the child style off around the non-client size computation, on
// around a move or size loop. True when the message was handled so.
bool HandleOldShellMessage(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, LRESULT* result);

// Tells a window of the float-status protocol the flags (its answer).
LRESULT SendFloatStatus(HWND hwnd, unsigned flags);

} // namespace hexmoor::preview
